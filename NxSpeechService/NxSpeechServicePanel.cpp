#include "NxSpeechServicePanel.h"

#include "INxTaskbarList3.h"
#include "NMessageDialog.h"
#include "NxSpeechServiceEvents.h"
#include "NxSpeechServicePresenter.h"
#include "NxSpeechToTextWidget.h"
#include "NxKeyNavigation.h"
#include "NxTabButton.h"
#include "NxTaskTableView.h"
#include "NxTextToSpeechWidget.h"
#include "VarneloSpeechServiceEvent.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace Events = NxSpeechServiceEvents;

namespace
{
constexpr int TabHeight = 30;
constexpr int TabSpacing = 16;
constexpr int PurchaseTipHeight = 188;
}

NxSpeechServicePanel::NxSpeechServicePanel(NxSpeechServicePresenter* presenter, QWidget* parent)
    : NxWidget(parent)
    , m_presenter(presenter)
{
    if (parent)
        m_window = parent->winId();

    m_group = new QButtonGroup(this);
    m_speechToTextButton = NxTabButton::CreateTabButton(this, QString(), 0);
    m_textToSpeechButton = NxTabButton::CreateTabButton(this, QString(), 0);
    for (NxTabButton* button : {m_speechToTextButton, m_textToSpeechButton}) {
        // The host's name for both tab buttons; "NSpeech" without the x is its spelling.
        button->setObjectName(QStringLiteral("NSpeechServicePanel_Tab"));
        button->setFixedHeight(TabHeight);
        button->setCheckable(true);
    }
    m_group->addButton(m_speechToTextButton, 0);
    m_group->addButton(m_textToSpeechButton, 1);
    m_speechToTextButton->setChecked(true);
    // One Tab stop on the shown tab; the arrow keys reach the other.
    NxKeyNavigation::LinkGroup(m_group, m_group->buttons().size());

    m_stack = new QStackedWidget(this);
    m_speechToTextPage = new NxSpeechToTextWidget(presenter ? presenter->speechToTextHelper() : nullptr, this);
    m_textToSpeechPage = new NxTextToSpeechWidget(presenter ? presenter->textToSpeechHelper() : nullptr, this);
    m_stack->addWidget(m_speechToTextPage);
    m_stack->addWidget(m_textToSpeechPage);
    m_stack->setCurrentIndex(0);

    auto* tabs = new QHBoxLayout;
    tabs->setContentsMargins(16, 0, 0, 0);
    tabs->setSpacing(0);
    tabs->addWidget(m_speechToTextButton);
    tabs->addSpacing(TabSpacing);
    tabs->addWidget(m_textToSpeechButton);
    tabs->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(tabs);
    layout->addWidget(m_stack);

    connect(m_group, &QButtonGroup::idClicked, this, &NxSpeechServicePanel::slotBtClicked);
    connect(m_speechToTextPage, &NxTaskPage::sigProgress, this, &NxSpeechServicePanel::slotProgress);
    connect(m_textToSpeechPage, &NxTaskPage::sigProgress, this, &NxSpeechServicePanel::slotProgress);
    if (presenter) {
        connect(presenter, &NxSpeechServicePresenter::sigTaskFinish, this, &NxSpeechServicePanel::slotFinish);
        connect(presenter, &NxSpeechServicePresenter::sigSTTPurchaseTip, this, &NxSpeechServicePanel::slotTimeLimit);
        connect(presenter, &NxSpeechServicePresenter::sigTTSPurchaseTip, this,
                &NxSpeechServicePanel::slotSentenceLimit);
    }

    m_taskbar = INxTaskbarList3::create();
    RetranslateUi();
}

NxSpeechServicePanel::~NxSpeechServicePanel()
{
    if (m_taskbar)
        m_taskbar->Release();
}

