#include "NxSpeechToTextJob.h"

#include "NxAudioDecoder.h"
#include "NxCueBuilder.h"
#include "NxRecognizerPool.h"
#include "NxSpeechRecognizer.h"
#include "NxSpeechSegmenter.h"
#include "NxSpeechToTextTaskInfo.h"

#include <algorithm>
#include <cmath>
#include <limits>

using Info = NxSpeechToTextTaskInfo;

namespace
{
constexpr int Rate = NxAudioDecoder::SampleRate;
static_assert(Rate == NxSpeechRecognizer::SampleRate, "the track is decoded at the recogniser's rate");

NxSpeechToTextJob::Outcome failed(int state, int code, const QString& reason)
{
    NxSpeechToTextJob::Outcome outcome;
    outcome.state = state;
    outcome.code = code;
    outcome.reason = reason;
    return outcome;
}

NxSpeechToTextJob::Outcome stopped()
{
    NxSpeechToTextJob::Outcome outcome;
    outcome.stopped = true;
    outcome.reason = QStringLiteral("stopped");
    return outcome;
}

// A file that cannot be found or read may come back (a drive reconnected),
// so it is a failure worth retrying; a file that is not media, or has no
// sound, never will be.
int codeFor(NxAudioDecoder::Status status)
{
    return status == NxAudioDecoder::Status::NoAudio || status == NxAudioDecoder::Status::NotMedia
               ? Info::UnrecognizedContent
               : Info::TranscodeFailure;
}
} // namespace

NxSpeechToTextJob::NxSpeechToTextJob(std::vector<NxMediaSpan> spans, QString language, bool skipSilentMedia)
    : m_spans(std::move(spans))
    , m_language(std::move(language))
    , m_skipSilentMedia(skipSilentMedia)
{
}

bool NxSpeechToTextJob::isEnglish(const QString& language)
{
    const QString name = language.trimmed().toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
    return name == QLatin1String("en") || name == QLatin1String("en-us") || name == QLatin1String("en-gb");
}

void NxSpeechToTextJob::progress(int state, double fraction, double seconds)
{
    const int percent = int(std::clamp(fraction, 0.0, 1.0) * 100.0);
    if (state == m_lastState && percent == m_lastPercent)
        return;
    m_lastState = state;
    m_lastPercent = percent;
    if (m_report)
        m_report(state, percent, int(seconds));
}

bool NxSpeechToTextJob::pending(const Outcome& outcome)
{
    return !outcome.stopped && outcome.state == 0;
}

NxSpeechToTextJob::Outcome NxSpeechToTextJob::run(NxRecognizerPool& recognizers, const std::atomic<bool>& stop,
                                                  const Report& report, const Admit& admit)
{
    if (!isEnglish(m_language))
        return failed(Info::TranscribeFailed, Info::UnrecognizedContent,
                      QStringLiteral("no speech model is installed for the language \"%1\"; "
                                     "only English (en, en-US, en-GB) is")
                          .arg(m_language));
    std::vector<int16_t> track;
    const Outcome outcome = readTrack(stop, report, track);
    if (!pending(outcome))
        return outcome;
    return transcribe(recognizers, stop, track, admit);
}

NxSpeechToTextJob::Outcome NxSpeechToTextJob::readTrack(const std::atomic<bool>& stop, const Report& report,
                                                        std::vector<int16_t>& track)
{
    m_report = report;
    m_lastState = 0;
    m_lastPercent = -1;
    std::vector<Piece> pieces;
    const Outcome outcome = scan(stop, pieces);
    if (!pending(outcome))
        return outcome;
    return decode(stop, pieces, track);
}

NxSpeechToTextJob::Outcome NxSpeechToTextJob::scan(const std::atomic<bool>& stop, std::vector<Piece>& pieces)
{
    progress(Info::Scanning, 0.0, 0.0);
    double trackLength = 0.0;
    for (size_t i = 0; i < m_spans.size(); ++i) {
        if (stop)
            return stopped();
        const NxMediaSpan& span = m_spans[i];
        NxAudioDecoder decoder(span.filePath);
        const NxAudioDecoder::Status status = decoder.open();
        if (status == NxAudioDecoder::Status::NoAudio && m_skipSilentMedia)
            continue;
        if (status != NxAudioDecoder::Status::Ok)
            return failed(Info::ScanFailed, codeFor(status), decoder.errorText());
        // A file that does not state its length is decoded to its end.
        const double fileEnd = decoder.duration() > 0 ? decoder.duration() : std::numeric_limits<double>::max();
        const double end = span.out < 0 ? fileEnd : std::min(span.out, fileEnd);
        const double length = end < std::numeric_limits<double>::max() ? std::max(0.0, end - span.in) : 0.0;
        pieces.push_back({span, length});
        trackLength = std::max(trackLength, span.at + length);
        progress(Info::Scanning, double(i + 1) / double(m_spans.size()), 0.0);
    }
    if (pieces.empty())
        return failed(Info::ScanFailed, Info::UnrecognizedContent, QStringLiteral("the task has no audio to hear"));
    if (trackLength > LongestTrack)
        return failed(Info::ScanFailed, Info::FileTooLong,
                      QStringLiteral("%1 s of audio is more than one task takes").arg(trackLength));
    progress(Info::Scanning, 1.0, 0.0);
    return {};
}

