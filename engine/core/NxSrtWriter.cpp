#include "NxSrtWriter.h"

#include "NxCheckedFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

QString NxSrtWriter::timestamp(double seconds)
{
    const qint64 total = std::llround(std::max(0.0, seconds) * 1000.0);
    return QStringLiteral("%1:%2:%3,%4")
        .arg(total / 3600000, 2, 10, QLatin1Char('0'))
        .arg(total / 60000 % 60, 2, 10, QLatin1Char('0'))
        .arg(total / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(total % 1000, 3, 10, QLatin1Char('0'));
}

QString NxSrtWriter::text(const std::vector<NxSubtitleCue>& cues)
{
    QString out;
    int number = 0;
    for (const NxSubtitleCue& cue : cues) {
        out += QString::number(++number) + QLatin1Char('\n');
        out += timestamp(cue.start) + QStringLiteral(" --> ") + timestamp(cue.end) + QLatin1Char('\n');
        out += cue.lines.join(QLatin1Char('\n')) + QStringLiteral("\n\n");
    }
    return out;
}

bool NxSrtWriter::write(const QString& path, const std::vector<NxSubtitleCue>& cues, QString* error)
{
    const auto failed = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (path.isEmpty())
        return failed(QStringLiteral("no path given"));
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return failed(QStringLiteral("cannot create the folder %1").arg(info.absolutePath()));
    QString reason;
    if (!NxCheckedFile::writeFile(path, text(cues).toUtf8(), NxCheckedFile::Commit::NewName, &reason))
        return failed(reason);
    return true;
}
