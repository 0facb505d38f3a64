#pragma once

#include "NxSkinColor.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPair>
#include <QRect>
#include <QTranslator>

class QWidget;

// Looking at painted pixels as a user would: colours, text extents, icons.
namespace NxPaintProbe
{
QColor role(NxSkinColor::NxColorType type);
QImage shot(QWidget* widget);
// A (possibly translucent) colour as it shows laid over `ground`.
QColor seen(const QColor& colour, const QColor& ground);
bool near(QRgb pixel, const QColor& colour, int tolerance);
// From the leftmost to the rightmost column of `area` showing `colour`; 0 when none does.
int extent(const QImage& image, const QRect& area, const QColor& colour, int tolerance = 40);
// Rows of `area` holding `colour`, as runs of consecutive rows.
int rowRuns(const QImage& image, const QRect& area, const QColor& colour, int tolerance = 40);
// A 24 px skin image as it shows laid over `ground`; the bare ground for an empty name.
QImage iconOn(const char* name, const QColor& ground);
bool same(const QImage& a, const QImage& b);
// Text widths in the cells' font: the application font at 13 px.
int advance(const QString& text);
// Whether `pixels` is the extent of `text` in that font: its advance, less a little side bearing.
bool spans(int pixels, const QString& text);
}

// Translates by a table of (context, source) pairs; everything else stays.
class NxMapTranslator : public QTranslator
{
public:
    QHash<QPair<QByteArray, QByteArray>, QString> texts;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return texts.value({context, source});
    }
};
