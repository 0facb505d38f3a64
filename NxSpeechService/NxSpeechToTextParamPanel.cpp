#include "NxSpeechToTextParamPanel.h"

#include "NxCheckBox.h"
#include "NxMatchCheckBox.h"
#include "NxComboBox.h"
#include "NxCustomRadioButton.h"
#include "NxLabel.h"
#include "NxPushButton.h"
#include "NxSpeechLanguages.h"
#include "NxSpeechServiceEvents.h"
#include "VarneloSpeechServiceEvent.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace
{
constexpr int LabelHeight = 18;
constexpr QSize ComboSize(432, 24);
constexpr int RadioHeight = 18;
constexpr int RadioSpacing = 66;
constexpr int ButtonSpacing = 16;
constexpr QMargins PanelMargins(24, 24, 16, 16);
constexpr int LabelToCombo = 16;
constexpr int ComboToSource = 24;
constexpr int SourceToRadios = 20;
}

NxSpeechToTextParamPanel::NxSpeechToTextParamPanel(QWidget* parent)
    : NxWidget(parent)
{
    createLabels();
    createRadios();
    m_matchCheckBox = createMatchCheckBox(this);
    createButtons();
    RetranslateUi();
    createLayouts();
    createConnections();
    fillLanguageCombo(m_languageCombo);
    NxSpeechServiceEvents::sendWindowPopup(QStringLiteral("STT_params_setting"));
}

NxSpeechToTextParamPanel::~NxSpeechToTextParamPanel() = default;

void NxSpeechToTextParamPanel::createLabels()
{
    m_languageLabel = NxLabel::CreateLabel(this);
    m_languageLabel->setFixedHeight(LabelHeight);

    m_languageCombo = NxComboBox::CreateComboBox(this);
    m_languageCombo->setFixedSize(ComboSize);
    // Readers name the list by its label.
    m_languageLabel->setBuddy(m_languageCombo);

    m_sourceLabel = NxLabel::CreateLabel(this);
    m_sourceLabel->setFixedHeight(LabelHeight);
}

void NxSpeechToTextParamPanel::createRadios()
{
    m_clipRadio = NxCustomRadioButton::createCustomRadioButton(this);
    m_clipRadio->setChecked(true);
    m_clipRadio->setFixedHeight(RadioHeight);

    m_timelineRadio = NxCustomRadioButton::createCustomRadioButton(this);
    m_timelineRadio->setFixedHeight(RadioHeight);

    selectTimeline(false);
}

void NxSpeechToTextParamPanel::createButtons()
{
    m_okButton = NxPushButton::CreatePrimaryButton(this, NButtonSize32);
    m_cancelButton = NxPushButton::CreateSecondaryButton(this, NButtonSize32);
}

// Run once the children exist and again on every language change; the check
// box breaks its new text anew.
void NxSpeechToTextParamPanel::RetranslateUi()
{
    m_languageLabel->setText(tr("Language of the audio to be transcribed:"));
    m_sourceLabel->setText(tr("Select the file to be converted: "));
    m_clipRadio->setDisplayText(tr("Clip selection"));
    m_timelineRadio->setDisplayText(tr("The entire timeline sequence"));
    m_matchCheckBox->setText(tr("Transcriptions are automatically matched to the timeline"));
    wrapCheckBoxText(m_matchCheckBox);
    m_okButton->setText(tr("OK"));
    m_cancelButton->setText(tr("Cancel"));
    retranslateLanguageCombo(m_languageCombo);
}

void NxSpeechToTextParamPanel::createLayouts()
{
    auto* radioRow = new QHBoxLayout;
    radioRow->setSpacing(0);
    radioRow->addWidget(m_clipRadio);
    radioRow->addSpacing(RadioSpacing);
    radioRow->addWidget(m_timelineRadio);
    radioRow->addStretch();

    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(0);
    buttonRow->addWidget(m_matchCheckBox);
    buttonRow->addStretch();
    buttonRow->addWidget(m_okButton);
    buttonRow->addSpacing(ButtonSpacing);
    buttonRow->addWidget(m_cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(PanelMargins);
    layout->setSpacing(0);
    layout->addWidget(m_languageLabel);
    layout->addSpacing(LabelToCombo);
    layout->addWidget(m_languageCombo);
    layout->addSpacing(ComboToSource);
    layout->addWidget(m_sourceLabel);
    layout->addSpacing(SourceToRadios);
    layout->addLayout(radioRow);
    layout->addStretch();
    layout->addLayout(buttonRow);
}

void NxSpeechToTextParamPanel::createConnections()
{
    connect(m_okButton, &QPushButton::clicked, this, &NxSpeechToTextParamPanel::confirm);
    connect(m_cancelButton, &QPushButton::clicked, this, &NxSpeechToTextParamPanel::sigCancel);
    // By name, so the slot stays reachable through the meta-object.
    connect(m_languageCombo, SIGNAL(currentIndexChanged(int)), this, SLOT(slotLanguageChanged(int)));
    connect(m_clipRadio, &NxCustomRadioButton::sigStateChanged, this,
            [this](bool checked) { selectTimeline(!checked); });
    connect(m_timelineRadio, &NxCustomRadioButton::sigStateChanged, this,
            [this](bool checked) { selectTimeline(checked); });
}

NxSpeechToTextTaskParam NxSpeechToTextParamPanel::GetParam() const
{
    NxSpeechToTextTaskParam param;
    param.language = languageCodeTable.value(m_languageCombo->currentData().toInt());
    param.isClip = m_clipRadio->isChecked();
    param.attachResult = m_matchCheckBox->isEnabled() && m_matchCheckBox->isChecked();
    return param;
}

void NxSpeechToTextParamPanel::setCheckState(bool checked, bool enabled)
{
    m_matchCheckBox->setChecked(checked);
    m_matchCheckBox->setEnabled(enabled);
}

void NxSpeechToTextParamPanel::setClipRatioState(bool checked, bool enabled)
{
    m_clipRadio->setChecked(checked);
    m_clipRadio->setEnabled(enabled);
}

void NxSpeechToTextParamPanel::setTimelineRatioState(bool checked, bool enabled)
{
    m_timelineRadio->setChecked(checked);
    m_timelineRadio->setEnabled(enabled);
}

void NxSpeechToTextParamPanel::slotLanguageChanged(int)
{
    // Nothing depends on the spoken language until OK.
}

void NxSpeechToTextParamPanel::selectTimeline(bool timeline)
{
    if (m_timelineRadio->isEnabled()) {
        {
            const QSignalBlocker blocker(m_timelineRadio);
            m_timelineRadio->setChecked(timeline);
        }
        const QSignalBlocker blocker(m_clipRadio);
        m_clipRadio->setChecked(!timeline);
    } else {
        const QSignalBlocker blocker(m_clipRadio);
        m_clipRadio->setChecked(true);
    }
}

void NxSpeechToTextParamPanel::confirm()
{
    using namespace NxSpeechServiceEvents;
    const NxSpeechToTextTaskParam param = GetParam();
    const QString languageName = languageNameTable.value(m_languageCombo->currentData().toInt());
    VarneloSpeechServiceEvent(SttParamsSetting)
        .sendProperties({{SttLanguage, languageName},
                         {SelectConverted, param.isClip ? ConvertClip : ConvertSequence},
                         {IsUseCheck, param.attachResult}});
    emit sigOk();
}
