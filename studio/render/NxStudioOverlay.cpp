#include "NxStudioOverlay.h"

#include "INxClip.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

namespace
{
// Fractions of the frame's height or width.
constexpr qreal SubtitleFontHeight = 1.0 / 18;
constexpr qreal TitleFontHeight = 1.0 / 10;
constexpr qreal SubtitleFootMargin = 1.0 / 14;
constexpr qreal TextWidth = 0.84;
constexpr qreal OutlineOfFont = 0.12; // outline width against the font's pixel size
constexpr qreal LineSpacing = 1.15;

const QColor TextColour(255, 255, 255);
const QColor OutlineColour(0, 0, 0, 220);

// The text's lines, each as a path at its place in a box `width` wide,
// centred horizontally, from y = 0 down.
QPainterPath layOut(const QString& text, const QFont& font, qreal width)
{
    QPainterPath path;
    const QFontMetricsF metrics(font);
    qreal y = 0;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph.simplified(), font);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            const QString part = paragraph.simplified().mid(line.textStart(), line.textLength()).trimmed();
            const qreal x = (width - metrics.horizontalAdvance(part)) / 2;
            path.addText(x, y + metrics.ascent(), font, part);
            y += metrics.height() * LineSpacing;
        }
        layout.endLayout();
    }
    return path;
}
}

namespace NxStudioOverlay
{
QImage render(int clipType, const QString& text, QSize frameSize)
{
    QImage image(frameSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (text.trimmed().isEmpty() || frameSize.isEmpty())
        return image;

    const bool title = clipType == INxClip::Title;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qMax(8, qRound(frameSize.height() * (title ? TitleFontHeight : SubtitleFontHeight))));
    font.setWeight(title ? QFont::Bold : QFont::DemiBold);

    const qreal width = frameSize.width() * TextWidth;
    const QPainterPath lines = layOut(text, font, width);
    const QRectF box = lines.boundingRect();
    const qreal left = (frameSize.width() - width) / 2;
    const qreal top = title ? (frameSize.height() - box.height()) / 2 - box.top()
                            : frameSize.height() * (1 - SubtitleFootMargin) - box.bottom();

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(left, top);
    painter.strokePath(lines, QPen(OutlineColour, font.pixelSize() * OutlineOfFont, Qt::SolidLine, Qt::RoundCap,
                                   Qt::RoundJoin));
    painter.fillPath(lines, TextColour);
    return image;
}
}
