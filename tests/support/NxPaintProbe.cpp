#include "NxPaintProbe.h"

#include "NxSingleton.h"
#include "NxSkinStyle.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

#include <climits>

namespace NxPaintProbe
{

QColor role(NxSkinColor::NxColorType type)
{
    return NxSingleton<NxSkinStyle>::instance()->GetColor(type);
}

QImage shot(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

QColor seen(const QColor& colour, const QColor& ground)
{
    const qreal a = colour.alphaF(), b = 1 - a;
    return QColor::fromRgbF(colour.redF() * a + ground.redF() * b, colour.greenF() * a + ground.greenF() * b,
                            colour.blueF() * a + ground.blueF() * b);
}

bool near(QRgb pixel, const QColor& colour, int tolerance)
{
    return qAbs(qRed(pixel) - colour.red()) <= tolerance && qAbs(qGreen(pixel) - colour.green()) <= tolerance
           && qAbs(qBlue(pixel) - colour.blue()) <= tolerance;
}

int extent(const QImage& image, const QRect& area, const QColor& colour, int tolerance)
{
    int left = INT_MAX, right = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (near(image.pixel(x, y), colour, tolerance))
                left = qMin(left, x), right = qMax(right, x);
    return right < 0 ? 0 : right - left + 1;
}

int rowRuns(const QImage& image, const QRect& area, const QColor& colour, int tolerance)
{
    int runs = 0;
    bool inRun = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool found = false;
        for (int x = area.left(); x <= area.right() && !found; ++x)
            found = near(image.pixel(x, y), colour, tolerance);
        runs += found && !inRun;
        inRun = found;
    }
    return runs;
}

QImage iconOn(const char* name, const QColor& ground)
{
    QImage out(24, 24, QImage::Format_ARGB32);
    out.fill(ground);
    const QString path = QStringLiteral(":/Resource/%1.png").arg(QLatin1String(name));
    if (*name)
        QPainter(&out).drawImage(out.rect(), QImage(NxSingleton<NxSkinStyle>::instance()->FormatResourceFile(path)));
    return out;
}

bool same(const QImage& a, const QImage& b)
{
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!near(a.pixel(x, y), QColor(b.pixel(x, y)), 3))
                return false;
    return a.size() == b.size();
}

int advance(const QString& text)
{
    QFont font = QApplication::font();
    font.setPixelSize(13);
    return QFontMetrics(font).horizontalAdvance(text);
}

bool spans(int pixels, const QString& text)
{
    return pixels <= advance(text) && pixels >= advance(text) - 5;
}

}
