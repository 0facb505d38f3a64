#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// How the remote engine reaches its speech server: the host's configuration
// (section "RemoteSpeech"; each key from the user's file, else the
// machine-wide one, else its default), read when a manager is made. The API
// key is never configured: it is read from the environment variable that
// ApiKeyVariable names, when a request is made, and never written anywhere.
struct NxRemoteSettings
{
    static const QString Section;
    // Catalogue voice ids to the server's voice names: "70=alloy".
    static const QString VoiceSection;

    // The most requests Qt runs at once against one server; more would queue
    // inside Qt with their timeouts running.
    static constexpr int MostConcurrency = 6;

    QUrl server; // ServerUrl; empty: the offline engine runs
    QString transcriptionModel = QStringLiteral("whisper-1");
    QString speechModel = QStringLiteral("tts-1");
    QString defaultVoice = QStringLiteral("alloy");
    QString uploadFormat = QStringLiteral("flac"); // or "opus"
    QString apiKeyVariable = QStringLiteral("NXSPEECH_API_KEY");
    int concurrency = 4;
    // The largest upload the server takes (hosted servers: 25 MB); a longer
    // track goes up in pieces cut at silences.
    qint64 maxUploadBytes = 25 * 1000 * 1000;
    int stallTimeoutMs = 30000;   // no byte moved while sending or receiving
    int answerTimeoutMs = 600000; // from the last byte sent to the first byte of the answer
    int retries = 3;              // of an answer 429 or 5xx
    int retryDelayMs = 1000;      // before the first retry; doubled for each next one

    // The configuration as stored; an unusable ServerUrl is logged and left empty.
    static NxRemoteSettings load();
    // Whether the host has configured a usable server.
    static bool configured();
    // The configured server as a person may be shown it: its URL without
    // user, password, query or fragment (a key may ride in any of them);
    // empty when the offline engine runs.
    static QString shownServer();

    // The server's voice for a catalogue voice id.
    QString voiceFor(int catalogueId) const;
    QByteArray apiKey() const;
    // A URL on the server for an API path ("/v1/models"): the configured
    // URL's own path comes first.
    QUrl endpoint(const QString& path) const;
};
