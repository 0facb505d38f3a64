#include "NxRemoteTranscription.h"

#include "INxBaseLog.h"
#include "NxAudioDecoder.h"
#include "NxCompactAudioEncoder.h"
#include "NxCueBuilder.h"
#include "NxSideBySide.h"
#include "NxSpeechServerClient.h"
#include "NxTranscriptReader.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <mutex>
#include <numeric>

using State = NxSpeechToTextState;
using Failure = NxSpeechToTextFailure;
using Job = NxSpeechToTextJob;
using Outcome = NxSpeechToTextJob::Outcome;
using ServerOutcome = NxSpeechServerClient::Outcome;

namespace
{
// Of the transcoding stage, decoding takes this share and packing the rest.
constexpr double DecodingShare = 0.9;
constexpr int Rate = NxAudioDecoder::SampleRate;

int percent(qint64 done, qint64 total)
{
    return total > 0 ? int(std::clamp(done * 100 / total, qint64(0), qint64(100))) : 0;
}

// Servers take ISO 639-1 codes: "en-US" is "en"; "auto" or nothing lets them guess.
QString languageCode(const QString& language)
{
    const QString code = language.trimmed().section(QRegularExpression(QStringLiteral("[-_]")), 0, 0).toLower();
    return code == QLatin1String("auto") ? QString() : code;
}

// `uploaded`: the bytes of the upload refused, `seconds` of sound.
Outcome failedOnServer(const NxSpeechServerClient& client, const NxSpeechServerClient::Reply& reply, qint64 uploaded,
                       int seconds)
{
    const State stage = reply.delivered ? State::TranscribeFailed : State::UploadFailed;
    switch (reply.outcome) {
    case ServerOutcome::Unreachable:
    case ServerOutcome::Busy:
        return Job::failed(stage, Failure::NetworkBroken, NxSpeechServerClient::unreachableReason(reply.error));
    case ServerOutcome::Refused:
        return Job::failed(State::UploadFailed, Failure::LoginError, client.keyRefusedReason(reply.error));
    case ServerOutcome::TooLarge:
        return Job::failed(State::UploadFailed, Failure::FileTooLong,
                           QCoreApplication::translate("NxRemoteTranscription", "The speech server takes no upload this large: %1 for %2 s of sound is "
                                          "too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads "
                                          "smaller with RemoteSpeech/UploadFormat=opus.")
                               .arg(NxSpeechServerClient::sizeText(uploaded), QString::number(seconds), reply.error));
    case ServerOutcome::Truncated:
        return Job::failed(State::TranscribeFailed, Failure::TranscriptionFailure, reply.error);
    default:
        return Job::failed(State::TranscribeFailed, Failure::TranscriptionFailure,
                           QCoreApplication::translate("NxRemoteTranscription", "The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.")
                               .arg(reply.error));
    }
}

// A part of the track, from and to sample numbers, packed for its upload.
struct Piece
{
    qint64 from = 0;
    qint64 to = 0;
    QByteArray upload;
};

// The middle of the quietest fifth of a second of `track` in [from, to):
// where a cut splits no word.
qint64 quietestNear(const std::vector<int16_t>& track, qint64 from, qint64 to)
{
    constexpr qint64 Frame = Rate / 5;
    qint64 best = (from + to) / 2;
    double quietest = std::numeric_limits<double>::max();
    for (qint64 start = from; start + Frame <= to; start += Frame / 2) {
        double energy = 0;
        for (qint64 i = start; i < start + Frame; ++i)
            energy += double(track[size_t(i)]) * track[size_t(i)];
        if (energy < quietest) {
            quietest = energy;
            best = start + Frame / 2;
        }
    }
    return best;
}

// The track packed for the server: whole when that fits `limit`, else cut
// at silences into pieces that each fit it. Empty, with *error set, when
// packing failed or `stop` came.
std::vector<Piece> packed(std::vector<int16_t> track, NxCompactAudioEncoder::Format format, qint64 limit,
                          const std::atomic<bool>& stop, const std::function<void(double)>& progress, QString* error)
{
    QByteArray whole = NxCompactAudioEncoder::encode(track, Rate, format, stop, progress, error);
    if (whole.isEmpty())
        return {};
    const qint64 samples = qint64(track.size());
    if (whole.size() <= limit)
        return {Piece{0, samples, std::move(whole)}};
    // Pieces of about nine tenths of the limit, at the packing rate of the whole;
    // each cut at the quietest moment of the last third of its piece.
    const double bytesPerSample = double(whole.size()) / samples;
    whole.clear();
    const qint64 pieceSamples = std::max<qint64>(Rate, qint64(limit * 0.9 / bytesPerSample));
    std::vector<Piece> pieces;
    for (qint64 from = 0; from < samples;) {
        qint64 to = samples;
        if (samples - from > pieceSamples)
            to = quietestNear(track, from + pieceSamples * 2 / 3, from + pieceSamples);
        pieces.push_back(Piece{from, to, {}});
        from = to;
    }
    // A piece that packs worse than the whole did is halved at its quietest middle.
    for (size_t i = 0; i < pieces.size();) {
        Piece& piece = pieces[i];
        const std::vector<int16_t> part(track.begin() + piece.from, track.begin() + piece.to);
        piece.upload = NxCompactAudioEncoder::encode(part, Rate, format, stop, {}, error);
        if (piece.upload.isEmpty())
            return {};
        if (piece.upload.size() <= limit) {
            ++i;
            continue;
        }
        if (piece.to - piece.from < 2 * Rate) {
            *error = QStringLiteral("a second of sound packs larger than RemoteSpeech/MaxUploadBytes allows");
            return {};
        }
        const qint64 cut = quietestNear(track, piece.from + (piece.to - piece.from) / 3,
                                        piece.to - (piece.to - piece.from) / 3);
        const Piece second{cut, piece.to, {}};
        piece.to = cut;
        piece.upload.clear();
        pieces.insert(pieces.begin() + qint64(i) + 1, second);
    }
    return pieces;
}
} // namespace

