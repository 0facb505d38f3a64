#include "NxCueBuilder.h"

#include <algorithm>

namespace
{
constexpr double SentenceEndWeight = 0.3; // seconds of pause

QString joined(const std::vector<NxRecognizedWord>& words, size_t first, size_t last)
{
    QString text;
    for (size_t i = first; i < last; ++i) {
        if (i > first && words[i - 1].spaced && words[i].spaced)
            text += QLatin1Char(' ');
        text += words[i].text;
    }
    return text;
}

// Chinese, Japanese and Korean characters (and full-width marks) take about
// two Latin letters' room.
bool isWide(QChar c)
{
    const QChar::Script script = c.script();
    return script == QChar::Script_Han || script == QChar::Script_Hiragana || script == QChar::Script_Katakana
           || script == QChar::Script_Hangul || (c.unicode() >= 0x3000 && c.unicode() <= 0x303f)
           || (c.unicode() >= 0xff00 && c.unicode() <= 0xffef);
}

bool endsSentence(const QString& word)
{
    static const QString marks = QStringLiteral(".?!\u3002\uff1f\uff01");
    return !word.isEmpty() && marks.contains(word.back());
}
} // namespace

double NxCueBuilder::width(const QString& line) const
{
    const auto wide = std::count_if(line.begin(), line.end(), isWide);
    return double(line.size() - wide) + double(wide) * m_limits.lineLength / m_limits.wideLineLength;
}

NxCueBuilder::NxCueBuilder()
    : NxCueBuilder(Limits())
{
}

NxCueBuilder::NxCueBuilder(const Limits& limits)
    : m_limits(limits)
{
}

QStringList NxCueBuilder::layout(const std::vector<NxRecognizedWord>& words, size_t first, size_t last) const
{
    if (first >= last)
        return {};
    const QString whole = joined(words, first, last);
    if (width(whole) <= m_limits.lineLength)
        return {whole};
    // Two lines of as even a length as the words allow read best.
    QStringList best;
    double bestLongest = m_limits.lineLength + 0.001;
    for (size_t cut = first + 1; cut < last; ++cut) {
        const QString top = joined(words, first, cut);
        const QString bottom = joined(words, cut, last);
        const double longest = std::max(width(top), width(bottom));
        if (longest < bestLongest) {
            bestLongest = longest;
            best = QStringList{top, bottom};
        }
    }
    return best;
}

bool NxCueBuilder::fits(const std::vector<NxRecognizedWord>& words, size_t first, size_t last) const
{
    return words[last - 1].end - words[first].start <= m_limits.longest && !layout(words, first, last).isEmpty();
}

void NxCueBuilder::split(const std::vector<NxRecognizedWord>& words, size_t first, size_t last,
                         std::vector<std::pair<size_t, size_t>>& groups) const
{
    if (last - first <= 1 || fits(words, first, last)) {
        groups.emplace_back(first, last);
        return;
    }
    // The longest pause, with a nudge toward the middle so a cut does not
    // strand one word on its own; a sentence's end weighs as a longer pause,
    // so a cue does not stop on the first word of the next sentence.
    int total = 0;
    for (size_t i = first; i < last; ++i)
        total += words[i].text.size() + 1;
    size_t cut = first + 1;
    double bestScore = -1e300;
    int before = 0;
    for (size_t i = first + 1; i < last; ++i) {
        before += words[i - 1].text.size() + 1;
        const double gap = words[i].start - words[i - 1].end;
        const double balance = 2.0 * std::min(before, total - before) / double(total);
        const double score = gap + 0.25 * balance + (endsSentence(words[i - 1].text) ? SentenceEndWeight : 0.0);
        if (score > bestScore) {
            bestScore = score;
            cut = i;
        }
    }
    split(words, first, cut, groups);
    split(words, cut, last, groups);
}

void NxCueBuilder::lengthenShortCues(const std::vector<NxRecognizedWord>& words,
                                     std::vector<std::pair<size_t, size_t>>& groups,
                                     std::vector<NxSubtitleCue>& cues, double trackEnd) const
{
    const double shortest = std::min(m_limits.shortest, trackEnd);
    for (size_t i = 0; i < cues.size();) {
        NxSubtitleCue& cue = cues[i];
        if (cue.end - cue.start >= shortest) {
            ++i;
            continue;
        }
        const double later = i + 1 < cues.size() ? cues[i + 1].start : trackEnd;
        const double earlier = i > 0 ? cues[i - 1].end : 0.0;
        cue.end = std::max(cue.end, std::min(cue.start + shortest, later));
        cue.start = std::min(cue.start, std::max(earlier, cue.end - shortest));
        if (cue.end - cue.start >= shortest - 1e-9) {
            ++i;
            continue;
        }
        // Hemmed in by its neighbours: it joins one of them if the pair
        // still reads as one cue.
        const auto merge = [&](size_t into, size_t from) {
            const size_t first = std::min(groups[into].first, groups[from].first);
            const size_t last = std::max(groups[into].second, groups[from].second);
            if (!fits(words, first, last))
                return false;
            const size_t low = std::min(into, from);
            const size_t high = std::max(into, from);
            NxSubtitleCue merged{cues[low].start, std::min(cues[high].end, cues[low].start + m_limits.longest),
                                 layout(words, first, last)};
            cues[low] = merged;
            groups[low] = {first, last};
            cues.erase(cues.begin() + std::ptrdiff_t(high));
            groups.erase(groups.begin() + std::ptrdiff_t(high));
            return true;
        };
        if (i + 1 < cues.size() && merge(i, i + 1))
            continue;
        if (i > 0 && merge(i, i - 1)) {
            --i;
            continue;
        }
        // Too much to share a cue with either: the neighbours give up some of
        // their time on screen, as much as they can spare.
        double need = shortest - (cue.end - cue.start);
        if (i + 1 < cues.size()) {
            NxSubtitleCue& next = cues[i + 1];
            const double taken = std::clamp(next.end - next.start - shortest, 0.0, need);
            next.start += taken;
            cue.end = next.start;
            need -= taken;
        }
        if (i > 0 && need > 0) {
            NxSubtitleCue& previous = cues[i - 1];
            const double taken = std::clamp(previous.end - previous.start - shortest, 0.0, need);
            previous.end -= taken;
            cue.start = previous.end;
        }
        ++i;
    }
}

std::vector<NxSubtitleCue> NxCueBuilder::build(const std::vector<NxRecognizedWord>& words, double trackEnd) const
{
    std::vector<std::pair<size_t, size_t>> groups;
    size_t phrase = 0;
    for (size_t i = 1; i <= words.size(); ++i) {
        if (i == words.size() || words[i].start - words[i - 1].end >= m_limits.pause) {
            split(words, phrase, i, groups);
            phrase = i;
        }
    }
    std::vector<NxSubtitleCue> cues;
    cues.reserve(groups.size());
    double previousEnd = 0.0;
    for (const auto& [first, last] : groups) {
        NxSubtitleCue cue;
        cue.start = std::clamp(words[first].start, previousEnd, trackEnd);
        cue.end = std::clamp(words[last - 1].end, cue.start, std::min(trackEnd, cue.start + m_limits.longest));
        cue.lines = layout(words, first, last);
        if (cue.lines.isEmpty()) // a single word longer than two lines
            cue.lines = QStringList{words[first].text};
        previousEnd = cue.end;
        cues.push_back(cue);
    }
    lengthenShortCues(words, groups, cues, trackEnd);
    return cues;
}