void NxSpeechServicePanel::RetranslateUi()
{
    m_speechToTextButton->setText(tr("Speech-to-Text"));
    m_textToSpeechButton->setText(tr("Text-to-Speech"));
    // A reader names each task list after its tab.
    for (auto [page, button] : {std::pair<QWidget*, QAbstractButton*>{m_speechToTextPage, m_speechToTextButton},
                                {m_textToSpeechPage, m_textToSpeechButton}}) {
        if (auto* list = page->findChild<NxTaskTableView*>())
            list->setAccessibleName(button->text());
    }
}

int NxSpeechServicePanel::currentTab() const
{
    return m_stack->currentIndex();
}

void NxSpeechServicePanel::showTab(int tab)
{
    if (tab == 0)
        m_speechToTextButton->setChecked(true);
    else if (tab == 1)
        m_textToSpeechButton->setChecked(true);
    m_stack->setCurrentIndex(tab == 1 ? 1 : 0);
    if (m_presenter)
        m_presenter->activateTab(tab);
}

void NxSpeechServicePanel::closePages()
{
    m_speechToTextPage->closePage();
    m_textToSpeechPage->closePage();
}

void NxSpeechServicePanel::slotBtClicked(int index)
{
    m_stack->setCurrentIndex(index == 1 ? 1 : 0);
    if (m_presenter)
        m_presenter->activateTab(index);
}

void NxSpeechServicePanel::slotProgress(int progress)
{
    if (!m_taskbar)
        return;
    m_taskbar->SetProgressState(m_window, TBPF_NOPROGRESS);
    m_taskbar->SetProgressValue(m_window, quint64(qMax(0, progress)), 100);
}

void NxSpeechServicePanel::slotFinish()
{
    if (m_taskbar)
        m_taskbar->SetProgressState(m_window, TBPF_NOPROGRESS);
}

void NxSpeechServicePanel::slotTimeLimit(int duration, bool& success)
{
    showPurchaseTip(Service::SpeechToText, duration, success);
}

void NxSpeechServicePanel::slotSentenceLimit(int character, bool& success)
{
    showPurchaseTip(Service::TextToSpeech, character, success);
}

void NxSpeechServicePanel::showPurchaseTip(Service service, int amount, bool& success)
{
    const bool speechToText = service == Service::SpeechToText;
    const QString window = speechToText ? QStringLiteral("STT_purchase_tip") : QStringLiteral("TTS_purchase_tip");

    NMessageBoxParams params;
    params.parent = this;
    params.height = PurchaseTipHeight;
    params.title = speechToText ? tr("Speech-to-Text Charging Tips") : tr("Text-to-Speech Charging Tips");
    params.text = speechToText
                      ? tr("Insufficient time remaining, please top up for more hours to continue to use speech to text.")
                      : tr("Not enough characters available, please top up for more characters to continue using "
                           "Text-to-Speech.");
    params.buttons = {Cancel, Confirm};
    params.buttonTexts = QStringList{tr("Purchase more"), tr("Cancel")};
    params.acceptButton = Confirm;
    params.rejectButton = Cancel;

    NMessageDialog box(nullptr);
    box.Init(params);
    box.setFixedHeight(PurchaseTipHeight);
    Events::sendWindowPopup(window);
    // A tip may open inside another one's modal loop: the outer tip keeps
    // the block until it closes itself.
    const bool wasBlocked = m_presenter && m_presenter->isTaskFinishBlocked();
    if (m_presenter)
        m_presenter->setTaskFinishBlocked(true);
    const bool purchase = box.ShowModel() == Confirm;
    VarneloSpeechServiceEvent(Events::WindowButtonClick)
        .sendProperties({{Events::WindowName, window},
                         {Events::ButtonName, purchase ? QStringLiteral("Buy_Now") : QStringLiteral("Cancel")}});
    if (purchase && m_presenter) {
        if (speechToText)
            emit m_presenter->sigSTTPurchaseRefresh(amount, success, false);
        else
            emit m_presenter->sigTTSPurchaseRefresh(amount, success, false);
    }
    if (m_presenter)
        m_presenter->setTaskFinishBlocked(wasBlocked);
}
