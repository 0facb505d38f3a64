#include "NxTextToSpeechWidget.h"

#include "NMessageDialog.h"
#include "NxTextToSpeechHelper.h"
#include "NxTextToSpeechTable.h"

NxTextToSpeechWidget::NxTextToSpeechWidget(NxTextToSpeechHelper* controller, QWidget* parent)
    : NxTaskPage(parent)
    , m_controller(controller)
{
    m_table = new NxTextToSpeechTable(controller, this);
    build(m_table, NxRemainingWidget::Characters);
    if (!controller)
        return;
    connectController(controller);
    connect(controller, &NxTextToSpeechHelper::sigNoAvailableSentence, this,
            &NxTextToSpeechWidget::slotNoAvailableSentence);
}

NxTextToSpeechWidget::~NxTextToSpeechWidget() = default;

void NxTextToSpeechWidget::closePage()
{
    if (m_controller)
        m_controller->resetPurchaseTip();
}

void NxTextToSpeechWidget::slotCheckStateChanged(int state)
{
    if (m_controller)
        m_controller->setCheckState(state == Qt::Checked);
}

void NxTextToSpeechWidget::slotNoAvailableSentence()
{
    const QString word = tr("The number of sentences");
    const QString text =
        tr("%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days")
            .arg(word, word);
    NMessageDialog::Infomation(text, this, Ok, QString(), QString(), QString(), false);
}
