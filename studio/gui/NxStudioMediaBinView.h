#pragma once

#include <QListView>

class NxStudioMediaBin;

// The media bin's list: rows drawn by NxStudioMediaBinDelegate, several
// selectable, dragged onto the timeline; empty, it says how to fill it.
class NxStudioMediaBinView : public QListView
{
    Q_OBJECT

public:
    NxStudioMediaBinView(NxStudioMediaBin* bin, QWidget* parent);

    // Ids of the selected items that are ready, in bin order.
    QList<int> selectedIds() const;
    // What the empty bin says, word-wrapped to its width.
    static QString emptyHint();

protected:
    void paintEvent(QPaintEvent* event) override;
};
