#pragma once

#include "NxSpeechToTextTaskParam.h"
#include "NxWidget.h"

class NxCheckBox;
class NxComboBox;
class NxCustomRadioButton;
class NxLabel;
class NxPushButton;

// The content of the speech-to-text parameter dialog: the spoken language,
// clip or whole timeline, and whether the subtitles are matched to the
// timeline. OK reports the choice to analytics before sigOk.
class NxSpeechToTextParamPanel : public NxWidget
{
    Q_OBJECT

public:
    explicit NxSpeechToTextParamPanel(QWidget* parent);
    ~NxSpeechToTextParamPanel() override;

    NxSpeechToTextTaskParam GetParam() const;
    void setCheckState(bool checked, bool enabled);
    void setClipRatioState(bool checked, bool enabled);
    void setTimelineRatioState(bool checked, bool enabled);

protected:
    void RetranslateUi() override;

signals:
    void sigOk();
    void sigCancel();

private slots:
    void slotLanguageChanged(int index);

private:
    void createLabels();
    void createRadios();
    void createButtons();
    void createLayouts();
    void createConnections();
    // Checks one radio and unchecks the other; the timeline cannot be
    // chosen while its radio is disabled.
    void selectTimeline(bool timeline);
    void confirm();

    NxLabel* m_languageLabel = nullptr;
    NxComboBox* m_languageCombo = nullptr;
    NxLabel* m_sourceLabel = nullptr;
    NxCustomRadioButton* m_clipRadio = nullptr;
    NxCustomRadioButton* m_timelineRadio = nullptr;
    NxCheckBox* m_matchCheckBox = nullptr;
    NxPushButton* m_okButton = nullptr;
    NxPushButton* m_cancelButton = nullptr;
};
