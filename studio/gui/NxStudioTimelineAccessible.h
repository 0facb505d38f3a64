#pragma once

#include <QAccessibleWidget>
#include <QHash>

class NxStudioTimelineView;
class NxTimelineClip;

// The timeline view as screen readers find it: a list whose items are the
// clips, track by track (NxStudioTimelineView::clipsInOrder), each named
// after the clip and its words, described by its track, start and length,
// selected and focused as in the view, and focused (chosen) by its action.
class NxStudioTimelineAccessible : public QAccessibleWidget
{
public:
    explicit NxStudioTimelineAccessible(NxStudioTimelineView* view);
    ~NxStudioTimelineAccessible() override;

    // Makes every timeline view answer with this interface.
    static void install();

    NxStudioTimelineView* view() const;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    QAccessibleInterface* interfaceOf(NxTimelineClip* clip) const;

    // Made as they are asked for, kept until the view goes.
    mutable QHash<NxTimelineClip*, QAccessible::Id> m_clips;
};
