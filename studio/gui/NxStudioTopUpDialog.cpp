#include "NxStudioTopUpDialog.h"

#include "NxLabel.h"
#include "NxPushButton.h"
#include "NxStudioTimeText.h"
#include "NxTopLevelWindowTitleBar.h"
#include "NxUsageAllowance.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{
constexpr int DialogWidth = 420;
constexpr int DialogHeight = 236;
constexpr int SecondsPerStep = 3600;
constexpr int CharactersPerStep = 1000;
constexpr int MaxSteps = 1000;
constexpr int MinCharacterSteps = 10;

QString balanceText(NxStudioTopUpDialog::Service service)
{
    const NxUsageAllowance& allowance = NxUsageAllowance::instance();
    if (service == NxStudioTopUpDialog::SpeechToText)
        return NxStudioTopUpDialog::tr("Transcription time left: %1").arg(NxStudioTimeText::seconds(allowance.seconds()));
    return NxStudioTopUpDialog::tr("Characters left: %1").arg(allowance.characters());
}

QString neededText(NxStudioTopUpDialog::Service service, int needed)
{
    if (needed <= 0)
        return QString();
    if (service == NxStudioTopUpDialog::SpeechToText)
        return NxStudioTopUpDialog::tr("The task needs %1.").arg(NxStudioTimeText::seconds(needed));
    return NxStudioTopUpDialog::tr("The task needs %1 characters.").arg(needed);
}

// Enough steps for the task, and never a purchase too small to notice.
int suggestedSteps(NxStudioTopUpDialog::Service service, int needed)
{
    const bool speech = service == NxStudioTopUpDialog::SpeechToText;
    const int step = speech ? SecondsPerStep : CharactersPerStep;
    return qBound(speech ? 1 : MinCharacterSteps, (qMax(0, needed) + step - 1) / step, MaxSteps);
}
}

NxStudioTopUpDialog::NxStudioTopUpDialog(Service service, int needed, QWidget* parent)
    : NxFramelessDialog(parent, true, true)
    , m_service(service)
    , m_needed(needed)
{
    GetTitleBar()->SetButtons(NxTopLevelWindowTitleBar::CloseButton);
    GetTitleBar()->SetResizeble(false);
    SetBottomBarVisible(false);
    setFixedSize(DialogWidth, DialogHeight);
    SetContentWidget(createContent());
    RetranslateUi();
    m_amount->setFocus();
}

QWidget* NxStudioTopUpDialog::createContent()
{
    auto* content = new QWidget(this);
    m_amount = new QSpinBox(content);
    m_amount->setRange(1, MaxSteps);
    m_amount->setValue(suggestedSteps(m_service, m_needed));
    m_confirm = NxPushButton::CreatePrimaryButton(content);
    m_cancel = NxPushButton::CreateSecondaryButton(content);
    connect(m_confirm, &QPushButton::clicked, this, &NxStudioTopUpDialog::apply);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* amountRow = new QHBoxLayout;
    m_amountLabel = NxLabel::CreateLabel(content);
    amountRow->addWidget(m_amountLabel);
    amountRow->addWidget(m_amount);
    amountRow->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_confirm);
    buttons->addSpacing(16);
    buttons->addWidget(m_cancel);
    m_balance = NxLabel::CreateLabel(content);
    m_need = NxLabel::CreateLabel(content);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(24, 16, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(m_balance);
    layout->addWidget(m_need);
    layout->addLayout(amountRow);
    layout->addStretch(1);
    layout->addLayout(buttons);
    return content;
}

void NxStudioTopUpDialog::RetranslateUi()
{
    SetTitleName(tr("Top up"), false);
    m_balance->setText(balanceText(m_service));
    m_need->setText(neededText(m_service, m_needed));
    m_amountLabel->setText(m_service == SpeechToText ? tr("Hours to add:") : tr("Thousands of characters to add:"));
    m_confirm->setText(tr("Top up"));
    m_cancel->setText(tr("Cancel"));
}

bool NxStudioTopUpDialog::topUp(Service service, int needed, QWidget* parent)
{
    NxStudioTopUpDialog dialog(service, needed, parent);
    return dialog.exec() == QDialog::Accepted;
}

void NxStudioTopUpDialog::apply()
{
    const int steps = m_amount->value();
    if (m_service == SpeechToText)
        NxUsageAllowance::instance().topUp(steps * SecondsPerStep, 0);
    else
        NxUsageAllowance::instance().topUp(0, steps * CharactersPerStep);
    accept();
}

void NxStudioTopUpDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape cancels, as in the services' own dialogs.
    if (event->key() == Qt::Key_Escape)
        QDialog::keyPressEvent(event);
    else
        NxDialog::keyPressEvent(event);
}
