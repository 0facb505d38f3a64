#include "NxTaskAccessible.h"

#include "NxTaskTableDelegate.h"
#include "NxTaskTableView.h"

#include <QWindow>

namespace
{
// Action names; readers show their translations.
const char* const DeleteAction = QT_TRANSLATE_NOOP("NxTaskRowAccessible", "Delete");
const char* const RetryAction = QT_TRANSLATE_NOOP("NxTaskRowAccessible", "Retry");
const char* const PurchaseAction = QT_TRANSLATE_NOOP("NxTaskRowAccessible", "Purchase");
const char* const RevealAction = QT_TRANSLATE_NOOP("NxTaskRowAccessible", "Show in folder");

enum { NameColumn = 0, FirstWordsColumn = 1, LastWordsColumn = 2, LastColumn = 3 };
}

NxTaskListAccessible::NxTaskListAccessible(NxTaskTableView* view)
    : QAccessibleWidget(view, QAccessible::List)
{
}

// The table may be asked about before it has its model: the model is
// followed from the first time rows are asked for.
void NxTaskListAccessible::followModel() const
{
    NxTaskTableView* view = this->view();
    if (!view->model() || view->model() == m_followed)
        return;
    m_followed = view->model();
    QObject::connect(m_followed, &QAbstractItemModel::dataChanged, view,
                     [view](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                         if (!QAccessible::isActive())
                             return;
                         if (auto* list = dynamic_cast<NxTaskListAccessible*>(QAccessible::queryAccessibleInterface(view)))
                             list->announceChanges(topLeft.row(), bottomRight.row());
                     });
}

NxTaskListAccessible::~NxTaskListAccessible()
{
    for (QAccessible::Id id : qAsConst(m_rows))
        QAccessible::deleteAccessibleInterface(id);
}

NxTaskTableView* NxTaskListAccessible::view() const
{
    return static_cast<NxTaskTableView*>(widget());
}

int NxTaskListAccessible::childCount() const
{
    followModel();
    return view()->model() ? view()->model()->rowCount() : 0;
}

QAccessibleInterface* NxTaskListAccessible::child(int index) const
{
    followModel();
    const QModelIndex first = view()->model() ? view()->model()->index(index, NameColumn) : QModelIndex();
    if (!first.isValid())
        return nullptr;
    for (auto it = m_rows.begin(); it != m_rows.end();) {
        auto* row = static_cast<NxTaskRowAccessible*>(QAccessible::accessibleInterface(*it));
        if (!row || !row->isValid()) {
            QAccessible::deleteAccessibleInterface(*it);
            it = m_rows.erase(it);
            continue;
        }
        if (row->row() == index)
            return row;
        ++it;
    }
    auto* row = new NxTaskRowAccessible(view(), first);
    m_rows.append(QAccessible::registerAccessibleInterface(row));
    return row;
}

int NxTaskListAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (QAccessible::Id id : qAsConst(m_rows)) {
        if (QAccessible::accessibleInterface(id) == child)
            return child->isValid() ? static_cast<const NxTaskRowAccessible*>(child)->row() : -1;
    }
    return -1;
}

QAccessibleInterface* NxTaskListAccessible::childAt(int x, int y) const
{
    const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? child(index.row()) : nullptr;
}

QAccessibleInterface* NxTaskListAccessible::focusChild() const
{
    const QModelIndex current = view()->currentIndex();
    return view()->hasFocus() && current.isValid() ? child(current.row()) : nullptr;
}

void NxTaskListAccessible::announceChanges(int first, int last) const
{
    for (int row = qMax(0, first); row <= last && row < childCount(); ++row) {
        auto* item = static_cast<NxTaskRowAccessible*>(child(row));
        if (!item || !item->takeDescriptionChange())
            continue;
        QAccessibleEvent event(view(), QAccessible::DescriptionChanged);
        event.setChild(row);
        QAccessible::updateAccessibility(&event);
    }
}

