#include "NxSpeechServerClient.h"

#include "INxBaseLog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>
#include <QUuid>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <thread>

namespace
{
// How soon a waiting caller notices its stop.
constexpr std::chrono::milliseconds StopPoll(20);
// A server's Retry-After is honoured up to this.
constexpr int LongestRetryAfterMs = 60000;
// Of an error answer, this much is quoted in the log.
constexpr int QuotedLength = 200;

// What a server said was wrong: its JSON error message when it gave one.
QString serverMessage(const QByteArray& body)
{
    const QJsonObject object = QJsonDocument::fromJson(body).object();
    const QJsonValue error = object.value(QLatin1String("error"));
    const QJsonValue message = error.isObject() ? error.toObject().value(QLatin1String("message")) : error;
    return message.isString() ? message.toString() : QString::fromUtf8(body);
}

NxSpeechServerClient::Outcome outcomeOf(int status)
{
    using Outcome = NxSpeechServerClient::Outcome;
    if (status >= 200 && status < 300)
        return Outcome::Answered;
    if (status == 401 || status == 403)
        return Outcome::Refused;
    if (status == 413)
        return Outcome::TooLarge;
    if (status == 429 || status >= 500)
        return Outcome::Busy;
    return Outcome::Rejected;
}
} // namespace

// One request's state, shared by the waiting caller and the network thread.
struct NxSpeechServerClient::Call
{
    std::mutex mutex;
    std::condition_variable changed;
    // Under the mutex.
    qint64 sent = 0;
    qint64 sendTotal = 0;
    qint64 received = 0;
    qint64 receiveTotal = 0;
    bool awaitingAnswer = false; // all sent, nothing received yet
    bool answerLate = false;     // given up while awaiting the answer
    bool done = false;
    int status = 0;
    int retryAfterMs = 0;
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    QString errorText;
    QByteArray body;

    // The network thread's own.
    QPointer<QNetworkReply> reply;
    QString timeout; // why the request was given up, when a timer did
};

// The sending side: lives on the client's thread.
class NxSpeechServerClient::Network final : public QObject
{
    Q_OBJECT

public:
    explicit Network(const NxRemoteSettings& settings)
        : m_settings(settings)
    {
    }

    // Has this object's thread run `work`. The work travels under a
    // std::mutex rather than inside Qt's event, so that ThreadSanitizer sees
    // the hand-over.
    void post(std::function<void()> work);

    void start(const std::shared_ptr<Call>& call, const Request& request);
    void abort(const std::shared_ptr<Call>& call);

private:
    Q_INVOKABLE void runPosted();
    QNetworkAccessManager& manager();

    const NxRemoteSettings& m_settings;
    QNetworkAccessManager* m_manager = nullptr;
    std::mutex m_mutex;
    std::deque<std::function<void()>> m_posted;
};

void NxSpeechServerClient::Network::post(std::function<void()> work)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_posted.push_back(std::move(work));
    }
    QMetaObject::invokeMethod(this, "runPosted", Qt::QueuedConnection);
}

void NxSpeechServerClient::Network::runPosted()
{
    std::deque<std::function<void()>> posted;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        posted.swap(m_posted);
    }
    for (const std::function<void()>& work : posted)
        work();
}

QNetworkAccessManager& NxSpeechServerClient::Network::manager()
{
    // Made on this thread, where it must live.
    if (!m_manager) {
        QNetworkProxyFactory::setUseSystemConfiguration(true);
        m_manager = new QNetworkAccessManager(this);
    }
    return *m_manager;
}

