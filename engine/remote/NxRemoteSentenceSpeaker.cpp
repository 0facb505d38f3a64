#include "NxRemoteSentenceSpeaker.h"

#include "NxAudioDecoder.h"
#include "NxCheckedFile.h"
#include "NxSpeechServerClient.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <vector>

namespace
{
using Failure = NxTextToSpeechFailure;
using Outcome = NxSpeechServerClient::Outcome;

// An MP3 file starts with an ID3 tag or an MPEG audio frame's sync bits.
bool isMp3(const QByteArray& bytes)
{
    return bytes.startsWith("ID3")
           || (bytes.size() >= 2 && uchar(bytes[0]) == 0xFF && (uchar(bytes[1]) & 0xE0) == 0xE0);
}

// A faster try of the same sentence replaces the slower one whole.
bool save(const QString& path, const QByteArray& bytes, QString* error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return NxCheckedFile::writeFile(path, bytes, NxCheckedFile::Commit::Replace, error);
}

// How long the saved speech lasts; false, with the file gone, when it does not decode.
bool measure(const QString& path, const std::atomic<bool>& stop, double* seconds, QString* error)
{
    NxAudioDecoder decoder(path);
    std::vector<int16_t> samples;
    if (decoder.decode(0, -1, samples, stop) == NxAudioDecoder::Status::Ok && !samples.empty()) {
        *seconds = double(samples.size()) / NxAudioDecoder::SampleRate;
        return true;
    }
    *error = QStringLiteral("the speech server's MP3 does not decode: %1").arg(decoder.errorText());
    QFile::remove(path);
    return false;
}
} // namespace

NxRemoteSentenceSpeaker::NxRemoteSentenceSpeaker(NxSpeechServerClient& client, QString voice, double pace)
    : m_client(client)
    , m_voice(std::move(voice))
    , m_pace(pace)
{
}

NxSentenceSpeaker::Result NxRemoteSentenceSpeaker::speak(const QString& text, double tempo, const QString& path,
                                                         const std::atomic<bool>& stop,
                                                         const Progress& progress) const
{
    const QJsonObject body{{QStringLiteral("model"), m_client.settings().speechModel},
                           {QStringLiteral("input"), text},
                           {QStringLiteral("voice"), m_voice},
                           {QStringLiteral("speed"), m_pace * tempo},
                           {QStringLiteral("response_format"), QStringLiteral("mp3")}};
    const NxSpeechServerClient::Reply reply = m_client.send(
        NxSpeechServerClient::Request::json(QStringLiteral("/v1/audio/speech"), body), stop,
        [&progress](NxSpeechServerClient::Phase phase, qint64 done, qint64 total) {
            if (progress && phase == NxSpeechServerClient::Phase::Receiving && total > 0)
                progress(int(done * 100 / total));
        });
    Result result;
    result.error = reply.error;
    switch (reply.outcome) {
    case Outcome::Answered:
        if (!isMp3(reply.body))
            result.error = QStringLiteral("the speech server's answer is not MP3 (%1 bytes)").arg(reply.body.size());
        else
            result.spoken = save(path, reply.body, &result.error)
                            && measure(path, stop, &result.seconds, &result.error);
        break;
    case Outcome::Unreachable:
    case Outcome::Busy:
        result.code = Failure::NetworkBroken;
        result.endsRun = true;
        result.error = NxSpeechServerClient::unreachableReason(reply.error);
        break;
    case Outcome::Refused:
        result.code = Failure::LoginError;
        result.endsRun = true;
        result.error = m_client.keyRefusedReason(reply.error);
        break;
    case Outcome::TooLarge:
        result.code = Failure::TextTooLong;
        break;
    default:
        break;
    }
    return result;
}
