#include "NxTextToSpeechParamPanel.h"

#include "INxTextToSpeechAudition.h"
#include "NMessageDialog.h"
#include "NxConfig.h"
#include "NxKeyNavigation.h"
#include "NxLabel.h"
#include "NxPushButton.h"
#include "NxRadioButton.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxTextToSpeechVocalists.h"

#include <QButtonGroup>
#include <QPainter>

namespace
{
// Vocalist buttons in grid order, four per row, with their group ids.
struct Vocalist
{
    const char* identifier;
    int groupId;
};
const Vocalist Vocalists[] = {
    {QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "Aida"), 0},
    {QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "Aijia"), 1},
    {QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "Aixia"), 6},
    {QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "Aimei"), 7},
    {QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "Aiqi"), 8},
    {QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "Aijing"), 9},
    {QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "Aishuo"), 14},
    {QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "Aiyu"), 15},
    {QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "Lydia"), 12},
    {QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "Shanshan"), 13},
    {QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "Aitong"), 2},
    {QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "Xiaobei"), 3},
    {QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "Andy"), 4},
    {QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "Abby"), 5},
    {QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "Luca"), 10},
    {QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "Emily"), 11},
};
const QStringList EnglishOnlyVocalists = {QStringLiteral("Luca"), QStringLiteral("Emily"),
                                          QStringLiteral("Abby"), QStringLiteral("Andy")};
const char* const IdProperty = "id";

// One radio button of an intonation or speaking-rate row; the middle one is
// the default.
struct Choice
{
    int id;
    const char* text;
};
using ChoiceRow = Choice[3];
const ChoiceRow IntonationChoices = {{0, QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "lowTone")},
                                     {1, QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "normalTone")},
                                     {2, QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "HighTone")}};
const ChoiceRow SpeakingRateChoices = {{-2, QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "lowSpeak")},
                                       {0, QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "normalSpeak")},
                                       {2, QT_TRANSLATE_NOOP("NxTextToSpeechParamPanel", "HighSpeak")}};

const QString ConfigGroup = QStringLiteral("TextAudioParam");
const QString VocalistKey = QStringLiteral("TextAudioVocalist");
const QString IntonationKey = QStringLiteral("TextAudioIntonation");
const QString SpeakRateKey = QStringLiteral("TextAudioSpeakRate");
const QString DefaultVocalist = QStringLiteral("Aida");
constexpr int DefaultIntonation = 1;
constexpr int DefaultSpeakRate = 0;

// Geometry. "Right" and "bottom" are inclusive edges (x + width - 1).
constexpr QSize ActionButtonSize(104, 32);
constexpr QSize VocalistButtonSize(74, 24);
constexpr QSize VoiceHeadingSize(40, 16);
constexpr QSize ParamHeadingSize(64, 16);
constexpr QSize CaptionSize(44, 24);
constexpr QSize RadioSize(56, 24);
constexpr QSize VoiceLineSize(524, 1);
constexpr QSize ParamLineSize(508, 1);
constexpr QPoint VoiceHeadingPos(114, 20);
constexpr int HeadingToLine = 8;
constexpr int LineToRow = 27;
constexpr int VocalistsPerRow = 4;
constexpr int VocalistLeft = 180;
constexpr int VocalistColumnStep = 122;
constexpr int VocalistRowStep = 44;
constexpr int LastRowToParamHeading = 40;
constexpr int LastRowToParamLine = 48;
constexpr int ChoiceLeft = 190;
constexpr int CaptionToRadio = 14;
constexpr int RadioToRadio = 104;
constexpr int ChoiceRowGap = 15;
constexpr int TipsLeft = 24;
constexpr int TipsBottomMargin = 23;
constexpr int ActionMargin = 16;

int rightOf(const QWidget* widget)
{
    return widget->geometry().right();
}

int bottomOf(const QWidget* widget)
{
    return widget->geometry().bottom();
}

NxLabel* createCentredLabel(QWidget* parent, const QSize& size)
{
    NxLabel* label = NxLabel::CreateLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedSize(size);
    return label;
}

