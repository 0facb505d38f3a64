#include "NxPulseNullSink.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

#include <pulse/error.h>
#include <pulse/simple.h>

#include <cstdlib>

namespace
{
constexpr int ListenRate = 22050;
constexpr int ChunkSamples = ListenRate / 100; // 10 ms: the resolution of firstSound()
constexpr int SilenceLevel = 64;              // above dithering and resampling noise
constexpr int GapSamples = ListenRate / 50;   // 20 ms: a dropout, not a waveform crossing zero
constexpr int StartTimeoutMs = 15000;

pa_simple* connectMonitor(const QByteArray& server, int* error)
{
    const pa_sample_spec spec = {PA_SAMPLE_S16LE, ListenRate, 1};
    pa_buffer_attr attributes;
    attributes.maxlength = uint32_t(-1);
    attributes.tlength = attributes.prebuf = attributes.minreq = uint32_t(-1);
    attributes.fragsize = ChunkSamples * 2; // delivered as soon as a chunk is there
    return pa_simple_new(server.constData(), "NxPulseNullSink", PA_STREAM_RECORD, "nxnull.monitor", "listener", &spec,
                         nullptr, &attributes, error);
}
}

NxPulseNullSink::NxPulseNullSink()
{
    if (!m_folder.isValid())
        m_failure = QStringLiteral("no temporary folder");
    else if (startServer())
        startListener();
}

NxPulseNullSink::~NxPulseNullSink()
{
    m_quit = true;
    if (m_listener.joinable())
        m_listener.join();
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(5000)) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }
}

void NxPulseNullSink::resetHeard()
{
    m_audible = 0;
    m_gaps = 0;
    m_gapSamples = 0;
    m_resetSilence = true;
    m_firstSound = 0;
}

bool NxPulseNullSink::startServer()
{
    const QString runtime = m_folder.filePath(QStringLiteral("runtime"));
    const QString home = m_folder.filePath(QStringLiteral("home"));
    QDir().mkpath(runtime);
    QDir().mkpath(home);
    m_socket = m_folder.filePath(QStringLiteral("native"));

    // Nothing of a desktop session is needed or wanted: no bus, no user
    // runtime folder, no cookie (the socket lets anyone in).
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_RUNTIME_DIR", "DBUS_SESSION_BUS_ADDRESS", "PULSE_SERVER", "DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), runtime);
    environment.insert(QStringLiteral("PULSE_STATE_PATH"), runtime);
    m_server.setProcessEnvironment(environment);
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    // As root it only warns that it is not meant to; --system would want a system user and bus.
    m_server.start(QStringLiteral("pulseaudio"),
                   {"--system=false", "-n", "--daemonize=false", "--exit-idle-time=-1", "--use-pid-file=false",
                    "--disable-shm=yes", "--log-target=stderr", "-L", "module-null-sink sink_name=nxnull",
                    "-L", QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=%1").arg(m_socket)});
    if (!m_server.waitForStarted(StartTimeoutMs)) {
        m_failure = QStringLiteral("pulseaudio does not run: %1").arg(m_server.errorString());
        return false;
    }
    qputenv("PULSE_SERVER", "unix:" + m_socket.toLocal8Bit());
    return true;
}

bool NxPulseNullSink::startListener()
{
    // The server is ready when its socket takes a client; polled, since it says so nowhere else.
    const QByteArray server = "unix:" + m_socket.toLocal8Bit();
    const QDeadlineTimer deadline(StartTimeoutMs);
    int error = 0;
    pa_simple* stream = nullptr;
    while (!(stream = connectMonitor(server, &error))) {
        if (m_server.state() == QProcess::NotRunning || deadline.hasExpired()) {
            m_server.waitForFinished(1000);
            m_failure = QStringLiteral("pulseaudio did not take a client (%1): %2")
                            .arg(QString::fromLatin1(pa_strerror(error)),
                                 QString::fromLocal8Bit(m_server.readAll()).trimmed());
            return false;
        }
        QThread::msleep(20);
    }
    m_listener = std::thread([this, stream] { listen(stream); });
    warmUp(server);
    return true;
}

void NxPulseNullSink::warmUp(const QByteArray& server)
{
    // A fresh server holds back the first stream it ever plays for about two
    // seconds; a moment of silence takes that wait, so that what is measured
    // is the player's own start.
    const pa_sample_spec spec = {PA_SAMPLE_S16LE, ListenRate, 1};
    if (pa_simple* player = pa_simple_new(server.constData(), "NxPulseNullSink", PA_STREAM_PLAYBACK, "nxnull",
                                          "warm-up", &spec, nullptr, nullptr, nullptr)) {
        const QByteArray silence(ChunkSamples * 2 * 5, '\0');
        pa_simple_write(player, silence.constData(), size_t(silence.size()), nullptr);
        pa_simple_drain(player, nullptr);
        pa_simple_free(player);
    }
}

void NxPulseNullSink::listen(void* stream)
{
    auto* monitor = static_cast<pa_simple*>(stream);
    qint16 chunk[ChunkSamples];
    qint64 silence = -1; // samples since the last sound; none heard yet
    while (!m_quit && pa_simple_read(monitor, chunk, sizeof chunk, nullptr) >= 0) {
        const Clock::rep now = Clock::now().time_since_epoch().count();
        if (m_resetSilence.exchange(false))
            silence = -1;
        qint64 audible = 0;
        for (const qint16 sample : chunk) {
            if (std::abs(sample) <= SilenceLevel) {
                silence += silence >= 0;
                continue;
            }
            ++audible;
            if (silence >= GapSamples) {
                ++m_gaps;
                m_gapSamples += silence;
            }
            silence = 0;
        }
        if (!audible)
            continue;
        Clock::rep none = 0;
        m_firstSound.compare_exchange_strong(none, now);
        m_audible += audible;
    }
    pa_simple_free(monitor);
}
