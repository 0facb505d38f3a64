#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

// A speech server on 127.0.0.1 for the suites and benchmarks, speaking
// enough of the OpenAI-style audio API: POST /v1/audio/transcriptions
// (multipart, answered with a verbose_json transcript), POST
// /v1/audio/speech (JSON, answered with MP3 bytes) and GET /v1/models. It
// answers from what it is given, and can be told to fail the next requests
// in each way a real server or network does. It runs on the thread that
// made it, which must spin its event loop (QTRY_*, QSignalSpy::wait).
class NxFakeSpeechServer final : public QObject
{
    Q_OBJECT

public:
    enum class Failure {
        None,
        Status,        // answers the given status with a JSON error naming the key it was shown
        Stall,         // reads the request and never answers
        DropMidUpload, // resets the connection as the request's body starts
        Malformed,     // 200 with a body that is neither JSON nor MP3
        Truncated,     // 200 promising a body it cuts off halfway
    };

    struct Request
    {
        QByteArray path;
        QMap<QByteArray, QByteArray> headers; // names in lower case
        QMap<QString, QString> fields;        // a form's text fields
        QString fileName;
        QByteArray fileType;
        QByteArray file;
        QByteArray body; // as sent, for a JSON request
    };

    explicit NxFakeSpeechServer(QObject* parent = nullptr);
    ~NxFakeSpeechServer() override;

    bool listen();
    QString url() const;

    void setTranscript(const QByteArray& verboseJson) { m_transcript = verboseJson; }
    void setSpeech(const QByteArray& mp3) { m_speech = mp3; }
    // Every answer waits this long.
    void setDelay(int milliseconds) { m_delayMs = milliseconds; }
    // After `skip` more requests answered, `count` requests fail so (every
    // one when count < 0).
    void fail(Failure failure, int status = 0, int count = -1, int skip = 0);
    // The next request to have `bytes` of its body in (or all of it) is read
    // no further and not answered until letGo(): an upload larger than the
    // sockets' buffers stops part-way.
    void hold(qint64 bytes) { m_holdAt = bytes; }
    // Goes on with a held request, and holds none that is not held yet.
    void letGo();

    QList<Request> requests() const { return m_requests; }
    // Requests whose client hung up before they were answered.
    int abandoned() const { return m_abandoned; }
    // The most requests that waited for their answers at once.
    int mostAtOnce() const { return m_mostAtOnce; }

private:
    struct Connection;

    void accept();
    void read(QTcpSocket* socket);
    bool parse(Connection& connection, QTcpSocket* socket);
    void respond(QTcpSocket* socket, const Request& request, Failure failure, int status);
    void answer(QTcpSocket* socket, int status, const QByteArray& type, const QByteArray& body, bool truncate = false);
    Failure nextFailure(int* status);

    QTcpServer m_server;
    QMap<QTcpSocket*, Connection*> m_connections;
    QList<Request> m_requests;
    QByteArray m_transcript;
    QByteArray m_speech;
    QByteArray m_models;
    Failure m_failure = Failure::None;
    int m_failureStatus = 0;
    int m_failuresLeft = 0;
    int m_skipsLeft = 0;
    int m_abandoned = 0;
    int m_delayMs = 0;
    int m_waiting = 0;
    int m_mostAtOnce = 0;
    qint64 m_holdAt = -1;
    QTcpSocket* m_held = nullptr;
};