// A divider: an empty label that the panel paints over (see paintEvent).
NxLabel* createLine(QWidget* parent, const QSize& size)
{
    NxLabel* line = NxLabel::CreateLabel(parent);
    line->setObjectName(QStringLiteral("NxTextToSpeechParamPanel_line"));
    line->setFixedSize(size);
    return line;
}

QButtonGroup* createChoiceGroup(QWidget* parent, const ChoiceRow& choices)
{
    auto* group = new QButtonGroup(parent);
    for (const Choice& choice : choices) {
        NxRadioButton* radio = NxRadioButton::creatRadioButton(parent);
        radio->setFixedSize(RadioSize);
        group->addButton(radio, choice.id);
    }
    return group;
}

void translateChoices(QButtonGroup* group, const ChoiceRow& choices)
{
    for (const Choice& choice : choices)
        group->button(choice.id)->setText(NxTextToSpeechParamPanel::tr(choice.text));
}

// A key that holds no value counts as absent.
QVariant savedValue(const QString& key, const QVariant& fallback)
{
    const QVariant value = NxConfig::Instance().GetAppValue(ConfigGroup, key, false, QVariant());
    return value.isValid() ? value : fallback;
}

// Ids outside the row (a value stored by hand) leave the row as it is.
void checkChoice(QButtonGroup* group, int id)
{
    if (QAbstractButton* button = group->button(id))
        button->setChecked(true);
}
}

NxTextToSpeechParamPanel::NxTextToSpeechParamPanel(QWidget* parent)
    : NxWidget(parent)
    , m_vocalistGroup(new QButtonGroup(this))
{
    createButtons();
    createHeadings();
    createChoiceRows();
    createVocalistButtons();
    m_audition = INxTextToSpeechAudition::create();
    createConnections();
    loadSavedChoice();
    RetranslateUi();
    setUpKeyboard();
}

NxTextToSpeechParamPanel::~NxTextToSpeechParamPanel()
{
    m_audition->stop();
    m_audition->release();
}

void NxTextToSpeechParamPanel::createButtons()
{
    m_confirmButton = NxPushButton::CreatePrimaryButton(this, NButtonSize32);
    m_confirmButton->setFixedSize(ActionButtonSize);
    m_tryListenButton = NxPushButton::CreateSecondaryButton(this, NButtonSize32);
    m_tryListenButton->setFixedSize(ActionButtonSize);
}

void NxTextToSpeechParamPanel::createHeadings()
{
    m_voiceHeading = createCentredLabel(this, VoiceHeadingSize);
    m_voiceLine = createLine(this, VoiceLineSize);
    m_paramHeading = createCentredLabel(this, ParamHeadingSize);
    m_paramLine = createLine(this, ParamLineSize);
}

void NxTextToSpeechParamPanel::createChoiceRows()
{
    m_intonationCaption = createCentredLabel(this, CaptionSize);
    m_intonationGroup = createChoiceGroup(this, IntonationChoices);
    m_speakingRateCaption = createCentredLabel(this, CaptionSize);
    m_speakingRateGroup = createChoiceGroup(this, SpeakingRateChoices);
    checkChoice(m_intonationGroup, IntonationChoices[1].id);
    checkChoice(m_speakingRateGroup, SpeakingRateChoices[1].id);
    m_tipsLabel = NxLabel::CreateLabel(this);
}

void NxTextToSpeechParamPanel::createVocalistButtons()
{
    for (const Vocalist& vocalist : Vocalists) {
        NxPushButton* button = NxPushButton::CreateSecondaryButton(this, NButtonSize24);
        button->setFixedSize(VocalistButtonSize);
        button->setCheckable(true);
        button->setObjectName(QStringLiteral("NxTextToSpeech_tone_btn"));
        // The same name goes to the window role too, a string no reader says:
        // readers name the buttons by their text, the vocalist's name.
        button->setWindowRole(QStringLiteral("NxTextToSpeech_tone_btn"));
        button->setProperty(IdProperty, QString::fromLatin1(vocalist.identifier));
        m_vocalistGroup->addButton(button, vocalist.groupId);
        m_vocalistButtons.append(button);
    }
}

