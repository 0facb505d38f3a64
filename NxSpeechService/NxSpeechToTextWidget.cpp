#include "NxSpeechToTextWidget.h"

#include "NMessageDialog.h"
#include "NxSpeechToTextHelper.h"
#include "NxSpeechToTextTable.h"

NxSpeechToTextWidget::NxSpeechToTextWidget(NxSpeechToTextHelper* controller, QWidget* parent)
    : NxTaskPage(parent)
    , m_controller(controller)
{
    m_table = new NxSpeechToTextTable(controller, this);
    build(m_table, NxRemainingWidget::Seconds);
    if (!controller)
        return;
    connectController(controller);
    connect(controller, &NxSpeechToTextHelper::sigNoAvailableTime, this, &NxSpeechToTextWidget::slotNoAvailableTime);
}

NxSpeechToTextWidget::~NxSpeechToTextWidget() = default;

void NxSpeechToTextWidget::closePage()
{
    if (m_controller)
        m_controller->resetPurchaseTip();
}

void NxSpeechToTextWidget::slotCheckStateChanged(int)
{
    // This tab has no option check box; the slot exists for hosts that add one.
}

void NxSpeechToTextWidget::slotNoAvailableTime()
{
    const QString word = tr("The remaining time");
    const QString text =
        tr("%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days")
            .arg(word, word);
    NMessageDialog::Infomation(text, this, Ok, QString(), QString(), QString(), false);
}
