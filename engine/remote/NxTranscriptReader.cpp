#include "NxTranscriptReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <utility>

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

bool writtenUnspaced(QChar c)
{
    const QChar::Script script = c.script();
    return script == QChar::Script_Han || script == QChar::Script_Hiragana || script == QChar::Script_Katakana;
}

// The words of a segment's text: what spaces part; a part in Chinese or
// Japanese is cut between its characters, each keeping the punctuation
// around it, and a Latin name inside it ("iPhone") stays whole. Such words
// join without spaces.
std::vector<NxRecognizedWord> wordsOf(const QString& text)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    std::vector<NxRecognizedWord> words;
    for (const QString& token : text.split(space, Qt::SkipEmptyParts)) {
        if (std::none_of(token.begin(), token.end(), writtenUnspaced)) {
            words.push_back({token, 0, 0, true});
            continue;
        }
        const size_t first = words.size();
        QString pending; // a Latin stretch, or an opening mark waiting for its character
        for (const QChar c : token) {
            const bool opening = c.category() == QChar::Punctuation_Open
                                 || c.category() == QChar::Punctuation_InitialQuote;
            if (c.isPunct() && !opening && words.size() > first && pending.isEmpty()) {
                words.back().text += c;
            } else if (writtenUnspaced(c)) {
                if (!pending.isEmpty() && !(pending.back().isPunct()))
                    words.push_back({std::exchange(pending, QString()), 0, 0, false});
                words.push_back({pending + c, 0, 0, false});
                pending.clear();
            } else {
                pending += c;
            }
        }
        if (!pending.isEmpty())
            words.push_back({pending, 0, 0, false});
    }
    return words;
}

// Appends the segment's words, spread over [start, end] by their length.
void spread(std::vector<NxRecognizedWord> segment, double start, double end, std::vector<NxRecognizedWord>& words)
{
    int letters = 0;
    for (const NxRecognizedWord& word : segment)
        letters += word.text.size();
    double at = start;
    for (NxRecognizedWord& word : segment) {
        const double length = (end - start) * word.text.size() / letters;
        word.start = at;
        word.end = at + length;
        at += length;
        words.push_back(std::move(word));
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
    const QJsonArray list = segments.toArray();
    double previousEnd = 0.0;
    for (int index = 0; index < list.size(); ++index) {
        const QJsonObject segment = list.at(index).toObject();
        const QJsonValue text = segment.value(QLatin1String("text"));
        const QJsonValue start = segment.value(QLatin1String("start"));
        const QJsonValue end = segment.value(QLatin1String("end"));
        if (!text.isString() || !isTime(start) || !isTime(end) || end.toDouble() < start.toDouble())
            return fail(error, QStringLiteral("segment %1 of the answer lacks its text or sane times").arg(index + 1));
        std::vector<NxRecognizedWord> segmentWords = wordsOf(text.toString());
        if (segmentWords.empty())
            continue;
        // Segments that overlap are read one after the other; servers that pad
        // a segment may start it a little before the track, read as its start.
        const double from = std::max(start.toDouble(), previousEnd);
        const double to = std::max(end.toDouble(), from);
        spread(std::move(segmentWords), from, to, words);
        previousEnd = to;
    }
    return true;
}
