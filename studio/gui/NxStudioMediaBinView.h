#pragma once

#include <QListView>

class NxStudioMediaBin;

// The media bin's list: rows drawn by NxStudioMediaBinDelegate, several
// selectable, dragged onto the timeline; empty, it says how to fill it.
// Focused, it keeps its moving keys (arrows, Home, End) from the window's
// playback keys, Enter chooses the selected items, and a frame marks it.
class NxStudioMediaBinView : public QListView
{
    Q_OBJECT

public:
    NxStudioMediaBinView(NxStudioMediaBin* bin, QWidget* parent);

    // Ids of the selected items that are ready, in bin order.
    QList<int> selectedIds() const;
    // What the empty bin says, word-wrapped to its width.
    static QString emptyHint();

signals:
    // Enter: the selected items (their ids) are to go on the timeline.
    void chosen(const QList<int>& ids);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
