#include "NxRemoteTranscription.h"

#include "NxAudioDecoder.h"
#include "NxCompactAudioEncoder.h"
#include "NxCueBuilder.h"
#include "NxSpeechServerClient.h"
#include "NxTranscriptReader.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

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
                                          "too large for it (%3). Transcribe shorter clips, or make uploads "
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
} // namespace

NxRemoteTranscription::NxRemoteTranscription(NxSpeechServerClient& client)
    : m_client(client)
{
}

Outcome NxRemoteTranscription::run(NxSpeechToTextJob& job, const std::atomic<bool>& stop,
                                   const NxSpeechToTextJob::Report& reportChange) const
{
    // Bytes move far more often than a percent does.
    State lastState = State::None;
    int lastPercent = -1;
    const auto report = [&](State state, int percent, int seconds) {
        if (state == lastState && percent == lastPercent)
            return;
        lastState = state;
        lastPercent = percent;
        reportChange(state, percent, seconds);
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
    // Neither the track nor its packed copy is kept for the upload: of an
    // hour's task they are some 200 MB.
    NxSpeechServerClient::Request request;
    {
        QString error;
        const QByteArray upload = NxCompactAudioEncoder::encode(track, Rate, format, stop, [&](double fraction) {
            report(State::Transcoding, int((DecodingShare + (1.0 - DecodingShare) * fraction) * 100),
                   int(trackSeconds));
        }, &error);
        std::vector<int16_t>().swap(track);
        if (stop)
            return Job::stopped();
        if (upload.isEmpty())
            return Job::failed(State::TranscodeFailed, Failure::TranscodeFailure, error);
        QList<QPair<QByteArray, QString>> fields{{"model", m_client.settings().transcriptionModel},
                                                 {"response_format", QStringLiteral("verbose_json")}};
        const QString language = languageCode(job.language());
        if (!language.isEmpty())
            fields.append({"language", language});
        request = NxSpeechServerClient::Request::form(QStringLiteral("/v1/audio/transcriptions"), fields,
                                                      NxCompactAudioEncoder::fileName(format),
                                                      NxCompactAudioEncoder::mediaType(format), upload);
    }
    const int seconds = int(std::ceil(trackSeconds));
    report(State::Uploading, 0, seconds);
    const NxSpeechServerClient::Reply reply =
        m_client.send(request, stop, [&](NxSpeechServerClient::Phase phase, qint64 done, qint64 total) {
            if (phase == NxSpeechServerClient::Phase::Sending)
                report(State::Uploading, percent(done, total), seconds);
            else
                report(State::Transcribing,
                       phase == NxSpeechServerClient::Phase::Receiving ? percent(done, total) : 0, seconds);
        });
    if (reply.outcome == ServerOutcome::Stopped)
        return Job::stopped();
    if (reply.outcome != ServerOutcome::Answered)
        return failedOnServer(m_client, reply, request.body.size(), seconds);

    std::vector<NxRecognizedWord> words;
    QString error;
    const auto quote = [this](const QString& text, int length) { return m_client.quoted(text, length); };
    if (!NxTranscriptReader::read(reply.body, words, &error, quote))
        return Job::failed(State::TranscribeFailed, Failure::TranscriptionFailure, error);
    if (words.empty())
        return Job::failed(State::TranscribeFailed, Failure::UnrecognizedContent,
                           QCoreApplication::translate("NxRemoteTranscription", "The speech server heard no speech: check that the clip has speech and is loud enough."));
    outcome.state = State::Completed;
    outcome.code = Failure::UnknownError;
    outcome.seconds = seconds;
    outcome.cues = NxCueBuilder().build(words, trackSeconds);
    return outcome;
}
