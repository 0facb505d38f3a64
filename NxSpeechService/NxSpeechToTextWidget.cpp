#include "NxSpeechToTextWidget.h"

#include "NMessageDialog.h"
#include "NxRemainingWidget.h"
#include "NxSpeechToTextHelper.h"
#include "NxSpeechToTextTable.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace
{
constexpr int RemainingLineHeight = 45;
constexpr int RemainingLineWidth = 300;
constexpr int DeleteBoxHeight = 230;
}

NxSpeechToTextWidget::NxSpeechToTextWidget(NxSpeechToTextHelper* controller, QWidget* parent)
    : NxWidget(parent)
    , m_controller(controller)
{
    m_table = new NxSpeechToTextTable(controller, this);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table, 0);

    auto* balanceRow = new QHBoxLayout;
    balanceRow->setContentsMargins(25, 0, 20, 0);
    m_remaining = new NxRemainingWidget(NxRemainingWidget::Seconds, this);
    m_remaining->setFixedHeight(RemainingLineHeight);
    // A minimum, so a longer translation is not cut.
    m_remaining->setMinimumWidth(RemainingLineWidth);
    balanceRow->addStretch();
    balanceRow->addWidget(m_remaining);
    connect(m_remaining, &NxRemainingWidget::sigRefresh, this, [this] {
        if (m_controller)
            m_controller->refresh();
    });
    connect(m_remaining, &NxRemainingWidget::sigLinkClicked, this, &NxSpeechToTextWidget::purchaseMore);
    layout->addLayout(balanceRow);

    if (!controller)
        return;
    connect(controller, &NxSpeechToTextHelper::sigAskDelete, this, &NxSpeechToTextWidget::slotAskDelete);
    connect(controller, &NxSpeechToTextHelper::sigLastTimeChanged, this, &NxSpeechToTextWidget::slotLastTimeChanged);
    connect(controller, &NxSpeechToTextHelper::sigProgress, this, &NxSpeechToTextWidget::sigProgress);
    connect(controller, &NxSpeechToTextHelper::sigNoAvailableTime, this, &NxSpeechToTextWidget::slotNoAvailableTime);
}

NxSpeechToTextWidget::~NxSpeechToTextWidget() = default;

void NxSpeechToTextWidget::closePage()
{
    if (m_controller)
        m_controller->resetPurchaseTip();
}

void NxSpeechToTextWidget::purchaseMore()
{
    if (!m_controller)
        return;
    bool success = false;
    emit m_controller->sigPurchaseRefresh(m_remaining->remaining(), success, true);
    if (success && m_controller)
        m_controller->refresh();
}

void NxSpeechToTextWidget::slotAskDelete(bool& ret, bool& noTip)
{
    NMessageBoxParams params;
    params.height = DeleteBoxHeight;
    params.title = QObject::tr("Delete task tips");
    params.text = QObject::tr("The conversion is not yet complete.")
                  + QObject::tr("Are you sure you want to delete the task?")
                  + QObject::tr("If you delete the task now, the balance may still be deducted.");
    params.buttons = {Cancel, Confirm};
    params.buttonTexts = QStringList{QObject::tr("Confirm"), QObject::tr("Cancel")};
    params.acceptButton = Confirm;
    params.rejectButton = Cancel;
    params.checkBoxText = QObject::tr("Stop asking for now.");
    params.checkBoxChecked = false;

    NMessageDialog box(nullptr);
    box.Init(params);
    ret = box.ShowModel() == Confirm;
    noTip = box.CheckBoxChecked();
}

void NxSpeechToTextWidget::slotLastTimeChanged(int seconds)
{
    if (m_remaining)
        m_remaining->setRemaining(seconds);
}

void NxSpeechToTextWidget::slotCheckStateChanged(int)
{
    // The page has no option check box; kept for callers that connect one.
}

void NxSpeechToTextWidget::slotNoAvailableTime()
{
    const QString word = tr("The remaining time");
    const QString text =
        tr("%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days")
            .arg(word, word);
    NMessageDialog::Infomation(text, this, Ok, QString(), QString(), QString(), false);
}
