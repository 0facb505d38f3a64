#include "NxTextToSpeechParamVarneloPanel.h"

#include "INxBaseLog.h"
#include "INxTextToSpeechQuery.h"
#include "NMessageDialog.h"
#include "NxCheckBox.h"
#include "NxMatchCheckBox.h"
#include "NxComboBox.h"
#include "NxConfig.h"
#include "NxLabel.h"
#include "NxPropertyNonLineSliderEx.h"
#include "NxPushButton.h"
#include "NxSpeechLanguages.h"
#include "NxSpeechServiceEvents.h"
#include "NxVoiceAnimationHelper.h"
#include "NxVoiceItem.h"
#include "NxVoiceListCache.h"
#include "NxVoicePanel.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include <iterator>

namespace
{
constexpr const char* LogSource = "NxSpeechService/NxTextToSpeechParamVarneloPanel";

// Remembered choice.
const QString ConfigSection = QStringLiteral("TextToSpeechParam");
const QString VoiceKey = QStringLiteral("voice");
const QString SpeedKey = QStringLiteral("speed");
const QString PitchKey = QStringLiteral("pitch");

// Geometry.
constexpr int LabelHeight = 18;
constexpr QSize ComboSize(476, 24);
constexpr QSize ContainerSize(640, 345);
constexpr int SettingsBackgroundType = 5;
constexpr QSize ScrollAreaSize(590, 152);
constexpr int SliderLabelHeight = 24;
constexpr QSize SliderSize(486, 24);
constexpr int SliderBandHeight = 8;
constexpr int SliderVSpace = 4;
constexpr int SliderWordHeight = 16;
constexpr int SliderWordPixelSize = 10;
constexpr int FormSpacing = 16;
constexpr QMargins FormMargins(16, 0, 0, 0);
constexpr QMargins ContainerMargins(16, 16, 0, 0);
constexpr int VoiceLabelToGrid = 12;
constexpr int GridToParameters = 20;
constexpr int ParametersToSliders = 20;
constexpr int ButtonSpacing = 16;
constexpr QMargins PanelMargins(0, 24, 16, 12);
constexpr int RowIndent = 24;
constexpr int RowSpacing = 16;

// A language offers at most ten voices; a catalogue that lists one voice a
// hundred times over is still shown whole, a hostile cache is cut here.
constexpr int MaxTiles = 1000;

// The sliders' five steps; the value sent is the index less two, and the
// words differ from the sliders' own lower-case labels.
constexpr int MiddleStep = 2;
struct Step
{
    int value;
    const char* speedName;
    const char* pitchName;
};
constexpr Step Steps[] = {
    {-2, QT_TRANSLATE_NOOP("NxTextToSpeechParamVarneloPanel", "Slow"), QT_TRANSLATE_NOOP("NxTextToSpeechParamVarneloPanel", "Low")},
    {-1, QT_TRANSLATE_NOOP("NxTextToSpeechParamVarneloPanel", "Slow"), QT_TRANSLATE_NOOP("NxTextToSpeechParamVarneloPanel", "Low")},
    {0, QT_TRANSLATE_NOOP("NxTextToSpeechParamVarneloPanel", "Normal"), QT_TRANSLATE_NOOP("NxTextToSpeechParamVarneloPanel", "Normal")},
    {1, QT_TRANSLATE_NOOP("NxTextToSpeechParamVarneloPanel", "Fast"), QT_TRANSLATE_NOOP("NxTextToSpeechParamVarneloPanel", "High")},
    {2, QT_TRANSLATE_NOOP("NxTextToSpeechParamVarneloPanel", "Fast"), QT_TRANSLATE_NOOP("NxTextToSpeechParamVarneloPanel", "High")},
};

// An index off the slider counts as the middle step.
const Step& stepAt(int index)
{
    return Steps[index >= 0 && index < int(std::size(Steps)) ? index : MiddleStep];
}

QHBoxLayout* indentedRow(QLayoutItem* content)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(RowIndent, 0, 0, 0);
    row->setSpacing(0);
    row->addItem(content);
    return row;
}

// Remembered values are read back as they were stored, unchecked.
QVariant remembered(const QString& key)
{
    return NxConfig::Instance().GetAppValue(ConfigSection, key, false, QVariant());
}
}

NxTextToSpeechParamVarneloPanel::NxTextToSpeechParamVarneloPanel(QWidget* parent)
    : NxWidget(parent)
{
    createAudition();
    createLanguageChoice();
    createSettingsContainer();
    createVoiceGrid();
    createSliders();
    m_matchCheckBox = createMatchCheckBox(this);
    createButtons();
    RetranslateUi();
    createLayouts();
    fillLanguageCombo(m_languageCombo);
    loadCatalogue();
    createConnections();
    slotLanguageChanged(m_languageCombo->currentIndex());
    initParam();
    // Queued when the audition calls from its own thread.
    connect(this, &NxTextToSpeechParamVarneloPanel::sigPlay, this, &NxTextToSpeechParamVarneloPanel::slotPlay);
    connect(this, &NxTextToSpeechParamVarneloPanel::sigStop, this, &NxTextToSpeechParamVarneloPanel::slotStop);
    NxSpeechServiceEvents::sendWindowPopup(QStringLiteral("TTS_params_setting"));
}

