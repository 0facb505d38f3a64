#include "NxTaskTableView.h"

#include "NxControlPainter.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxSpeechServiceNoTaskTip.h"
#include "NxTaskTableHeader.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

namespace
{
constexpr int HeaderHeight = 32;
constexpr int ColumnWidths[] = {252, 80, 438, 120};
enum { StretchingColumn = 2 };
}

NxTaskTableView::NxTaskTableView(QWidget* parent)
    : QTableView(parent)
{
    // The host knows both tables by this one name, the text-to-speech table too.
    setObjectName(QStringLiteral("NxSpeechToTextTable"));
    // A plain list: rows are painted entirely by the delegate.
    setShowGrid(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list instead of walking its cells; an empty list is passed by.
    setTabKeyNavigation(false);
    setFocusPolicy(Qt::NoFocus);
}

NxTaskTableView::~NxTaskTableView() = default;

void NxTaskTableView::install(QAbstractItemModel* model, NxTaskTableDelegate* delegate, NxTaskTableHeader* header)
{
    setModel(model);
    setItemDelegate(delegate);
    setHorizontalHeader(header);
    header->setDelegate(delegate);
    for (int column = 0; column < int(std::size(ColumnWidths)); ++column)
        header->setSectionResizeMode(column, column == StretchingColumn ? QHeaderView::Stretch : QHeaderView::Fixed);
    header->setFixedHeight(HeaderHeight);

    m_noTaskTip = new NxSpeechServiceNoTaskTip(viewport());
    for (int column = 0; column < int(std::size(ColumnWidths)); ++column)
        setColumnWidth(column, ColumnWidths[column]);
    verticalHeader()->hide();
    // Rows are as tall as the delegate says for their task's status. A
    // resize-to-contents header would re-measure every row on each layout;
    // instead a row is measured when it comes, when its status changes
    // (slotDataChanged) and when anything else resizes it.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { fitRows(first, last); });
    connect(verticalHeader(), &QHeaderView::sectionResized, this, &NxTaskTableView::fitRow);
    connect(model, &QAbstractItemModel::modelReset, this, &NxTaskTableView::fitAllRows);
    connect(model, &QAbstractItemModel::layoutChanged, this, &NxTaskTableView::fitAllRows);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    header->setHighlightSections(false);

    setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_MouseTracking);
    applySkin();
    connect(NxSingleton<NxSkinStyle>::instance(), &NxSkinStyle::SkinKindChanged, this, &NxTaskTableView::applySkin);
}

void NxTaskTableView::applySkin()
{
    const NxSkinStyle* skin = NxSingleton<NxSkinStyle>::instance();
    QPalette colours = palette();
    colours.setColor(QPalette::Base, skin->GetColor(NxSkinColor::Varnelo_Background_Surface1));
    colours.setColor(QPalette::Window, skin->GetColor(NxSkinColor::Varnelo_Background_Surface1));
    setPalette(colours);
    // A slim scroll bar in the skin's colours instead of the platform's.
    const QString handle = skin->GetColor(NxSkinColor::Component_Control_Stroke).name(QColor::HexArgb);
    const QString scrollBar = QStringLiteral(
        "QScrollBar:vertical{background:transparent;width:8px;margin:2px;}"
        "QScrollBar::handle:vertical{background:%1;border-radius:2px;min-height:24px;}"
        "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0;}"
        "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:transparent;}");
    verticalScrollBar()->setStyleSheet(scrollBar.arg(handle));
    viewport()->update();
}

void NxTaskTableView::slotDataChanged(QModelIndex modelIndex)
{
    update();
    viewport()->update();
    if (modelIndex.isValid()) {
        // A valid index means the task's status changed, and with it maybe
        // the row's height. A new height and the scroll range that follows
        // from it are set before scrolling, so all of the row shows, even at
        // the end of the list.
        if (fitRow(modelIndex.row()))
            updateGeometries();
        scrollTo(modelIndex, QAbstractItemView::EnsureVisible);
    }
}

bool NxTaskTableView::fitRow(int row)
{
    const int height = rowHeight(row);
    setRowHeight(row, sizeHintForRow(row));
    return rowHeight(row) != height;
}

void NxTaskTableView::fitRows(int first, int last)
{
    for (int row = first; row <= last; ++row)
        fitRow(row);
}

void NxTaskTableView::fitAllRows()
{
    fitRows(0, model()->rowCount() - 1);
}

void NxTaskTableView::slotTaskCountChanged()
{
    const bool empty = !m_taskCount || m_taskCount() < 1;
    m_noTaskTip->setVisible(empty);
    // Tab passes an empty list by; a click never takes focus, as before keys came.
    setFocusPolicy(empty ? Qt::NoFocus : Qt::TabFocus);
    if (empty && hasFocus())
        focusNextChild();
}

void NxTaskTableView::keyPressEvent(QKeyEvent* event)
{
    auto* delegate = qobject_cast<NxTaskTableDelegate*>(itemDelegate());
    const QModelIndex current = currentIndex();
    if (delegate && current.isValid() && delegate->pressKey(event->key(), model(), current.row()))
        event->accept();
    else
        QTableView::keyPressEvent(event);
}

QModelIndex NxTaskTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if (action == MoveHome || action == MoveEnd)
        modifiers |= Qt::ControlModifier;
    return QTableView::moveCursor(action, modifiers);
}

void NxTaskTableView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !NxControlPainter::ShowsFocusRing(this))
        return;
    const QRect row = visualRect(model()->index(current.row(), 0))
                          .united(visualRect(model()->index(current.row(), model()->columnCount() - 1)));
    QPainter painter(viewport());
    NxControlPainter::PaintFocusRing(painter, row);
}

void NxTaskTableView::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    viewport()->update();
}

void NxTaskTableView::focusOutEvent(QFocusEvent* event)
{
    QTableView::focusOutEvent(event);
    viewport()->update();
}

void NxTaskTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // The table's own focus report counts cells; readers see one item a row.
    QAbstractItemView::currentChanged(current, previous);
    if (QAccessible::isActive() && current.isValid() && hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(current.row());
        QAccessible::updateAccessibility(&event);
    }
    viewport()->update();
}

bool NxTaskTableView::viewportEvent(QEvent* event)
{
    const bool handled = QTableView::viewportEvent(event);
    if (event->type() == QEvent::Resize && m_noTaskTip)
        m_noTaskTip->resize(viewport()->size());
    return handled;
}
