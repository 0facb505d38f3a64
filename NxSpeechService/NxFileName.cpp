#include "NxFileName.h"

#include <QFile>

namespace NxFileName
{

namespace
{
// The most bytes one UTF-16 unit takes in the file system's encoding.
constexpr int MaxBytesPerUnit = 3;

bool isForbidden(QChar c)
{
    return c.isSurrogate() || c == QLatin1Char('/') || c.category() == QChar::Other_Control;
}

bool isWholePairAt(const QString& text, int i)
{
    return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
}

// The first unit at or after `from` that no file name may hold here; -1 for none.
int firstForbidden(const QString& name, int from)
{
    for (int i = from; i < name.size(); ++i) {
        if (isWholePairAt(name, i))
            ++i;
        else if (isForbidden(name.at(i)))
            return i;
    }
    return -1;
}
} // namespace

QString withoutForbidden(const QString& name)
{
    // Built only when something goes; a clean name is shared as it is.
    QString result;
    int from = 0;
    for (int forbidden = firstForbidden(name, 0); forbidden >= 0; forbidden = firstForbidden(name, from)) {
        result += name.midRef(from, forbidden - from);
        from = forbidden + 1;
    }
    return from == 0 ? name : result + name.midRef(from);
}

QString fitted(const QString& name, int reservedBytes)
{
    QString result = withoutForbidden(name);
    const int limit = MaxBytes - reservedBytes;
    if (result.size() * MaxBytesPerUnit <= limit || QFile::encodeName(result).size() <= limit)
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