NxTextToSpeechParamVarneloPanel::~NxTextToSpeechParamVarneloPanel()
{
    if (!m_audition)
        return;
    // The audition waits for an observer call in flight; none comes after.
    m_audition->setObserver(nullptr);
    m_audition->stop();
    m_audition->release();
    // Its stop report is no longer heard: end the animation here.
    if (m_previewPlaying)
        NxVoiceAnimationHelper::instance()->stop();
}

void NxTextToSpeechParamVarneloPanel::createAudition()
{
    m_audition = INxTextToSpeechAudition::create();
    if (m_audition)
        m_audition->setObserver(this);
}

void NxTextToSpeechParamVarneloPanel::createLanguageChoice()
{
    m_languageLabel = NxLabel::CreateLabel(this);
    m_languageLabel->setFixedHeight(LabelHeight);
    m_languageCombo = NxComboBox::CreateComboBox(this);
    m_languageCombo->setFixedSize(ComboSize);
    // Readers name the list by its label.
    m_languageLabel->setBuddy(m_languageCombo);
}

void NxTextToSpeechParamVarneloPanel::createSettingsContainer()
{
    m_settingsContainer = new NxWidget(this);
    // The kit paints the settings area's raised background from this property.
    m_settingsContainer->setProperty(NxWidget::BGColorTypeProperty, SettingsBackgroundType);
    m_settingsContainer->setFixedSize(ContainerSize);
    m_voiceLabel = NxLabel::CreateLabel(m_settingsContainer);
    m_voiceLabel->setFixedHeight(LabelHeight);
}

void NxTextToSpeechParamVarneloPanel::createVoiceGrid()
{
    m_voicePanel = new NxVoicePanel(nullptr);
    m_voiceScrollArea = new QScrollArea(this);
    m_voiceScrollArea->setObjectName(QStringLiteral("NxTextToSpeechParamVarneloPanel_list"));
    m_voiceScrollArea->setFixedSize(ScrollAreaSize);
    m_voiceScrollArea->setWidgetResizable(true);
    m_voiceScrollArea->setFrameShape(QFrame::NoFrame);
    // Tab goes to the grid inside, which keeps its tiles in view.
    m_voiceScrollArea->setFocusPolicy(Qt::NoFocus);
    // The grid is exactly as wide as four tiles: only rows scroll.
    m_voiceScrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_voiceScrollArea->setWidget(m_voicePanel);
    m_voiceScrollArea->viewport()->setStyleSheet(QStringLiteral("background-color:transparent;"));
}

void NxTextToSpeechParamVarneloPanel::createSliders()
{
    m_parameterLabel = NxLabel::CreateLabel(this);
    m_parameterLabel->setFixedHeight(LabelHeight);

    // The steps' words come with the texts (RetranslateUi).
    const auto createSlider = [this] {
        QStringList blank;
        for (int step = 0; step < int(std::size(Steps)); ++step)
            blank << QString();
        auto* slider = NxPropertyNonLineSliderEx::CreatePropertyNonLineSliderEx(blank, this);
        slider->setFixedSize(SliderSize);
        slider->setSliderHeight(SliderBandHeight);
        slider->setVSpace(SliderVSpace);
        slider->setLabelHeight(SliderWordHeight);
        slider->setLabelFontSize(SliderWordPixelSize);
        slider->setCurIndex(MiddleStep);
        return slider;
    };
    const auto createLabel = [this] {
        auto* label = NxLabel::CreateLabel(this);
        label->setFixedHeight(SliderLabelHeight);
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        return label;
    };
    m_speedLabel = createLabel();
    m_speedSlider = createSlider();
    m_pitchLabel = createLabel();
    m_pitchSlider = createSlider();
    // Readers name the sliders by their labels.
    m_speedLabel->setBuddy(m_speedSlider);
    m_pitchLabel->setBuddy(m_pitchSlider);
}

void NxTextToSpeechParamVarneloPanel::createButtons()
{
    m_okButton = NxPushButton::CreatePrimaryButton(this, NButtonSize32);
    m_cancelButton = NxPushButton::CreateSecondaryButton(this, NButtonSize32);
}

