#include "NxFakeSpeechServer.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cctype>
#include <utility>

struct NxFakeSpeechServer::Connection
{
    QByteArray buffer;
    bool headersRead = false;
    qint64 length = 0;
    Request request;
    bool answering = false; // a request of this connection awaits its answer
};

namespace
{
// The form's parts: text fields, and the one file.
void readForm(NxFakeSpeechServer::Request& request, const QByteArray& body)
{
    const QRegularExpression boundaryPattern(QStringLiteral("boundary=\"?([^\";]+)"));
    const QRegularExpressionMatch match = boundaryPattern.match(QString::fromLatin1(request.headers.value("content-type")));
    if (!match.hasMatch())
        return;
    const QByteArray boundary = "--" + match.captured(1).toLatin1();
    const QRegularExpression namePattern(QStringLiteral("name=\"([^\"]*)\""));
    const QRegularExpression filePattern(QStringLiteral("filename=\"([^\"]*)\""));
    int at = body.indexOf(boundary);
    while (at >= 0) {
        const int start = at + boundary.size() + 2; // past "\r\n"
        const int next = body.indexOf("\r\n" + boundary, start);
        if (next < 0)
            break;
        const QByteArray part = body.mid(start, next - start);
        const int split = part.indexOf("\r\n\r\n");
        const QString head = QString::fromUtf8(part.left(split));
        const QByteArray content = part.mid(split + 4);
        const QString name = namePattern.match(head).captured(1);
        const QRegularExpressionMatch file = filePattern.match(head);
        if (file.hasMatch()) {
            request.fileName = file.captured(1);
            const int type = head.indexOf(QLatin1String("Content-Type:"), 0, Qt::CaseInsensitive);
            request.fileType = type >= 0 ? head.mid(type + 13).section(QLatin1Char('\r'), 0, 0).trimmed().toLatin1()
                                         : QByteArray();
            request.file = content;
        } else {
            request.fields.insert(name, QString::fromUtf8(content));
        }
        at = next + 2;
    }
}
} // namespace

NxFakeSpeechServer::NxFakeSpeechServer(QObject* parent)
    : QObject(parent)
    , m_models(R"({"object":"list","data":[{"id":"whisper-1"},{"id":"tts-1"}]})")
{
    connect(&m_server, &QTcpServer::newConnection, this, &NxFakeSpeechServer::accept);
}

NxFakeSpeechServer::~NxFakeSpeechServer()
{
    // The sockets go with the listening server, after this object's members.
    for (auto it = m_connections.begin(); it != m_connections.end(); ++it) {
        it.key()->disconnect(this);
        delete it.value();
    }
}

bool NxFakeSpeechServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost);
}

QString NxFakeSpeechServer::url() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
}

void NxFakeSpeechServer::fail(Failure failure, int status, int count, int skip)
{
    m_failure = failure;
    m_failureStatus = status;
    m_failuresLeft = count;
    m_skipsLeft = skip;
}

NxFakeSpeechServer::Failure NxFakeSpeechServer::nextFailure(int* status)
{
    if (m_failure == Failure::None || m_failuresLeft == 0)
        return Failure::None;
    if (m_skipsLeft > 0) {
        --m_skipsLeft;
        return Failure::None;
    }
    *status = m_failureStatus;
    if (m_failuresLeft > 0)
        --m_failuresLeft;
    return m_failure;
}

void NxFakeSpeechServer::letGo()
{
    m_holdAt = -1;
    if (QTcpSocket* socket = std::exchange(m_held, nullptr))
        read(socket);
}

void NxFakeSpeechServer::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        // Bounded, so that what is not read stays with the client.
        socket->setReadBufferSize(64 * 1024);
        m_connections.insert(socket, new Connection);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            Connection* connection = m_connections.take(socket);
            if (m_held == socket)
                m_held = nullptr;
            if (connection && connection->answering) {
                ++m_abandoned;
                --m_waiting;
            }
            delete connection;
            socket->deleteLater();
        });
    }
}

