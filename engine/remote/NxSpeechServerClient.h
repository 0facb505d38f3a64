#pragma once

#include "NxRemoteSettings.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

// Sends requests to the speech server for worker threads that wait for the
// answer. One QNetworkAccessManager does the sending on a thread of the
// client's own, started with the first request; the waiting thread reads
// the progress and reports it, so nothing of a request outlives its caller
// but the request's own shared state.
//
// Requests carry the API key as a bearer token when the environment gives
// one; proxies come from Qt's usual environment variables. Each request
// writes one log line with its outcome and duration; the key never appears
// in it, even when a server echoes it back.
class NxSpeechServerClient
{
public:
    struct Request
    {
        QByteArray method;
        QString path; // of the API: "/v1/audio/speech"
        QByteArray contentType;
        QByteArray body;

        static Request get(const QString& path);
        static Request json(const QString& path, const QJsonObject& object);
        // multipart/form-data: the text fields, then the file.
        static Request form(const QString& path, const QList<QPair<QByteArray, QString>>& fields,
                            const QString& fileName, const QByteArray& fileType, const QByteArray& file);
    };

    enum class Outcome {
        Answered,    // a whole answer in the 2xx range
        Stopped,     // the caller's stop cancelled it
        Unreachable, // no answer: refused, unknown host, TLS, a timeout, the connection lost
        Refused,     // 401 or 403: the key
        TooLarge,    // 413
        Busy,        // 429 or 5xx, still after the retries
        Rejected,    // any other answer outside the 2xx range
        Truncated,   // an answer whose body was cut off
    };

    struct Reply
    {
        Outcome outcome = Outcome::Unreachable;
        int status = 0;
        bool delivered = false; // the server answered, or was given up on while it worked
        int retryAfterMs = 0;   // how long a busy server asked to be left alone
        QByteArray body;
        QString error; // what went wrong, for the log; never holds the key
    };

    enum class Phase { Sending, Waiting, Receiving };
    // Bytes done of the total (0 when unknown) in the request's phase.
    using Progress = std::function<void(Phase phase, qint64 done, qint64 total)>;

    explicit NxSpeechServerClient(NxRemoteSettings settings);
    ~NxSpeechServerClient();
    NxSpeechServerClient(const NxSpeechServerClient&) = delete;
    NxSpeechServerClient& operator=(const NxSpeechServerClient&) = delete;

    const NxRemoteSettings& settings() const { return m_settings; }

    // Blocks the calling thread, which must not be the client's own, until
    // the request is answered, fails or `stop` becomes true (which cancels
    // it at once). Answers 429 and 5xx are retried after a pause that
    // doubles each time, as often as the settings allow. Progress is reported
    // on the calling thread.
    Reply send(const Request& request, const std::atomic<bool>& stop, const Progress& progress = {});

    // The key blanked out of a text that may hold it.
    QString withoutKey(QString text) const;
    // What a server sent, fit to quote in the log and a failure: on one line,
    // the key blanked out, at most `length` characters.
    QString quoted(const QString& text, int length) const;
    // A count of bytes as a person reads it: "512 B", "3.4 kB", "12.3 MB".
    static QString sizeText(qint64 bytes);
    // A task's reason when the server cannot be reached or refuses the key,
    // with what the user can do; `error` is the reply's.
    static QString unreachableReason(const QString& error);
    QString keyRefusedReason(const QString& error) const;

private:
    struct Call;
    class Network;

    Reply attempt(const Request& request, const std::atomic<bool>& stop, const Progress& progress, int retriesLeft);
    Network* network();

    const NxRemoteSettings m_settings;
    std::mutex m_mutex;
    QThread m_thread;
    Network* m_network = nullptr; // lives on m_thread; under m_mutex
};
