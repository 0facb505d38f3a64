#include "NxStudioTimelineAccessible.h"

#include "NxStudioClips.h"
#include "NxStudioTimeText.h"
#include "NxStudioTimeline.h"
#include "NxStudioTimelineView.h"
#include "NxTimelineClip.h"

#include <QPointer>
#include <QWindow>

namespace
{
// One clip of the timeline.
class ClipAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    ClipAccessible(NxStudioTimelineView* view, NxTimelineClip* clip)
        : m_view(view)
        , m_clip(clip)
    {
    }

    bool isValid() const override { return m_view && m_view->timeline()->isOnTimeline(m_clip); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_view); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text t) const override
    {
        const QString words = NxStudioClips::wordsOf(m_clip);
        const NxRational rate = m_clip->frameRate();
        switch (t) {
        case QAccessible::Name:
            return words.isEmpty() ? m_clip->name()
                                   : NxStudioTimelineView::tr("%1: %2", "a clip's name and its words")
                                         .arg(m_clip->name(), words);
        case QAccessible::Description:
            return NxStudioTimelineView::tr("%1, from %2, %3 long", "a clip's track, start and length")
                .arg(m_view->trackName(m_clip->track()),
                     NxStudioTimeText::tenths(rate.framesToSecondsF(m_clip->position())),
                     NxStudioTimeText::tenths(rate.framesToSecondsF(m_clip->length())));
        default:
            return QString();
        }
    }

    QRect rect() const override
    {
        const QRect rect = m_view->clipRect(m_clip);
        return QRect(m_view->mapToGlobal(rect.topLeft()), rect.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.selectable = state.focusable = true;
        state.selected = m_view->timeline()->selection().contains(m_clip);
        state.focused = m_view->hasFocus() && m_view->currentClip() == m_clip;
        state.offscreen = !m_view->visibleRegion().intersects(m_view->clipRect(m_clip));
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    // Focusing a clip chooses it, as the keys do.
    QStringList actionNames() const override { return {setFocusAction()}; }
    void doAction(const QString& name) override
    {
        if (name != setFocusAction())
            return;
        m_view->setFocus(Qt::OtherFocusReason);
        m_view->choose(m_clip);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<NxStudioTimelineView> m_view;
    NxTimelineClip* m_clip;
};

QAccessibleInterface* timelineFactory(const QString&, QObject* object)
{
    auto* view = qobject_cast<NxStudioTimelineView*>(object);
    return view ? new NxStudioTimelineAccessible(view) : nullptr;
}
}

NxStudioTimelineAccessible::NxStudioTimelineAccessible(NxStudioTimelineView* view)
    : QAccessibleWidget(view, QAccessible::List)
{
}

NxStudioTimelineAccessible::~NxStudioTimelineAccessible()
{
    for (QAccessible::Id id : qAsConst(m_clips))
        QAccessible::deleteAccessibleInterface(id);
}

void NxStudioTimelineAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(timelineFactory);
        return true;
    }();
    Q_UNUSED(installed)
}

NxStudioTimelineView* NxStudioTimelineAccessible::view() const
{
    return static_cast<NxStudioTimelineView*>(widget());
}

QString NxStudioTimelineAccessible::text(QAccessible::Text t) const
{
    const QString text = QAccessibleWidget::text(t);
    return t == QAccessible::Name && text.isEmpty() ? NxStudioTimelineView::tr("Timeline") : text;
}

int NxStudioTimelineAccessible::childCount() const
{
    return view()->timeline()->clips().size();
}

QAccessibleInterface* NxStudioTimelineAccessible::child(int index) const
{
    return interfaceOf(view()->clipsInOrder().value(index));
}

int NxStudioTimelineAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const QList<NxTimelineClip*> order = view()->clipsInOrder();
    for (int index = 0; index < order.size(); ++index)
        if (QAccessible::accessibleInterface(m_clips.value(order.at(index))) == child)
            return index;
    return -1;
}

QAccessibleInterface* NxStudioTimelineAccessible::childAt(int x, int y) const
{
    const QPoint point = view()->mapFromGlobal(QPoint(x, y));
    for (NxTimelineClip* clip : view()->clipsInOrder())
        if (view()->clipRect(clip).contains(point))
            return interfaceOf(clip);
    return nullptr;
}

QAccessibleInterface* NxStudioTimelineAccessible::focusChild() const
{
    return view()->hasFocus() ? interfaceOf(view()->currentClip()) : nullptr;
}

QAccessibleInterface* NxStudioTimelineAccessible::interfaceOf(NxTimelineClip* clip) const
{
    if (!clip)
        return nullptr;
    auto known = m_clips.find(clip);
    if (known == m_clips.end())
        known = m_clips.insert(clip, QAccessible::registerAccessibleInterface(new ClipAccessible(view(), clip)));
    return QAccessible::accessibleInterface(*known);
}
