#include "NxControlCharacters.h"

QString NxControlCharacters::escaped(const QString& text)
{
    QString visible;
    visible.reserve(text.size());
    for (const QChar c : text) {
        // Every control character fits two hex digits.
        if (c.category() == QChar::Other_Control)
            visible += QStringLiteral("\\x") + QString::number(c.unicode(), 16).rightJustified(2, QLatin1Char('0'));
        else
            visible += c;
    }
    return visible;
}
