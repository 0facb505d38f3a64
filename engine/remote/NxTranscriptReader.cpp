#include "NxTranscriptReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace
{
// An answer quoted in the log is cut here.
constexpr int QuotedLength = 120;

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

bool isTime(const QJsonValue& value)
{
    return value.isDouble() && std::isfinite(value.toDouble());
}

// Appends the segment's words, spread over [start, end] by their length.
void spread(const QStringList& tokens, double start, double end, std::vector<NxRecognizedWord>& words)
{
    int letters = 0;
    for (const QString& token : tokens)
        letters += token.size();
    double at = start;
    for (const QString& token : tokens) {
        const double length = (end - start) * token.size() / letters;
        words.push_back({token, at, at + length});
        at += length;
    }
    words.back().end = end;
}
} // namespace

bool NxTranscriptReader::read(const QByteArray& answer, std::vector<NxRecognizedWord>& words, QString* error,
                              const Quote& quote)
{
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(answer, &parse);
    if (parse.error != QJsonParseError::NoError)
        return fail(error, QStringLiteral("the answer is not JSON (%1 at byte %2): \"%3\"")
                               .arg(parse.errorString(), QString::number(parse.offset),
                                    quote(QString::fromUtf8(answer), QuotedLength)));
    const QJsonValue segments = document.object().value(QLatin1String("segments"));
    if (!segments.isArray())
        return fail(error, QStringLiteral("the answer has no timed segments; does the server give verbose_json?"));
    static const QRegularExpression space(QStringLiteral("\\s+"));
    const QJsonArray list = segments.toArray();
    double previousEnd = 0.0;
    for (int index = 0; index < list.size(); ++index) {
        const QJsonObject segment = list.at(index).toObject();
        const QJsonValue text = segment.value(QLatin1String("text"));
        const QJsonValue start = segment.value(QLatin1String("start"));
        const QJsonValue end = segment.value(QLatin1String("end"));
        if (!text.isString() || !isTime(start) || !isTime(end) || end.toDouble() < start.toDouble())
            return fail(error, QStringLiteral("segment %1 of the answer lacks its text or sane times").arg(index + 1));
        const QStringList tokens = text.toString().split(space, Qt::SkipEmptyParts);
        if (tokens.isEmpty())
            continue;
        // Segments that overlap are read one after the other; servers that pad
        // a segment may start it a little before the track, read as its start.
        const double from = std::max(start.toDouble(), previousEnd);
        const double to = std::max(end.toDouble(), from);
        spread(tokens, from, to, words);
        previousEnd = to;
    }
    return true;
}
