#include "NxTextToSpeechTable.h"

#include "NxTextToSpeechHelper.h"
#include "NxTextToSpeechTableDelegate.h"
#include "NxTextToSpeechTableHeader.h"
#include "NxTextToSpeechTableHeaderToolTipper.h"
#include "NxTextToSpeechTableModel.h"

NxTextToSpeechTable::NxTextToSpeechTable(NxTextToSpeechHelper* controller, QWidget* parent)
    : NxTaskTableView(parent)
    , m_controller(controller)
{
    m_model = new NxTextToSpeechTableModel(this);
    m_delegate = new NxTextToSpeechTableDelegate(this);
    auto* header = new NxTextToSpeechTableHeader(Qt::Horizontal, this);
    install(m_model, m_delegate, header);
    header->installEventFilter(new NxTextToSpeechTableHeaderToolTipper(this));

    if (!m_controller)
        return;
    m_controller->setModel(m_model);
    update();
    connectController(controller, m_delegate);
}

NxTextToSpeechTable::~NxTextToSpeechTable()
{
    // A controller that outlives the table must not post rows to a dead model.
    if (m_controller)
        m_controller->setModel(nullptr);
}