NxRemoteTranscription::NxRemoteTranscription(NxSpeechServerClient& client)
    : m_client(client)
{
}

Outcome NxRemoteTranscription::run(NxSpeechToTextJob& job, const std::atomic<bool>& stop,
                                   const NxSpeechToTextJob::Report& reportChange) const
{
    // Bytes move far more often than a percent does; pieces report from their own threads.
    std::mutex reporting;
    State lastState = State::None;
    int lastPercent = -1;
    const auto reportLocked = [&](State state, int percent, int seconds) {
        if (state == lastState && percent == lastPercent)
            return;
        lastState = state;
        lastPercent = percent;
        reportChange(state, percent, seconds);
    };
    const auto report = [&](State state, int percent, int seconds) {
        std::lock_guard<std::mutex> lock(reporting);
        reportLocked(state, percent, seconds);
    };
    NxCompactAudioEncoder::Format format = NxCompactAudioEncoder::Format::Flac;
    if (!NxCompactAudioEncoder::formatNamed(m_client.settings().uploadFormat, &format))
        return Job::failed(State::TranscodeFailed, Failure::TranscodeFailure,
                           QStringLiteral("RemoteSpeech/UploadFormat \"%1\" is neither flac nor opus")
                               .arg(m_client.settings().uploadFormat));

    std::vector<int16_t> track;
    Outcome outcome = job.readTrack(stop, [&](State state, int percent, int seconds) {
        report(state, state == State::Transcoding ? int(percent * DecodingShare) : percent, seconds);
    }, track);
    if (!NxSpeechToTextJob::pending(outcome))
        return outcome;
    const double trackSeconds = double(track.size()) / Rate;
    const int seconds = int(std::ceil(trackSeconds));
    std::vector<Piece> pieces;
    {
        QString error;
        pieces = packed(std::move(track), format, m_client.settings().maxUploadBytes, stop,
                        [&](double fraction) {
                            report(State::Transcoding, int((DecodingShare + (1.0 - DecodingShare) * fraction) * 100),
                                   seconds);
                        },
                        &error);
        if (stop)
            return Job::stopped();
        if (pieces.empty())
            return Job::failed(State::TranscodeFailed, Failure::TranscodeFailure, error);
    }
    if (pieces.size() > 1)
        NX_LOG_INFO("%d s of sound go up in %d pieces of at most %s", seconds, int(pieces.size()),
                    qUtf8Printable(NxSpeechServerClient::sizeText(m_client.settings().maxUploadBytes)));

    QList<QPair<QByteArray, QString>> fields{{"model", m_client.settings().transcriptionModel},
                                             {"response_format", QStringLiteral("verbose_json")}};
    const QString language = languageCode(job.language());
    if (!language.isEmpty())
        fields.append({"language", language});
    // Upload progress counts every piece's bytes; the answers come once all are up.
    qint64 totalBytes = 0;
    for (const Piece& piece : pieces)
        totalBytes += piece.upload.size();
    std::vector<qint64> sent(pieces.size(), 0);
    int answered = 0; // under `reporting`
    const auto pieceProgress = [&](int item, NxSpeechServerClient::Phase phase, qint64 done, qint64 total) {
        std::lock_guard<std::mutex> lock(reporting);
        sent[item] = phase == NxSpeechServerClient::Phase::Sending ? done : pieces[item].upload.size();
        const qint64 up = std::accumulate(sent.begin(), sent.end(), qint64(0));
        if (phase == NxSpeechServerClient::Phase::Sending || up < totalBytes) {
            reportLocked(State::Uploading, percent(up, totalBytes), seconds);
            return;
        }
        const int receiving = phase == NxSpeechServerClient::Phase::Receiving ? percent(done, total) : 0;
        reportLocked(State::Transcribing, (answered * 100 + receiving) / int(pieces.size()), seconds);
    };
    report(State::Uploading, 0, seconds);
    NxSideBySide<NxSpeechServerClient::Reply> sending(
        int(pieces.size()), m_client.settings().concurrency, [&](int item) {
            const auto request = NxSpeechServerClient::Request::form(
                QStringLiteral("/v1/audio/transcriptions"), fields, NxCompactAudioEncoder::fileName(format),
                NxCompactAudioEncoder::mediaType(format), pieces[item].upload);
            NxSpeechServerClient::Reply reply =
                m_client.send(request, stop, [&](NxSpeechServerClient::Phase phase, qint64 done, qint64 total) {
                    pieceProgress(item, phase, done, total);
                });
            std::lock_guard<std::mutex> lock(reporting);
            ++answered;
            return reply;
        }, [](const NxSpeechServerClient::Reply& reply) { return reply.outcome != ServerOutcome::Answered; });
    std::vector<NxRecognizedWord> words;
    const auto quote = [this](const QString& text, int length) { return m_client.quoted(text, length); };
    for (int item = 0; item < int(pieces.size()); ++item) {
        const NxSpeechServerClient::Reply reply = *sending.take(item);
        if (reply.outcome != ServerOutcome::Answered)
            sending.halt();
        if (reply.outcome == ServerOutcome::Stopped)
            return Job::stopped();
        if (reply.outcome != ServerOutcome::Answered)
            return failedOnServer(m_client, reply, pieces[item].upload.size(),
                                  int(std::ceil(double(pieces[item].to - pieces[item].from) / Rate)));
        // Each piece's times start at its own beginning: on the track they start where it does.
        std::vector<NxRecognizedWord> heard;
        QString error;
        if (!NxTranscriptReader::read(reply.body, heard, &error, quote)) {
            sending.halt();
            return Job::failed(State::TranscribeFailed, Failure::TranscriptionFailure, error);
        }
        const double offset = double(pieces[item].from) / Rate;
        for (NxRecognizedWord& word : heard) {
            word.start += offset;
            word.end += offset;
            words.push_back(std::move(word));
        }
    }
    if (words.empty())
        return Job::failed(State::TranscribeFailed, Failure::UnrecognizedContent,
                           QCoreApplication::translate("NxRemoteTranscription", "The speech server heard no speech: check that the clip has speech and is loud enough."));
    outcome.state = State::Completed;
    outcome.code = Failure::UnknownError;
    outcome.seconds = seconds;
    outcome.cues = NxCueBuilder().build(words, trackSeconds);
    return outcome;
}