void NxTextToSpeechParamPanel::createConnections()
{
    connect(m_vocalistGroup, qOverload<QAbstractButton*>(&QButtonGroup::buttonClicked), this,
            &NxTextToSpeechParamPanel::slotButtonGroupClicked);
    connect(m_confirmButton, &QPushButton::clicked, this, &NxTextToSpeechParamPanel::slotConfirm);
    connect(m_tryListenButton, &QPushButton::clicked, this, &NxTextToSpeechParamPanel::slotTryListen);
}

void NxTextToSpeechParamPanel::loadSavedChoice()
{
    selectVocalist(savedValue(VocalistKey, DefaultVocalist).toString());
    checkChoice(m_intonationGroup, savedValue(IntonationKey, DefaultIntonation).toInt());
    checkChoice(m_speakingRateGroup, savedValue(SpeakRateKey, DefaultSpeakRate).toInt());
}

NxPushButton* NxTextToSpeechParamPanel::vocalistButton(const QString& identifier) const
{
    for (NxPushButton* button : m_vocalistButtons)
        if (button->property(IdProperty).toString() == identifier)
            return button;
    return nullptr;
}

void NxTextToSpeechParamPanel::selectVocalist(const QString& identifier)
{
    NxPushButton* button = vocalistButton(identifier);
    // A remembered voice this version does not offer: the one such a voice
    // would sound like in the preview.
    if (!button)
        button = vocalistButton(FallbackVocalist);
    button->setChecked(true);
    m_vocalist = button->property(IdProperty).toString();

    m_tipsLabel->setText(EnglishOnlyVocalists.contains(m_vocalist) ? tr("tips: only Support EnglishTransfer")
                                                                   : tr("tips: Support Chinese And English Tranfer"));
    m_tipsLabel->adjustSize();
    placeChildren();
}

// The tips keep the text of the last selection, in the language it was made in.
void NxTextToSpeechParamPanel::RetranslateUi()
{
    for (int index = 0; index < m_vocalistButtons.size(); ++index)
        m_vocalistButtons[index]->setText(tr(Vocalists[index].identifier));
    m_voiceHeading->setText(tr("tone"));
    m_paramHeading->setText(tr("paramSettings"));
    m_intonationCaption->setText(tr("intonation:"));
    translateChoices(m_intonationGroup, IntonationChoices);
    m_speakingRateCaption->setText(tr("speeakrate:"));
    translateChoices(m_speakingRateGroup, SpeakingRateChoices);
    m_confirmButton->setText(tr("Confirm"));
    m_tryListenButton->setText(tr("Try Listen"));
}

TextToSpeechTaskParam NxTextToSpeechParamPanel::GetParam() const
{
    const QAbstractButton* vocalist = m_vocalistGroup->checkedButton();
    TextToSpeechTaskParam param;
    param.attachResult = false;
    param.languageCode = QStringLiteral("zh-CN");
    param.voiceId = -1; // the classic vocalists are known by their code only
    param.voiceCode = vocalist->property(IdProperty).toString();
    param.intonation = m_intonationGroup->checkedId() - 1;
    param.speed = m_speakingRateGroup->checkedId();
    param.voiceName = vocalist->text();
    param.intonationName = m_intonationGroup->checkedButton()->text();
    param.speedName = m_speakingRateGroup->checkedButton()->text();
    return param;
}

void NxTextToSpeechParamPanel::slotConfirm()
{
    NxConfig& config = NxConfig::Instance();
    config.SetAppValue(ConfigGroup, VocalistKey, m_vocalistGroup->checkedButton()->property(IdProperty), false);
    config.SetAppValue(ConfigGroup, IntonationKey, m_intonationGroup->checkedId(), false);
    config.SetAppValue(ConfigGroup, SpeakRateKey, m_speakingRateGroup->checkedId(), false);
    emit sigOk();
}

void NxTextToSpeechParamPanel::slotTryListen()
{
    m_audition->setVoice(vocalistVoiceNumber(m_vocalist));
    m_audition->setIntonation(m_intonationGroup->checkedId() - 1);
    m_audition->setSpeed(m_speakingRateGroup->checkedId());
    if (!m_audition->play())
        NMessageDialog::Infomation(tr("Network Failed Please Try"), this, Ok, QString(), QString(), QString(), false);
}

void NxTextToSpeechParamPanel::slotButtonGroupClicked(QAbstractButton* button)
{
    selectVocalist(button->property(IdProperty).toString());
}