NxTaskRowAccessible::NxTaskRowAccessible(NxTaskTableView* view, const QModelIndex& index)
    : m_view(view)
    , m_index(index)
{
    m_description = description();
}

bool NxTaskRowAccessible::isValid() const
{
    return m_view && m_index.isValid() && delegate();
}

NxTaskTableDelegate* NxTaskRowAccessible::delegate() const
{
    return m_view ? qobject_cast<NxTaskTableDelegate*>(m_view->itemDelegate()) : nullptr;
}

QWindow* NxTaskRowAccessible::window() const
{
    return m_view ? m_view->window()->windowHandle() : nullptr;
}

QAccessibleInterface* NxTaskRowAccessible::parent() const
{
    return m_view ? QAccessible::queryAccessibleInterface(m_view) : nullptr;
}

QString NxTaskRowAccessible::cellText(int column) const
{
    return m_index.sibling(m_index.row(), column).data(Qt::AccessibleTextRole).toString();
}

// "Duration: 00:01:05" and "Status: In transcription:  42%", one a line.
QString NxTaskRowAccessible::description() const
{
    if (!isValid())
        return QString();
    QStringList lines;
    for (int column = FirstWordsColumn; column <= LastWordsColumn; ++column) {
        const QString words = cellText(column);
        if (!words.isEmpty())
            lines << QStringLiteral("%1: %2").arg(delegate()->headerTitle(column), words);
    }
    return lines.join(QLatin1Char('\n'));
}

bool NxTaskRowAccessible::takeDescriptionChange()
{
    const QString now = description();
    if (now == m_description)
        return false;
    m_description = now;
    return true;
}

QString NxTaskRowAccessible::text(QAccessible::Text t) const
{
    if (!isValid())
        return QString();
    switch (t) {
    case QAccessible::Name:
        return cellText(NameColumn);
    case QAccessible::Description:
        return description();
    default:
        return QString();
    }
}

QRect NxTaskRowAccessible::rect() const
{
    if (!isValid())
        return QRect();
    const QRect row = m_view->visualRect(m_index).united(m_view->visualRect(m_index.sibling(m_index.row(), LastColumn)));
    return QRect(m_view->viewport()->mapToGlobal(row.topLeft()), row.size());
}

QAccessible::State NxTaskRowAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const QRect row = m_view->visualRect(m_index);
    state.offscreen = !m_view->isVisible() || !m_view->viewport()->rect().intersects(row);
    state.invisible = !m_view->isVisible();
    state.focusable = true;
    state.focused = m_view->hasFocus() && m_view->currentIndex().row() == m_index.row();
    return state;
}

void* NxTaskRowAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

// The row's buttons as they are painted now, and the file once it is made.
QStringList NxTaskRowAccessible::actionNames() const
{
    if (!isValid())
        return {};
    QStringList names;
    switch (delegate()->statusAction(m_index)) {
    case NxTaskTableDelegate::RetryTask: names << QLatin1String(RetryAction); break;
    case NxTaskTableDelegate::PurchaseAndRetry: names << QLatin1String(PurchaseAction); break;
    default: break;
    }
    if (!delegate()->finishedPath(m_index).isEmpty())
        names << QLatin1String(RevealAction);
    names << QLatin1String(DeleteAction);
    return names;
}

QString NxTaskRowAccessible::localizedActionName(const QString& name) const
{
    return QCoreApplication::translate("NxTaskRowAccessible", name.toLatin1().constData());
}

QString NxTaskRowAccessible::localizedActionDescription(const QString& name) const
{
    return localizedActionName(name);
}

void NxTaskRowAccessible::doAction(const QString& name)
{
    if (!actionNames().contains(name))
        return;
    NxTaskTableDelegate* rows = delegate();
    if (name == QLatin1String(DeleteAction))
        rows->pressButton(m_index, NxTaskTableDelegate::RemoveTask);
    else if (name == QLatin1String(RevealAction))
        emit rows->sigFindMatterLocation(rows->finishedPath(m_index));
    else
        rows->pressButton(m_index, rows->statusAction(m_index));
}
