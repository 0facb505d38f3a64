#include "NxSpeechToTextJob.h"

#include "NxAudioDecoder.h"
#include "NxCueBuilder.h"
#include "NxTaskStates.h"
#include "NxTranscriber.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <limits>

using State = NxSpeechToTextState;
using Failure = NxSpeechToTextFailure;

namespace
{
constexpr int Rate = NxAudioDecoder::SampleRate;

// A file that cannot be found or read may come back (a drive reconnected),
// so it is a failure worth retrying; a file that is not media, or has no
// sound, never will be.
Failure codeFor(NxAudioDecoder::Status status)
{
    return status == NxAudioDecoder::Status::NoAudio || status == NxAudioDecoder::Status::NotMedia
               ? Failure::UnrecognizedContent
               : Failure::TranscodeFailure;
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

QString NxSpeechToTextJob::languageName(const QString& language)
{
    const QLocale locale(language.trimmed().replace(QLatin1Char('-'), QLatin1Char('_')));
    return locale.language() == QLocale::C ? language.trimmed() : QLocale::languageToString(locale.language());
}

QString NxSpeechToTextJob::noModelFor(const QString& language)
{
    return QCoreApplication::translate("NxSpeechToTextJob", "No speech model is installed for %1 (%2): this computer transcribes English only; "
                          "set a speech server for %1 (see README).")
        .arg(languageName(language), language.trimmed());
}

void NxSpeechToTextJob::progress(State state, double fraction, double seconds)
{
    const int percent = int(std::clamp(fraction, 0.0, 1.0) * 100.0);
    if (state == m_lastState && percent == m_lastPercent)
        return;
    m_lastState = state;
    m_lastPercent = percent;
    if (m_report)
        m_report(state, percent, int(seconds));
}

NxSpeechToTextJob::Outcome NxSpeechToTextJob::failed(State state, Failure code, const QString& reason)
{
    Outcome outcome;
    outcome.state = state;
    outcome.code = code;
    outcome.reason = reason;
    return outcome;
}

NxSpeechToTextJob::Outcome NxSpeechToTextJob::stopped()
{
    Outcome outcome;
    outcome.stopped = true;
    outcome.reason = QStringLiteral("stopped");
    return outcome;
}

bool NxSpeechToTextJob::pending(const Outcome& outcome)
{
    return !outcome.stopped && outcome.state == State::None;
}

NxSpeechToTextJob::Outcome NxSpeechToTextJob::run(NxTranscriber& transcriber, const std::atomic<bool>& stop,
                                                  const Report& report, const Admit& admit)
{
    if (!isEnglish(m_language))
        return failed(State::TranscribeFailed, Failure::UnrecognizedContent, noModelFor(m_language));
    std::vector<int16_t> track;
    const Outcome outcome = readTrack(stop, report, track);
    if (!pending(outcome))
        return outcome;
    return transcribe(transcriber, stop, track, admit);
}

NxSpeechToTextJob::Outcome NxSpeechToTextJob::readTrack(const std::atomic<bool>& stop, const Report& report,
                                                        std::vector<int16_t>& track)
{
    m_report = report;
    m_lastState = State::None;
    m_lastPercent = -1;
    std::vector<Piece> pieces;
    const Outcome outcome = scan(stop, pieces);
    if (!pending(outcome))
        return outcome;
    return decode(stop, pieces, track);
}

NxSpeechToTextJob::Outcome NxSpeechToTextJob::scan(const std::atomic<bool>& stop, std::vector<Piece>& pieces)
{
    progress(State::Scanning, 0.0, 0.0);
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
            return failed(State::ScanFailed, codeFor(status), decoder.errorText());
        // A file that does not state its length is decoded to its end.
        const double fileEnd = decoder.duration() > 0 ? decoder.duration() : std::numeric_limits<double>::max();
        const double end = span.out < 0 ? fileEnd : std::min(span.out, fileEnd);
        const double length = end < std::numeric_limits<double>::max() ? std::max(0.0, end - span.in) : 0.0;
        pieces.push_back({span, length});
        trackLength = std::max(trackLength, span.at + length);
        progress(State::Scanning, double(i + 1) / double(m_spans.size()), 0.0);
    }
    if (pieces.empty())
        return failed(State::ScanFailed, Failure::UnrecognizedContent, QCoreApplication::translate("NxSpeechToTextJob", "None of the task's media has sound: choose clips with an audio track."));
    if (trackLength > LongestTrack)
        return failed(State::ScanFailed, Failure::FileTooLong,
                      QCoreApplication::translate("NxSpeechToTextJob", "The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.")
                          .arg(qCeil(trackLength / 60.0))
                          .arg(int(LongestTrack / 60.0)));
    progress(State::Scanning, 1.0, 0.0);
    return {};
}

NxSpeechToTextJob::Outcome NxSpeechToTextJob::decode(const std::atomic<bool>& stop, const std::vector<Piece>& pieces,
                                                     std::vector<int16_t>& track)
{
    progress(State::Transcoding, 0.0, 0.0);
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
                    progress(State::Transcoding, (done + seconds) / expected, done + seconds);
            });
        if (status == NxAudioDecoder::Status::Stopped)
            return stopped();
        if (status == NxAudioDecoder::Status::NoAudio && m_skipSilentMedia)
            continue;
        if (status != NxAudioDecoder::Status::Ok)
            return failed(State::TranscodeFailed, codeFor(status), decoder.errorText());
        // Clips that overlap on a timeline are heard together.
        const size_t offset = size_t(std::llround(std::max(0.0, piece.span.at) * Rate));
        if (double(offset + audio.size()) / Rate > LongestTrack)
            return failed(State::TranscodeFailed, Failure::FileTooLong,
                          QCoreApplication::translate("NxSpeechToTextJob", "\"%1\" holds more sound than one task takes (%2 minutes): split it into shorter parts.")
                              .arg(QFileInfo(piece.span.filePath).fileName(), QString::number(int(LongestTrack / 60.0))));
        if (track.size() < offset + audio.size())
            track.resize(offset + audio.size(), 0);
        for (size_t i = 0; i < audio.size(); ++i)
            track[offset + i] = int16_t(std::clamp(int(track[offset + i]) + int(audio[i]), -32768, 32767));
        done += piece.length;
    }
    progress(State::Transcoding, 1.0, double(track.size()) / Rate);
    return {};
}

