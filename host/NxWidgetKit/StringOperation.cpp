#include "StringOperation.h"

#include <QFontMetrics>

QString StringOperation::GetElidedString(const QFont& font, int width, const QString& text,
                                         Qt::TextElideMode mode)
{
    return QFontMetrics(font).elidedText(text, mode, qMax(0, width));
}
