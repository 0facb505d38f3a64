#include "NxSpeechToTextTable.h"

#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxSpeechServiceNoTaskTip.h"
#include "NxSpeechToTextHelper.h"
#include "NxSpeechToTextTableDelegate.h"
#include "NxSpeechToTextTableHeader.h"
#include "NxSpeechToTextTableModel.h"

#include <QEvent>

namespace
{
constexpr int HeaderHeight = 32;
constexpr int ColumnWidths[] = {252, 80, 438, 120};
}

NxSpeechToTextTable::NxSpeechToTextTable(NxSpeechToTextHelper* controller, QWidget* parent)
    : QTableView(parent)
    , m_controller(controller)
{
    setObjectName(QStringLiteral("NxSpeechToTextTable"));
    m_model = new NxSpeechToTextTableModel(this);
    setModel(m_model);
    m_delegate = new NxSpeechToTextTableDelegate(this);
    setItemDelegate(m_delegate);

    auto* header = new NxSpeechToTextTableHeader(Qt::Horizontal, this);
    setHorizontalHeader(header);
    header->setDelegate(m_delegate);
    header->setSectionResizeMode(NxSpeechToTextTableModel::FileNameColumn, QHeaderView::Fixed);
    header->setSectionResizeMode(NxSpeechToTextTableModel::DurationColumn, QHeaderView::Fixed);
    header->setSectionResizeMode(NxSpeechToTextTableModel::StatusColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(NxSpeechToTextTableModel::OperationColumn, QHeaderView::Fixed);
    header->setFixedHeight(HeaderHeight);
    header->setHighlightSections(false);

    m_noTaskTip = new NxSpeechServiceNoTaskTip(viewport());
    for (int column = 0; column < NxSpeechToTextTableModel::ColumnCount; ++column)
        setColumnWidth(column, ColumnWidths[column]);
    verticalHeader()->hide();
    // Rows are sized by the delegate: progress rows are taller.
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    // A plain list: rows are painted entirely by the delegate.
    setShowGrid(false);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);

    setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_MouseTracking);
    applySkin();
    connect(NxSingleton<NxSkinStyle>::instance(), &NxSkinStyle::SkinKindChanged, this,
            &NxSpeechToTextTable::applySkin);

    if (m_controller)
        m_controller->setModel(m_model);
    update();

    if (!m_controller)
        return;
    connect(m_controller, &NxSpeechToTextHelper::sigDataChanged, this, &NxSpeechToTextTable::slotDataChanged);
    connect(m_controller, &NxSpeechToTextHelper::sigTaskStateChanged, m_delegate,
            &NxSpeechToTextTableDelegate::stopLoading);
    connect(m_controller, &NxSpeechToTextHelper::sigTaskCountChanged, this,
            &NxSpeechToTextTable::slotTaskCountChanged);
    connect(m_delegate, &NxSpeechToTextTableDelegate::sigRemoveItem, m_controller,
            &NxSpeechToTextHelper::slotRemoveTask);
    connect(m_delegate, &NxSpeechToTextTableDelegate::sigRefreshItem, m_controller,
            &NxSpeechToTextHelper::slotRefreshTask);
    connect(m_delegate, &NxSpeechToTextTableDelegate::sigFindMatterLocation, m_controller,
            &NxSpeechToTextHelper::sigFindMatterLocation);
}

NxSpeechToTextTable::~NxSpeechToTextTable()
{
    // A controller that outlives the table must not post rows to a dead model.
    if (m_controller)
        m_controller->setModel(nullptr);
}

void NxSpeechToTextTable::applySkin()
{
    const NxSkinStyle* skin = NxSingleton<NxSkinStyle>::instance();
    QPalette colours = palette();
    colours.setColor(QPalette::Base, skin->GetColor(NxSkinColor::Varnelo_Background_Surface1));
    colours.setColor(QPalette::Window, skin->GetColor(NxSkinColor::Varnelo_Background_Surface1));
    colours.setColor(QPalette::Highlight, skin->GetColor(NxSkinColor::State_Hover));
    setPalette(colours);
    viewport()->update();
}

void NxSpeechToTextTable::slotDataChanged(QModelIndex modelIndex)
{
    update();
    viewport()->update();
    if (modelIndex.isValid())
        scrollTo(modelIndex, QAbstractItemView::EnsureVisible);
}

void NxSpeechToTextTable::slotTaskCountChanged()
{
    m_noTaskTip->setVisible(!m_controller || m_controller->taskCount() < 1);
}

bool NxSpeechToTextTable::viewportEvent(QEvent* event)
{
    const bool handled = QTableView::viewportEvent(event);
    if (event->type() == QEvent::Resize)
        m_noTaskTip->resize(viewport()->size());
    return handled;
}
