#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <thread>

// A PulseAudio server of the process's own with one null sink, so that
// previews really play, in real time, without speakers. The server runs on a
// temporary runtime folder and socket; PULSE_SERVER points this process at
// it, so it must exist before Qt Multimedia first looks for a device. A
// listener thread records the sink's monitor and notes when sound first
// arrives. The server is killed on destruction.
class NxPulseNullSink
{
public:
    using Clock = std::chrono::steady_clock;

    NxPulseNullSink();
    ~NxPulseNullSink();

    // False, with the reason in failure(), when pulseaudio cannot start here.
    bool isRunning() const { return m_failure.isEmpty(); }
    QString failure() const { return m_failure; }

    // Forgets what was heard: the next sound counts as the first.
    void resetHeard();
    // Non-silent samples heard since resetHeard(), at the listener's 22050 Hz mono.
    qint64 audibleSamples() const { return m_audible; }
    // Stretches of silence of 20 ms or more between sounds since
    // resetHeard(), and their samples: what a listener hears as dropouts.
    // Silence after the last sound is not one.
    int gaps() const { return m_gaps; }
    qint64 gapSamples() const { return m_gapSamples; }
    // When the first of them arrived; meaningful once audibleSamples() > 0.
    Clock::time_point firstSound() const { return Clock::time_point(Clock::duration(m_firstSound.load())); }

private:
    bool startServer();
    bool startListener();
    void warmUp(const QByteArray& server);
    void listen(void* stream);

    QTemporaryDir m_folder;
    QProcess m_server;
    QString m_socket;
    QString m_failure;
    std::atomic<bool> m_quit{false};
    std::atomic<qint64> m_audible{0};
    std::atomic<int> m_gaps{0};
    std::atomic<qint64> m_gapSamples{0};
    std::atomic<bool> m_resetSilence{false};
    std::atomic<Clock::rep> m_firstSound{0};
    std::thread m_listener;
};