// Run once the children exist and again on every language change; the check
// box breaks its new text anew.
void NxTextToSpeechParamVarneloPanel::RetranslateUi()
{
    m_languageLabel->setText(tr("What language is this title in?"));
    m_voiceLabel->setText(tr("Voice Name: "));
    m_voicePanel->setAccessibleName(m_voiceLabel->text().trimmed());
    m_parameterLabel->setText(tr("Parameter Settings:"));
    m_speedLabel->setText(tr("Speed:"));
    m_pitchLabel->setText(tr("Pitch:"));
    // Only the ends and the middle are named; the single spaces keep the other steps blank.
    const QString blank = QStringLiteral(" ");
    m_speedSlider->setLabels({tr("slow"), blank, tr("normal"), blank, tr("fast")});
    m_pitchSlider->setLabels({tr("low"), blank, tr("normal"), blank, tr("high")});
    m_matchCheckBox->setText(tr("Transcriptions are automatically matched to the timeline"));
    wrapCheckBoxText(m_matchCheckBox);
    m_okButton->setText(tr("OK"));
    m_cancelButton->setText(tr("Cancel"));
    retranslateLanguageCombo(m_languageCombo);
}

void NxTextToSpeechParamVarneloPanel::createLayouts()
{
    auto* sliderForm = new QFormLayout;
    sliderForm->setContentsMargins(FormMargins);
    sliderForm->setHorizontalSpacing(FormSpacing);
    sliderForm->setVerticalSpacing(FormSpacing);
    sliderForm->setLabelAlignment(Qt::AlignRight | Qt::AlignTop);
    sliderForm->addRow(m_speedLabel, m_speedSlider);
    sliderForm->addRow(m_pitchLabel, m_pitchSlider);

    auto* containerLayout = new QVBoxLayout(m_settingsContainer);
    containerLayout->setContentsMargins(ContainerMargins);
    containerLayout->setSpacing(0);
    containerLayout->addWidget(m_voiceLabel);
    containerLayout->addSpacing(VoiceLabelToGrid);
    containerLayout->addWidget(m_voiceScrollArea);
    containerLayout->addSpacing(GridToParameters);
    containerLayout->addWidget(m_parameterLabel);
    containerLayout->addSpacing(ParametersToSliders);
    containerLayout->addLayout(sliderForm);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(0);
    buttonRow->addWidget(m_matchCheckBox);
    buttonRow->addStretch();
    buttonRow->addWidget(m_okButton);
    buttonRow->addSpacing(ButtonSpacing);
    buttonRow->addWidget(m_cancelButton);

    auto* languageLabelRow = indentedRow(new QWidgetItem(m_languageLabel));
    languageLabelRow->addStretch();
    auto* languageComboRow = indentedRow(new QWidgetItem(m_languageCombo));
    languageComboRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(PanelMargins);
    layout->setSpacing(0);
    layout->addLayout(languageLabelRow);
    layout->addSpacing(RowSpacing);
    layout->addLayout(languageComboRow);
    layout->addSpacing(RowSpacing);
    layout->addWidget(m_settingsContainer);
    layout->addStretch();
    layout->addLayout(indentedRow(buttonRow));
}

// Asked once: the catalogue stays as it is while the dialog is open.
void NxTextToSpeechParamVarneloPanel::loadCatalogue()
{
    INxTextToSpeechQuery* query = INxTextToSpeechQuery::create();
    if (query && query->getVoiceList(m_voiceList) && !m_voiceList.isEmpty()) {
        saveVoiceCache();
    } else {
        GetGlobalLogInstance()->LogInfo(LogSource, "NxTextToSpeechParamVarneloPanel::NxTextToSpeechParamVarneloPanel",
                                        __LINE__, "TTS load voice from cache");
        loadVoiceCache();
    }
    if (query)
        query->release();
}

void NxTextToSpeechParamVarneloPanel::createConnections()
{
    connect(m_okButton, &QPushButton::clicked, this, &NxTextToSpeechParamVarneloPanel::slotOk);
    connect(m_cancelButton, &QPushButton::clicked, this, &NxTextToSpeechParamVarneloPanel::sigCancel);
    // By name, so the slot stays reachable through the meta-object.
    connect(m_languageCombo, SIGNAL(currentIndexChanged(int)), this, SLOT(slotLanguageChanged(int)));
    connect(m_voicePanel, &NxVoicePanel::sigDoubleClicked, this, &NxTextToSpeechParamVarneloPanel::slotTryListen);
}

void NxTextToSpeechParamVarneloPanel::saveVoiceCache()
{
    // A cache that cannot be written only costs the fallback.
    NxVoiceListCache::write(NxVoiceListCache::filePath(), m_voiceList);
}

void NxTextToSpeechParamVarneloPanel::loadVoiceCache()
{
    NxVoiceListCache::read(NxVoiceListCache::filePath(), m_voiceList);
}

