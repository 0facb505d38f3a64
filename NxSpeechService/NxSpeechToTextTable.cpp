#include "NxSpeechToTextTable.h"

#include "NxSpeechToTextHelper.h"
#include "NxSpeechToTextTableDelegate.h"
#include "NxSpeechToTextTableHeader.h"
#include "NxSpeechToTextTableModel.h"

NxSpeechToTextTable::NxSpeechToTextTable(NxSpeechToTextHelper* controller, QWidget* parent)
    : NxTaskTableView(parent)
    , m_controller(controller)
{
    m_model = new NxSpeechToTextTableModel(this);
    m_delegate = new NxSpeechToTextTableDelegate(this);
    install(m_model, m_delegate, new NxSpeechToTextTableHeader(Qt::Horizontal, this));

    if (!m_controller)
        return;
    m_controller->setModel(m_model);
    update();
    connectController(controller, m_delegate);
}

NxSpeechToTextTable::~NxSpeechToTextTable()
{
    // A controller that outlives the table must not post rows to a dead model.
    if (m_controller)
        m_controller->setModel(nullptr);
}