void NxTextToSpeechParamPanel::slotIntonationGroupClicked(int)
{
}

void NxTextToSpeechParamPanel::slotSpeakingRateGroupClicked(int)
{
}

void NxTextToSpeechParamPanel::slotErrorMsg(QString)
{
}

void NxTextToSpeechParamPanel::setUpKeyboard()
{
    NxKeyNavigation::LinkGroup(m_vocalistGroup, VocalistsPerRow);
    NxKeyNavigation::LinkGroup(m_intonationGroup, int(std::size(IntonationChoices)));
    NxKeyNavigation::LinkGroup(m_speakingRateGroup, int(std::size(SpeakingRateChoices)));
    orderTabs();
}

// The children stand where placeChildren puts them, in a right-to-left
// interface too: there only the two actions side by side read from the right.
void NxTextToSpeechParamPanel::orderTabs()
{
    QList<QWidget*> order;
    for (QAbstractButton* button : m_vocalistGroup->buttons() + m_intonationGroup->buttons()
                                       + m_speakingRateGroup->buttons())
        order.append(button);
    order << m_tryListenButton << m_confirmButton;
    if (isRightToLeft())
        order.move(order.size() - 1, order.size() - 2);
    NxKeyNavigation::SetTabOrder(order);
}

void NxTextToSpeechParamPanel::changeEvent(QEvent* event)
{
    NxWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange)
        orderTabs();
}

void NxTextToSpeechParamPanel::resizeEvent(QResizeEvent* event)
{
    placeChildren();
    NxWidget::resizeEvent(event);
}

void NxTextToSpeechParamPanel::placeChildren()
{
    // Vocalists under the first heading and its line.
    m_voiceHeading->move(VoiceHeadingPos);
    m_voiceLine->move(rightOf(m_voiceHeading), m_voiceHeading->y() + HeadingToLine);
    const int lastRowTop = placeVocalistButtons(bottomOf(m_voiceLine) + LineToRow);

    // Intonation and speaking rate under the second heading and its line.
    m_paramHeading->move(VoiceHeadingPos.x(), lastRowTop + LastRowToParamHeading);
    m_paramLine->move(rightOf(m_paramHeading), lastRowTop + LastRowToParamLine);
    placeChoiceRow(m_intonationCaption, m_intonationGroup, bottomOf(m_paramLine) + LineToRow);
    placeChoiceRow(m_speakingRateCaption, m_speakingRateGroup, bottomOf(m_intonationCaption) + ChoiceRowGap);

    // Tips bottom left, the two actions bottom right.
    m_tipsLabel->move(TipsLeft, height() - TipsBottomMargin - m_tipsLabel->height());
    const int actionTop = height() - ActionMargin - m_confirmButton->height();
    m_confirmButton->move(width() - ActionMargin - m_confirmButton->width(), actionTop);
    m_tryListenButton->move(width() - (2 * m_confirmButton->width() + 2 * ActionMargin), actionTop);
}

// Returns the top of the last row.
int NxTextToSpeechParamPanel::placeVocalistButtons(int top)
{
    int rowTop = top;
    for (int index = 0; index < m_vocalistButtons.size(); ++index) {
        rowTop = top + index / VocalistsPerRow * VocalistRowStep;
        m_vocalistButtons[index]->move(VocalistLeft + index % VocalistsPerRow * VocalistColumnStep, rowTop);
    }
    return rowTop;
}

void NxTextToSpeechParamPanel::placeChoiceRow(NxLabel* caption, QButtonGroup* group, int top)
{
    caption->move(ChoiceLeft, top);
    int left = rightOf(caption) + CaptionToRadio;
    for (QAbstractButton* radio : group->buttons()) {
        radio->move(left, top);
        left = rightOf(radio) + RadioToRadio;
    }
}

void NxTextToSpeechParamPanel::paintEvent(QPaintEvent* event)
{
    NxWidget::paintEvent(event);
    // The dividers' own labels are empty; their colour follows the skin.
    QPainter painter(this);
    const QColor divider = NxSingleton<NxSkinStyle>::instance()->GetColor(NxSkinColor::Component_Divider_Secondary);
    for (const NxLabel* line : {m_voiceLine, m_paramLine})
        painter.fillRect(line->geometry(), divider);
}