void NxSpeechServerClient::Network::start(const std::shared_ptr<Call>& call, const Request& request)
{
    QNetworkRequest out(m_settings.endpoint(request.path));
    if (!request.contentType.isEmpty())
        out.setHeader(QNetworkRequest::ContentTypeHeader, request.contentType);
    const QByteArray key = m_settings.apiKey();
    if (!key.isEmpty())
        out.setRawHeader("Authorization", "Bearer " + key);
    // Qt reports an upload's progress ten times a second at most unless told.
    out.setAttribute(QNetworkRequest::EmitAllUploadProgressSignalsAttribute, true);
    QNetworkReply* reply = manager().sendCustomRequest(out, request.method, request.body);
    call->reply = reply;

    // Restarted whenever bytes move; once everything is sent, the server
    // may think for much longer before it answers.
    auto* timer = new QTimer(reply);
    timer->setSingleShot(true);
    const int stallMs = m_settings.stallTimeoutMs;
    const int answerMs = m_settings.answerTimeoutMs;
    const auto arm = [call, timer, stallMs, answerMs](bool awaitingAnswer) {
        const int ms = awaitingAnswer ? answerMs : stallMs;
        call->timeout = awaitingAnswer ? QStringLiteral("no answer within %1 s").arg(ms / 1000.0)
                                       : QStringLiteral("nothing moved for %1 s").arg(ms / 1000.0);
        timer->start(ms);
    };
    arm(false);
    connect(timer, &QTimer::timeout, reply, [call, reply] {
        {
            std::lock_guard<std::mutex> lock(call->mutex);
            call->errorText = call->timeout;
            call->answerLate = call->awaitingAnswer;
        }
        reply->abort();
    });
    connect(reply, &QNetworkReply::uploadProgress, timer, [call, arm](qint64 sent, qint64 total) {
        // Qt closes an upload with a report of nothing sent of nothing.
        if (total <= 0)
            return;
        bool awaiting = false;
        {
            std::lock_guard<std::mutex> lock(call->mutex);
            call->sent = sent;
            call->sendTotal = total;
            call->awaitingAnswer = awaiting = sent >= total && call->received == 0;
        }
        call->changed.notify_all();
        arm(awaiting);
    });
    connect(reply, &QNetworkReply::downloadProgress, timer, [call, arm](qint64 received, qint64 total) {
        {
            std::lock_guard<std::mutex> lock(call->mutex);
            call->received = received;
            call->receiveTotal = std::max<qint64>(total, 0);
            call->awaitingAnswer = false;
        }
        call->changed.notify_all();
        arm(false);
    });
    connect(reply, &QNetworkReply::finished, this, [call, reply, timer] {
        timer->stop();
        {
            std::lock_guard<std::mutex> lock(call->mutex);
            const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
            call->status = status.isValid() ? status.toInt() : 0;
            call->error = reply->error();
            if (call->errorText.isEmpty())
                call->errorText = reply->errorString();
            call->retryAfterMs = int(std::min<qint64>(reply->rawHeader("Retry-After").toLongLong() * 1000,
                                                      LongestRetryAfterMs));
            call->body = reply->isOpen() ? reply->readAll() : QByteArray();
            call->done = true;
        }
        call->changed.notify_all();
        reply->deleteLater();
    });
}

void NxSpeechServerClient::Network::abort(const std::shared_ptr<Call>& call)
{
    if (call->reply)
        call->reply->abort();
}

NxSpeechServerClient::Request NxSpeechServerClient::Request::get(const QString& path)
{
    return {QByteArrayLiteral("GET"), path, QByteArray(), QByteArray()};
}

NxSpeechServerClient::Request NxSpeechServerClient::Request::json(const QString& path, const QJsonObject& object)
{
    return {QByteArrayLiteral("POST"), path, QByteArrayLiteral("application/json"),
            QJsonDocument(object).toJson(QJsonDocument::Compact)};
}

NxSpeechServerClient::Request NxSpeechServerClient::Request::form(const QString& path,
                                                                  const QList<QPair<QByteArray, QString>>& fields,
                                                                  const QString& fileName, const QByteArray& fileType,
                                                                  const QByteArray& file)
{
    const QByteArray boundary = "nx-" + QUuid::createUuid().toByteArray(QUuid::Id128);
    QByteArray body;
    body.reserve(file.size() + 1024);
    for (const auto& [name, value] : fields) {
        body += "--" + boundary + "\r\nContent-Disposition: form-data; name=\"" + name + "\"\r\n\r\n";
        body += value.toUtf8() + "\r\n";
    }
    body += "--" + boundary + "\r\nContent-Disposition: form-data; name=\"file\"; filename=\"" + fileName.toUtf8()
            + "\"\r\nContent-Type: " + fileType + "\r\n\r\n";
    body += file;
    body += "\r\n--" + boundary + "--\r\n";
    return {QByteArrayLiteral("POST"), path, "multipart/form-data; boundary=" + boundary, body};
}

NxSpeechServerClient::NxSpeechServerClient(NxRemoteSettings settings)
    : m_settings(std::move(settings))
{
    m_thread.setObjectName(QStringLiteral("NxSpeechServerClient"));
}

NxSpeechServerClient::~NxSpeechServerClient()
{
    // Replies still open are aborted as their manager goes with the thread.
    m_thread.quit();
    m_thread.wait();
}

NxSpeechServerClient::Network* NxSpeechServerClient::network()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_network) {
        m_network = new Network(m_settings);
        m_network->moveToThread(&m_thread);
        QObject::connect(&m_thread, &QThread::finished, m_network, &QObject::deleteLater);
        m_thread.start();
    }
    return m_network;
}

QString NxSpeechServerClient::withoutKey(QString text) const
{
    const QByteArray key = m_settings.apiKey();
    if (!key.isEmpty())
        text.replace(QString::fromUtf8(key), QStringLiteral("***"));
    return text;
}

QString NxSpeechServerClient::quoted(const QString& text, int length) const
{
    // Cut only once the key is blanked out: a key across the cut would leave its first part.
    return withoutKey(text.simplified()).left(length);
}

NxSpeechServerClient::Reply NxSpeechServerClient::send(const Request& request, const std::atomic<bool>& stop,
                                                       const Progress& progress)
{
    int delayMs = m_settings.retryDelayMs;
    for (int retriesLeft = m_settings.retries;; --retriesLeft) {
        Reply reply = attempt(request, stop, progress, retriesLeft);
        if (reply.outcome != Outcome::Busy || retriesLeft <= 0)
            return reply;
        const auto until =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(delayMs, reply.retryAfterMs));
        while (std::chrono::steady_clock::now() < until) {
            if (stop) {
                reply.outcome = Outcome::Stopped;
                return reply;
            }
            std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
                StopPoll, until - std::chrono::steady_clock::now()));
        }
        delayMs *= 2;
    }
}

