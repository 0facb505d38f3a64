#pragma once

#include "NxSkinColor.h"

#include <QRectF>
#include <QSize>
#include <QString>

class QFontMetrics;
class QPainter;
class QWidget;

// The one mark of keyboard focus, for every control of the kit and every
// focusable place the module paints itself (task rows, voice tiles, links):
// a ring of this width in this skin colour.
namespace NxFocusMark
{
constexpr qreal Width = 1.5;
constexpr NxSkinColor::NxColorType Role = NxSkinColor::VarneloX_Primary;
// Corner radius of a ring drawn around a text or a row.
constexpr qreal Radius = 3;
}

// Drawing shared by the kit's form controls: the check and radio marks with
// their text beside them, and the ring that shows keyboard focus. Every
// colour is asked of the current skin while painting.
class NxControlPainter
{
public:
    enum Mark
    {
        CheckMark,
        RadioMark
    };

    struct ToggleState
    {
        bool checked = false;
        bool enabled = true;
        bool hovered = false;
        bool pressed = false;
        bool focusRing = false;
    };

    // What every form control of the kit starts with: its font at
    // `fontPixelSize` (0 keeps the inherited one), the pointing cursor, Tab
    // and click focus, hover events, and a repaint on every skin switch.
    static void PrepareControl(QWidget* control, int fontPixelSize);

    // Focus reached by the keyboard (Tab, a shortcut) shows a ring; focus
    // taken by a click does not, the pointer already says where it is.
    static bool ShowsFocusRing(const QWidget* widget);
    static void PaintFocusRing(QPainter& painter, const QRectF& rect, qreal radius = NxFocusMark::Radius,
                               NxSkinColor::NxColorType role = NxFocusMark::Role);

    // The mark at the left, centred on the first line of `text`, which may
    // hold several lines.
    static void PaintToggle(QPainter& painter, const QRect& rect, Mark mark, const QString& text,
                            const ToggleState& state);
    static QSize ToggleSizeHint(const QFontMetrics& metrics, const QString& text);

    // Ink of text on a control: dimmed while disabled.
    static NxSkinColor::NxColorType TextRole(bool enabled, bool emphasised);
};