NxSpeechToTextJob::Outcome NxSpeechToTextJob::transcribe(NxTranscriber& transcriber,
                                                         const std::atomic<bool>& stop,
                                                         const std::vector<int16_t>& track, const Admit& admit)
{
    const int seconds = int(std::ceil(double(track.size()) / Rate));
    if (admit && !admit(seconds))
        return failed(State::TranscribeFailed, Failure::NotEnoughTime,
                      QCoreApplication::translate("NxSpeechToTextJob", "The sound is %1 s long, more than the time left: top up, then retry.").arg(seconds));
    progress(State::Transcribing, 0.0, 0.0);

    std::vector<NxRecognizedWord> words;
    QString errorText;
    const NxTranscriber::Status status =
        transcriber.transcribe(track, stop, words, errorText, [&](double heard, double reached) {
            progress(State::Transcribing, heard, reached);
        });
    if (status == NxTranscriber::Status::Stopped)
        return stopped();
    if (status != NxTranscriber::Status::Ok)
        return failed(State::TranscribeFailed, Failure::TranscriptionFailure, errorText);
    if (words.empty())
        return failed(State::TranscribeFailed, Failure::UnrecognizedContent, QCoreApplication::translate("NxSpeechToTextJob", "No speech was heard: check that the clip has speech and is loud enough."));

    Outcome outcome;
    outcome.state = State::Completed;
    outcome.code = Failure::UnknownError;
    outcome.seconds = seconds;
    outcome.cues = NxCueBuilder().build(words, double(track.size()) / Rate);
    return outcome;
}
