#include "NxStudioTimeText.h"

#include <QtMath>

namespace NxStudioTimeText
{
QString seconds(qint64 whole)
{
    whole = qMax<qint64>(0, whole);
    const QString minutes = QStringLiteral("%1:%2").arg(whole / 60 % 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
    if (whole < 3600)
        return minutes;
    return QStringLiteral("%1:%2").arg(whole / 3600).arg(minutes.rightJustified(5, QLatin1Char('0')));
}

QString tenths(double seconds)
{
    const qint64 count = qMax<qint64>(0, qRound64(seconds * 10));
    return QStringLiteral("%1.%2").arg(NxStudioTimeText::seconds(count / 10)).arg(count % 10);
}
}