NxSpeechServerClient::Reply NxSpeechServerClient::attempt(const Request& request, const std::atomic<bool>& stop,
                                                          const Progress& progress, int retriesLeft)
{
    const QString target = QString::fromLatin1(request.method) + QLatin1Char(' ')
                           + m_settings.endpoint(request.path).toDisplayString(QUrl::RemoveUserInfo | QUrl::RemoveQuery);
    QElapsedTimer clock;
    clock.start();
    auto call = std::make_shared<Call>();
    Network* const sender = network();
    sender->post([sender, call, request] { sender->start(call, request); });

    struct Seen
    {
        qint64 sent = -1, received = -1;
        bool awaiting = false;
    } seen;
    std::unique_lock<std::mutex> lock(call->mutex);
    while (!call->done) {
        if (stop) {
            lock.unlock();
            sender->post([sender, call] { sender->abort(call); });
            NX_LOG_INFO("%s: stopped after %lld ms", qUtf8Printable(target), clock.elapsed());
            Reply reply;
            reply.outcome = Outcome::Stopped;
            reply.error = QStringLiteral("stopped");
            return reply;
        }
        if (call->sent != seen.sent || call->received != seen.received || call->awaitingAnswer != seen.awaiting) {
            seen = {call->sent, call->received, call->awaitingAnswer};
            const qint64 sendTotal = call->sendTotal;
            const qint64 receiveTotal = call->receiveTotal;
            lock.unlock();
            if (progress && sendTotal > 0 && seen.received == 0)
                progress(Phase::Sending, seen.sent, sendTotal);
            if (progress && seen.awaiting)
                progress(Phase::Waiting, 0, 0);
            else if (progress && seen.received > 0)
                progress(Phase::Receiving, seen.received, receiveTotal);
            lock.lock();
            continue;
        }
        call->changed.wait_for(lock, StopPoll);
    }

    Reply reply;
    reply.status = call->status;
    reply.body = call->body;
    // Bytes handed to the system may still be lost with the connection: only
    // an answer, or the wait for one, says that the server had them.
    reply.delivered = call->status != 0 || call->answerLate;
    // Transport errors are numbered below 200; past the headers they cut the body off.
    const bool transportFailed = call->error != QNetworkReply::NoError && int(call->error) < 200;
    reply.retryAfterMs = call->retryAfterMs;
    if (call->status == 0) {
        reply.outcome = Outcome::Unreachable;
        reply.error = call->errorText;
    } else if (transportFailed) {
        reply.outcome = Outcome::Truncated;
        reply.error = QStringLiteral("the answer was cut off after %1: %2").arg(NxSpeechServerClient::sizeText(call->received), call->errorText);
    } else {
        reply.outcome = outcomeOf(call->status);
        if (reply.outcome != Outcome::Answered)
            reply.error = QStringLiteral("HTTP %1: %2")
                              .arg(QString::number(call->status), quoted(serverMessage(call->body), QuotedLength));
    }
    const QString sizes = QStringLiteral("%1 sent, %2 received").arg(NxSpeechServerClient::sizeText(call->sent), NxSpeechServerClient::sizeText(call->received));
    lock.unlock();
    reply.error = withoutKey(reply.error);

    if (reply.outcome == Outcome::Answered) {
        NX_LOG_INFO("%s: HTTP %d in %lld ms (%s)", qUtf8Printable(target), reply.status, clock.elapsed(),
                    qUtf8Printable(sizes));
        return reply;
    }
    const QString retry = reply.outcome == Outcome::Busy && retriesLeft > 0
                              ? QStringLiteral("; %1 more tries").arg(retriesLeft)
                              : QString();
    NX_LOG_ERROR("%s: failed after %lld ms (%s): %s%s", qUtf8Printable(target), clock.elapsed(), qUtf8Printable(sizes),
                 qUtf8Printable(reply.error), qUtf8Printable(retry));
    return reply;
}

#include "NxSpeechServerClient.moc"

QString NxSpeechServerClient::unreachableReason(const QString& error)
{
    return QCoreApplication::translate("NxSpeechServerClient", "The speech server could not be reached (%1): check the "
                                                               "network and RemoteSpeech/ServerUrl, then retry.")
        .arg(error);
}

QString NxSpeechServerClient::keyRefusedReason(const QString& error) const
{
    return QCoreApplication::translate("NxSpeechServerClient",
                                       "The speech server refused the API key from the environment variable %1 (%2): "
                                       "set the server's key there, then retry.")
        .arg(m_settings.apiKeyVariable, error);
}

QString NxSpeechServerClient::sizeText(qint64 count)
{
    if (count < 1024)
        return QStringLiteral("%1 B").arg(count);
    if (count < 1024 * 1024)
        return QStringLiteral("%1 kB").arg(count / 1024.0, 0, 'f', 1);
    return QStringLiteral("%1 MB").arg(count / (1024.0 * 1024.0), 0, 'f', 1);
}
