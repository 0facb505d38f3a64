#pragma once

#include "NxWidget.h"
#include "TextToSpeechTaskParam.h"

#include <QList>

class INxTextToSpeechAudition;
class NxLabel;
class NxPushButton;
class QAbstractButton;
class QButtonGroup;

// The content of the classic text-to-speech parameter dialog: sixteen named
// vocalists, three intonations and three speaking rates, a preview and
// "Confirm", which remembers the choice for the next opening. Its children
// are placed by hand in resizeEvent.
class NxTextToSpeechParamPanel : public NxWidget
{
    Q_OBJECT

public:
    explicit NxTextToSpeechParamPanel(QWidget* parent);
    ~NxTextToSpeechParamPanel() override;

    TextToSpeechTaskParam GetParam() const;
    void RetranslateUi() override;

signals:
    void sigOk();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void slotConfirm();
    void slotTryListen();
    void slotButtonGroupClicked(QAbstractButton* button);
    void slotIntonationGroupClicked(int id); // kept for the host, which finds it by name; does nothing
    void slotSpeakingRateGroupClicked(int id); // kept for the host, which finds it by name; does nothing
    void slotErrorMsg(QString errorMsg); // kept for the host, which finds it by name; does nothing

private:
    void createButtons();
    void createHeadings();
    void createChoiceRows();
    void createVocalistButtons();
    void createConnections();
    void loadSavedChoice();
    NxPushButton* vocalistButton(const QString& identifier) const;
    // Checks the vocalist and shows the tips that go with it.
    void selectVocalist(const QString& identifier);
    void placeChildren();
    int placeVocalistButtons(int top);
    void placeChoiceRow(NxLabel* caption, QButtonGroup* group, int top);
    // Tab in reading order; each group is one stop, the arrow keys move inside it.
    void setUpKeyboard();
    void orderTabs();

    QString m_vocalist;
    NxLabel* m_voiceHeading = nullptr;
    NxLabel* m_voiceLine = nullptr;
    NxLabel* m_paramHeading = nullptr;
    NxLabel* m_paramLine = nullptr;
    NxPushButton* m_tryListenButton = nullptr;
    NxPushButton* m_confirmButton = nullptr;
    QButtonGroup* m_vocalistGroup = nullptr;
    NxLabel* m_intonationCaption = nullptr;
    QButtonGroup* m_intonationGroup = nullptr;
    NxLabel* m_speakingRateCaption = nullptr;
    QButtonGroup* m_speakingRateGroup = nullptr;
    NxLabel* m_tipsLabel = nullptr;
    INxTextToSpeechAudition* m_audition = nullptr;
    QList<NxPushButton*> m_vocalistButtons;
};
