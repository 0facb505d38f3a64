#include "NxStudioSubtitleFile.h"

#include <QFile>
#include <QRegularExpression>

namespace
{
// "00:01:02,345 --> 00:01:04,000"; a dot for the comma is common enough to accept.
const QRegularExpression& timingLine()
{
    static const QRegularExpression line(QStringLiteral(
        R"(^\s*(\d+):(\d{1,2}):(\d{1,2})[,.](\d{1,3})\s*-->\s*(\d+):(\d{1,2}):(\d{1,2})[,.](\d{1,3}))"));
    return line;
}

qint64 milliseconds(const QRegularExpressionMatch& match, int first)
{
    const auto field = [&](int index) { return match.captured(first + index).toLongLong(); };
    // "5" after the comma means 500 ms, as players read it.
    const QString fraction = match.captured(first + 3).leftJustified(3, QLatin1Char('0'));
    return ((field(0) * 60 + field(1)) * 60 + field(2)) * 1000 + fraction.toLongLong();
}
}

QVector<NxStudioCue> NxStudioSubtitleFile::parse(const QString& text)
{
    QVector<NxStudioCue> cues;
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    static const QRegularExpression blankLines(QStringLiteral("\n[ \t]*\n"));
    for (const QString& block : normalised.split(blankLines, Qt::SkipEmptyParts)) {
        QStringList lines = block.split(QLatin1Char('\n'));
        // The counter line is optional: some writers leave it out.
        while (!lines.isEmpty() && !timingLine().match(lines.first()).hasMatch())
            lines.removeFirst();
        if (lines.isEmpty())
            continue;
        const QRegularExpressionMatch timing = timingLine().match(lines.takeFirst());
        NxStudioCue cue;
        cue.start = milliseconds(timing, 1);
        cue.end = qMax(cue.start, milliseconds(timing, 5));
        cue.text = lines.join(QLatin1Char('\n')).trimmed();
        cues.append(cue);
    }
    return cues;
}

QVector<NxStudioCue> NxStudioSubtitleFile::read(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    // Subtitle files are far smaller than this; a bigger one is not a subtitle file.
    constexpr qint64 MaxBytes = 16 * 1024 * 1024;
    if (file.size() > MaxBytes) {
        *error = QStringLiteral("the file is too large for subtitles");
        return {};
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QVector<NxStudioCue> cues = parse(text);
    if (cues.isEmpty())
        *error = QStringLiteral("no subtitle cue in the file");
    return cues;
}

QByteArray NxStudioSubtitleFile::format(const QVector<NxStudioCue>& cues)
{
    const auto time = [](qint64 ms) {
        return QStringLiteral("%1:%2:%3,%4")
            .arg(ms / 3600000, 2, 10, QLatin1Char('0'))
            .arg(ms / 60000 % 60, 2, 10, QLatin1Char('0'))
            .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
            .arg(ms % 1000, 3, 10, QLatin1Char('0'));
    };
    QString text;
    for (int index = 0; index < cues.size(); ++index) {
        const NxStudioCue& cue = cues.at(index);
        text += QStringLiteral("%1\n%2 --> %3\n").arg(index + 1).arg(time(cue.start), time(cue.end));
        text += cue.text + QStringLiteral("\n\n");
    }
    return text.toUtf8();
}