TextToSpeechTaskParam NxTextToSpeechParamVarneloPanel::GetParam() const
{
    TextToSpeechTaskParam param;
    param.attachResult = m_matchCheckBox->isChecked();
    for (const NxVoiceItem* tile : m_voicePanel->items()) {
        if (tile->isSelected()) {
            param.voiceId = tile->id();
            param.voiceName = tile->showName();
            param.voiceCode = tile->code();
            break;
        }
    }
    const int language = m_languageCombo->currentData().toInt();
    param.languageCode = languageCodeTable.value(language);
    param.languageName = languageNameTable.value(language);
    const Step& speed = stepAt(m_speedSlider->getCurIndex());
    param.speed = speed.value;
    param.speedName = tr(speed.speedName);
    const Step& pitch = stepAt(m_pitchSlider->getCurIndex());
    param.intonation = pitch.value;
    param.intonationName = tr(pitch.pitchName);
    return param;
}

void NxTextToSpeechParamVarneloPanel::initParam()
{
    // A voice the catalogue lists more than once is chosen on each of its tiles.
    const QVariant voice = remembered(VoiceKey);
    bool chosen = false;
    if (voice.isValid()) {
        for (NxVoiceItem* tile : m_voicePanel->items()) {
            tile->setSelected(tile->id() == voice.toInt());
            chosen = chosen || tile->isSelected();
        }
    }
    if (!chosen)
        selectFirstTile();

    INxBaseLog* log = GetGlobalLogInstance();
    const QVariant pitch = remembered(PitchKey);
    m_pitchSlider->setCurIndex(MiddleStep);
    if (pitch.isValid()) {
        log->LogInfo(LogSource, "NxTextToSpeechParamVarneloPanel::initParam", __LINE__, "intonation = %d", pitch.toInt());
        m_pitchSlider->setCurIndex(pitch.toInt() + MiddleStep);
    }
    const QVariant speed = remembered(SpeedKey);
    m_speedSlider->setCurIndex(MiddleStep);
    if (speed.isValid()) {
        log->LogInfo(LogSource, "NxTextToSpeechParamVarneloPanel::initParam", __LINE__, "speakRate = %d", speed.toInt());
        m_speedSlider->setCurIndex(speed.toInt() + MiddleStep);
    }
}

void NxTextToSpeechParamVarneloPanel::onAuditionStop()
{
    emit sigStop();
}

void NxTextToSpeechParamVarneloPanel::onAuditionPlay()
{
    emit sigPlay();
}

void NxTextToSpeechParamVarneloPanel::slotTryListen()
{
    if (!m_audition)
        return;
    const TextToSpeechTaskParam param = GetParam();
    m_audition->setVoice(param.voiceId);
    m_audition->setIntonation(param.intonation);
    m_audition->setSpeed(param.speed);
    if (!m_audition->play() && m_audition->isNetworkError())
        NMessageDialog::Infomation(tr("Network error, please check network settings or try again."), this, Ok,
                                   QString(), QString(), QString(), false);
}

void NxTextToSpeechParamVarneloPanel::slotLanguageChanged(int)
{
    if (m_audition)
        m_audition->stop();
    m_voicePanel->clearItems();
    const QString code = languageCodeTable.value(m_languageCombo->currentData().toInt());
    const QList<int> offered = languageVoiceTable.value(code);
    // A tile for every record offered, repeats included; only a cache far
    // larger than any catalogue reaches the cap.
    for (const NxTextToSpeechVoiceInfo& voice : qAsConst(m_voiceList)) {
        if (m_voicePanel->items().size() == MaxTiles)
            break;
        if (voice.languageCode == code && offered.contains(voice.id))
            m_voicePanel->addItem(voice.male, voice.showName, voice.id, voice.code);
    }
    selectFirstTile();
}

void NxTextToSpeechParamVarneloPanel::slotPlay()
{
    m_previewPlaying = true;
    setSlidersEnabled(false);
    NxVoiceAnimationHelper::instance()->start();
}

void NxTextToSpeechParamVarneloPanel::slotStop()
{
    m_previewPlaying = false;
    setSlidersEnabled(true);
    m_voicePanel->stopAnimation();
}

void NxTextToSpeechParamVarneloPanel::slotOk()
{
    const TextToSpeechTaskParam param = GetParam();
    NxConfig& config = NxConfig::Instance();
    config.SetAppValue(ConfigSection, VoiceKey, param.voiceId, false);
    config.SetAppValue(ConfigSection, SpeedKey, param.speed, false);
    config.SetAppValue(ConfigSection, PitchKey, param.intonation, false);
    emit sigOk();
}

void NxTextToSpeechParamVarneloPanel::selectFirstTile()
{
    m_voicePanel->selectItem(m_voicePanel->items().value(0));
}

void NxTextToSpeechParamVarneloPanel::setSlidersEnabled(bool enabled)
{
    m_speedSlider->setEnabled(enabled);
    m_pitchSlider->setEnabled(enabled);
}
