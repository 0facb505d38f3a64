#pragma once

#include "INxTextToSpeechAudition.h"
#include "NxTextToSpeechRecords.h"
#include "NxWidget.h"
#include "TextToSpeechTaskParam.h"

#include <QList>

class NxCheckBox;
class NxComboBox;
class NxLabel;
class NxPropertyNonLineSliderEx;
class NxPushButton;
class NxVoicePanel;
class QScrollArea;

// The content of the text-to-speech parameter dialog: the language of the
// title text, a voice from the catalogue's voices of that language, speed
// and pitch steps, and whether the results are matched to the timeline.
// A double-clicked voice is previewed while its tile shows the speaking
// animation. OK remembers voice, speed and pitch for the next opening.
//
// The catalogue comes from the text-to-speech query and is kept in
// "voice_list.json", which stands in for the query when it fails.
class NxTextToSpeechParamVarneloPanel : public NxWidget, public INxTextToSpeechAuditionObserver
{
    Q_OBJECT

public:
    explicit NxTextToSpeechParamVarneloPanel(QWidget* parent);
    ~NxTextToSpeechParamVarneloPanel() override;

    TextToSpeechTaskParam GetParam() const;

    // Chooses the remembered voice and steps.
    void initParam();
    void saveVoiceCache();
    void loadVoiceCache();

    // Called by the audition on its own thread: only signals cross.
    void onAuditionStop() override;
    void onAuditionPlay() override;

signals:
    void sigOk();
    void sigCancel();
    void sigPlay();
    void sigStop();

public slots:
    // Previews the chosen voice with the chosen steps.
    void slotTryListen();
    // Stops a preview and shows the voices of the combo's language.
    void slotLanguageChanged(int index);

protected:
    void RetranslateUi() override;

private slots:
    void slotPlay();
    void slotStop();
    void slotOk();

private:
    void createAudition();
    void createLanguageChoice();
    void createSettingsContainer();
    void createVoiceGrid();
    void createSliders();
    void createButtons();
    void createLayouts();
    void loadCatalogue();
    void createConnections();
    void selectFirstTile();
    void setSlidersEnabled(bool enabled);

    NxLabel* m_languageLabel = nullptr;
    NxComboBox* m_languageCombo = nullptr;
    NxWidget* m_settingsContainer = nullptr;
    NxLabel* m_voiceLabel = nullptr;
    QScrollArea* m_voiceScrollArea = nullptr;
    NxVoicePanel* m_voicePanel = nullptr;
    NxLabel* m_parameterLabel = nullptr;
    NxLabel* m_speedLabel = nullptr;
    NxPropertyNonLineSliderEx* m_speedSlider = nullptr;
    NxLabel* m_pitchLabel = nullptr;
    NxPropertyNonLineSliderEx* m_pitchSlider = nullptr;
    NxCheckBox* m_matchCheckBox = nullptr;
    NxPushButton* m_okButton = nullptr;
    NxPushButton* m_cancelButton = nullptr;
    INxTextToSpeechAudition* m_audition = nullptr; // given back in the destructor
    bool m_previewPlaying = false;
    QList<NxTextToSpeechVoiceInfo> m_voiceList; // the catalogue, in the order it came
};
