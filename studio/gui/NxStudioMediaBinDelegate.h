#pragma once

#include <QImage>
#include <QStyledItemDelegate>
#include <QVector>

// Paints one row of the media bin: the kind icon, the file name and its
// length, or "Reading…" while the file is being read.
//
//   x+8    x+40                               right-8
//  | [icon] speech.wav                  0:04.7 |   RowHeight
class NxStudioMediaBinDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit NxStudioMediaBinDelegate(QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void loadIcons();

    QVector<QImage> m_icons; // by NxStudioMediaBin::Kind; decoded once per skin
};
