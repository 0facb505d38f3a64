#include "NxStudioTopUpDialog.h"

#include "NxLabel.h"
#include "NxPushButton.h"
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
constexpr int SecondsPerHour = 3600;
constexpr int CharactersPerStep = 1000;
constexpr int MaxSteps = 1000;
constexpr int DefaultCharacterSteps = 10;

QString clockText(int seconds)
{
    return NxStudioTopUpDialog::tr("%1 h %2 min %3 s")
        .arg(seconds / SecondsPerHour)
        .arg(seconds / 60 % 60)
        .arg(seconds % 60);
}
}

NxStudioTopUpDialog::NxStudioTopUpDialog(Service service, int needed, QWidget* parent)
    : NxFramelessDialog(parent, true, true)
    , m_service(service)
{
    GetTitleBar()->SetButtons(NxTopLevelWindowTitleBar::CloseButton);
    GetTitleBar()->SetResizeble(false);
    SetBottomBarVisible(false);
    SetTitleName(tr("Top up"), false);
    setFixedSize(DialogWidth, DialogHeight);

    const NxUsageAllowance& allowance = NxUsageAllowance::instance();
    const bool speech = service == SpeechToText;
    auto* content = new QWidget(this);
    auto* left = NxLabel::CreateLabel(content, speech ? tr("Transcription time left: %1").arg(clockText(allowance.seconds()))
                                                      : tr("Characters left: %1").arg(allowance.characters()));
    auto* asked = NxLabel::CreateLabel(content, needed <= 0 ? QString()
                                                : speech ? tr("The task needs %1.").arg(clockText(needed))
                                                         : tr("The task needs %1 characters.").arg(needed));
    auto* amountLabel = NxLabel::CreateLabel(content, speech ? tr("Hours to add:") : tr("Thousands of characters to add:"));
    m_amount = new QSpinBox(content);
    m_amount->setRange(1, MaxSteps);
    const int step = speech ? SecondsPerHour : CharactersPerStep;
    m_amount->setValue(qMax(speech ? 1 : DefaultCharacterSteps, (qMax(0, needed) + step - 1) / step));

    auto* confirm = NxPushButton::CreatePrimaryButton(content);
    confirm->setText(tr("Top up"));
    auto* cancel = NxPushButton::CreateSecondaryButton(content);
    cancel->setText(tr("Cancel"));
    connect(confirm, &QPushButton::clicked, this, &NxStudioTopUpDialog::apply);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* amountRow = new QHBoxLayout;
    amountRow->addWidget(amountLabel);
    amountRow->addWidget(m_amount);
    amountRow->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(confirm);
    buttons->addSpacing(16);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(24, 16, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(left);
    layout->addWidget(asked);
    layout->addLayout(amountRow);
    layout->addStretch(1);
    layout->addLayout(buttons);
    SetContentWidget(content);
    m_amount->setFocus();
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
        NxUsageAllowance::instance().topUp(steps * SecondsPerHour, 0);
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