void NxFakeSpeechServer::read(QTcpSocket* socket)
{
    Connection* connection = m_connections.value(socket);
    if (!connection || socket == m_held)
        return;
    connection->buffer += socket->readAll();
    while (parse(*connection, socket)) {
    }
}

// Takes one whole request off the connection's buffer and answers it.
bool NxFakeSpeechServer::parse(Connection& connection, QTcpSocket* socket)
{
    if (!connection.headersRead) {
        // What is not HTTP (a TLS greeting) is refused as a plain HTTP server would.
        if (!connection.buffer.isEmpty() && !std::isupper(uchar(connection.buffer[0]))) {
            connection.buffer.clear();
            socket->write("HTTP/1.1 400 Bad Request\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
            return false;
        }
        const int end = connection.buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return false;
        const QList<QByteArray> lines = connection.buffer.left(end).split('\n');
        connection.buffer.remove(0, end + 4);
        Request request;
        request.path = lines.value(0).trimmed().split(' ').value(1);
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
        }
        connection.request = request;
        connection.length = request.headers.value("content-length").toLongLong();
        connection.headersRead = true;
        int status = 0;
        if (connection.length > 0 && m_failure == Failure::DropMidUpload && nextFailure(&status) != Failure::None) {
            m_requests.append(request);
            socket->abort();
            return false;
        }
    }
    if (m_holdAt >= 0 && connection.length > 0 && connection.buffer.size() >= qMin(m_holdAt, connection.length)) {
        m_holdAt = -1;
        m_held = socket;
        return false;
    }
    if (connection.buffer.size() < connection.length)
        return false;
    Request request = connection.request;
    request.body = connection.buffer.left(int(connection.length));
    connection.buffer.remove(0, int(connection.length));
    connection.headersRead = false;
    if (request.headers.value("content-type").startsWith("multipart/form-data"))
        readForm(request, request.body);
    m_requests.append(request);

    int status = 200;
    const Failure failure = m_failure == Failure::DropMidUpload ? Failure::None : nextFailure(&status);
    connection.answering = true;
    m_mostAtOnce = std::max(m_mostAtOnce, ++m_waiting);
    if (failure == Failure::Stall)
        return false;
    if (m_delayMs == 0) {
        respond(socket, request, failure, status);
        return true;
    }
    QPointer<QTcpSocket> target(socket);
    QTimer::singleShot(m_delayMs, this, [this, target, request, failure, status] {
        if (target)
            respond(target, request, failure, status);
    });
    return true;
}

void NxFakeSpeechServer::respond(QTcpSocket* socket, const Request& request, Failure failure, int status)
{
    if (Connection* connection = m_connections.value(socket)) {
        connection->answering = false;
        --m_waiting;
    }
    const bool speech = request.path.endsWith("/audio/speech");
    if (failure == Failure::Status) {
        // As some servers do, the error names the key it was shown.
        const QJsonObject error{{"message", QStringLiteral("refused with the key %1")
                                                .arg(QString::fromUtf8(request.headers.value("authorization")))},
                                {"code", status}};
        answer(socket, status, "application/json", QJsonDocument(QJsonObject{{"error", error}}).toJson());
    } else if (failure == Failure::Malformed) {
        answer(socket, 200, speech ? "audio/mpeg" : "application/json", "<html>{\"segments\": [</html>");
    } else if (request.path.endsWith("/audio/transcriptions")) {
        answer(socket, 200, "application/json", m_transcript, failure == Failure::Truncated);
    } else if (speech) {
        answer(socket, 200, "audio/mpeg", m_speech, failure == Failure::Truncated);
    } else if (request.path.endsWith("/models")) {
        answer(socket, 200, "application/json", m_models, failure == Failure::Truncated);
    } else {
        answer(socket, 404, "application/json", R"({"error":{"message":"no such path"}})");
    }
}

void NxFakeSpeechServer::answer(QTcpSocket* socket, int status, const QByteArray& type, const QByteArray& body,
                                bool truncate)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK\r\n" : " Error\r\n");
    head += "Content-Type: " + type + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n";
    socket->write(head + (truncate ? body.left(body.size() / 2) : body));
    if (truncate)
        socket->disconnectFromHost();
}
