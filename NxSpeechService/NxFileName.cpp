#include "NxFileName.h"

#include <QFile>

namespace NxFileName
{

QString withoutForbidden(const QString& name)
{
    QString result;
    result.reserve(name.size());
    for (int i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            result += c;
            result += name.at(++i);
        } else if (!c.isSurrogate() && c != QLatin1Char('/') && c.category() != QChar::Other_Control) {
            result += c;
        }
    }
    return result;
}

QString fitted(const QString& name, int reservedBytes)
{
    QString result = withoutForbidden(name);
    const int limit = MaxBytes - reservedBytes;
    if (QFile::encodeName(result).size() <= limit)
        return result;
    int bytes = 0;
    int end = 0;
    while (end < result.size()) {
        // Only whole pairs are left, so a high surrogate starts a two-unit character.
        const int length = result.at(end).isHighSurrogate() ? 2 : 1;
        bytes += QFile::encodeName(result.mid(end, length)).size();
        if (bytes > limit)
            break;
        end += length;
    }
    result.truncate(end);
    return result;
}

} // namespace NxFileName
