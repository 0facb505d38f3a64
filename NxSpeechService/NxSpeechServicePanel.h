#pragma once

#include "NxWidget.h"

#include <QtGui/qwindowdefs.h>

class INxTaskbarList3;
class NxSpeechServicePresenter;
class NxSpeechToTextWidget;
class NxTabButton;
class NxTextToSpeechWidget;
class QButtonGroup;
class QStackedWidget;

// The service window's content: the "Speech-to-Text" and "Text-to-Speech"
// tabs above their pages. It also mirrors task progress on the window's
// taskbar button and shows the purchase tips when a balance runs out.
class NxSpeechServicePanel : public NxWidget
{
    Q_OBJECT

public:
    NxSpeechServicePanel(NxSpeechServicePresenter* presenter, QWidget* parent);
    ~NxSpeechServicePanel() override;

    void showTab(int tab);
    // The window really closes: each page re-arms its one-time purchase tip.
    void closePages();
    void RetranslateUi() override;

    int currentTab() const;
    NxSpeechToTextWidget* speechToTextPage() const { return m_speechToTextPage; }
    NxTextToSpeechWidget* textToSpeechPage() const { return m_textToSpeechPage; }

public slots:
    void slotBtClicked(int index);
    void slotProgress(int progress);
    void slotFinish();
    void slotTimeLimit(int duration, bool& success);
    void slotSentenceLimit(int character, bool& success);

private:
    enum class Service { SpeechToText, TextToSpeech };
    void showPurchaseTip(Service service, int amount, bool& success);

    QButtonGroup* m_group = nullptr;
    NxTabButton* m_speechToTextButton = nullptr;
    NxTabButton* m_textToSpeechButton = nullptr;
    NxSpeechToTextWidget* m_speechToTextPage = nullptr;
    NxTextToSpeechWidget* m_textToSpeechPage = nullptr;
    QStackedWidget* m_stack = nullptr;
    NxSpeechServicePresenter* m_presenter = nullptr;
    INxTaskbarList3* m_taskbar = nullptr;
    WId m_window = 0;
};