NxSpeechToTextJob::Outcome NxSpeechToTextJob::decode(const std::atomic<bool>& stop, const std::vector<Piece>& pieces,
                                                     std::vector<int16_t>& track)
{
    progress(Info::Transcoding, 0.0, 0.0);
    double expected = 0.0;
    for (const Piece& piece : pieces)
        expected += piece.length;
    double done = 0.0;
    std::vector<int16_t> audio;
    for (const Piece& piece : pieces) {
        audio.clear();
        NxAudioDecoder decoder(piece.span.filePath);
        // A file that understates its length is read no further than a task takes.
        const double end = piece.span.out < 0 ? piece.span.in + LongestTrack + 1.0 : piece.span.out;
        const NxAudioDecoder::Status status =
            decoder.decode(piece.span.in, end, audio, stop, [&](double seconds) {
                if (expected > 0)
                    progress(Info::Transcoding, (done + seconds) / expected, done + seconds);
            });
        if (status == NxAudioDecoder::Status::Stopped)
            return stopped();
        if (status == NxAudioDecoder::Status::NoAudio && m_skipSilentMedia)
            continue;
        if (status != NxAudioDecoder::Status::Ok)
            return failed(Info::TranscodeFailed, codeFor(status), decoder.errorText());
        // Clips that overlap on a timeline are heard together.
        const size_t offset = size_t(std::llround(std::max(0.0, piece.span.at) * Rate));
        if (double(offset + audio.size()) / Rate > LongestTrack)
            return failed(Info::TranscodeFailed, Info::FileTooLong,
                          QStringLiteral("\"%1\" holds more audio than one task takes").arg(piece.span.filePath));
        if (track.size() < offset + audio.size())
            track.resize(offset + audio.size(), 0);
        for (size_t i = 0; i < audio.size(); ++i)
            track[offset + i] = int16_t(std::clamp(int(track[offset + i]) + int(audio[i]), -32768, 32767));
        done += piece.length;
    }
    progress(Info::Transcoding, 1.0, double(track.size()) / Rate);
    return {};
}

NxSpeechToTextJob::Outcome NxSpeechToTextJob::transcribe(NxRecognizerPool& recognizers,
                                                         const std::atomic<bool>& stop,
                                                         const std::vector<int16_t>& track, const Admit& admit)
{
    const int seconds = int(std::ceil(double(track.size()) / Rate));
    if (admit && !admit(seconds))
        return failed(Info::TranscribeFailed, Info::NotEnoughTime,
                      QStringLiteral("%1 s of audio is more than the allowance left").arg(seconds));
    progress(Info::Transcribing, 0.0, 0.0);

    const std::vector<NxSpeechSegment> utterances = NxSpeechSegmenter().segment(track.data(), int64_t(track.size()));
    int64_t total = 0;
    for (const NxSpeechSegment& utterance : utterances)
        total += utterance.end - utterance.begin;
    std::vector<NxRecognizedWord> words;
    QString errorText;
    const NxRecognizerPool::Status status =
        recognizers.recognize(track.data(), utterances, stop, words, errorText, [&](const std::vector<int64_t>& fed) {
            // The share of all speech heard, and how far the track is heard
            // without a gap.
            int64_t heard = 0;
            for (int64_t samples : fed)
                heard += samples;
            size_t open = 0;
            while (open < fed.size() && fed[open] >= utterances[open].end - utterances[open].begin)
                ++open;
            const int64_t reached =
                open < fed.size() ? utterances[open].begin + fed[open] : utterances.back().end;
            progress(Info::Transcribing, double(heard) / double(total), double(reached) / Rate);
        });
    if (status == NxRecognizerPool::Status::Stopped)
        return stopped();
    if (status != NxRecognizerPool::Status::Ok)
        return failed(Info::TranscribeFailed, Info::TranscriptionFailure, errorText);
    if (words.empty())
        return failed(Info::TranscribeFailed, Info::UnrecognizedContent, QStringLiteral("no speech was recognised"));

    Outcome outcome;
    outcome.state = Info::Completed;
    outcome.code = Info::UnknownError;
    outcome.seconds = seconds;
    outcome.cues = NxCueBuilder().build(words, double(track.size()) / Rate);
    return outcome;
}
