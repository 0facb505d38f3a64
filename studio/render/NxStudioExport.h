#pragma once

#include "NxStudioSubtitleMux.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>

class NxStudioMltTimeline;
class NxStudioTimeline;

namespace Mlt
{
class Consumer;
class Producer;
class Profile;
}

// Exports a timeline as an MP4 file: H.264 picture with its titles, AAC sound
// of every audio track, and the subtitle clips as a soft subtitle stream, or
// drawn into the picture instead.
//
// MLT's avformat consumer renders into a hidden temporary file beside the
// destination; soft subtitles are added by copying that file's streams into
// a second one with FFmpeg. Only a complete file is published under the
// destination's name, and an existing file is replaced only when the caller
// says so. A cancelled or failed export leaves no file behind.
class NxStudioExport : public QObject
{
    Q_OBJECT

public:
    enum Outcome { Done, Failed, Cancelled };
    Q_ENUM(Outcome)
    struct Options
    {
        bool burnSubtitles = false;
        // The user chose to replace an existing destination.
        bool replace = false;
    };

    explicit NxStudioExport(QObject* parent = nullptr);
    ~NxStudioExport() override;

    // Starts exporting `timeline` as it is now; false, with errorString(),
    // when the export cannot start, and false while one runs. finished()
    // follows every true start.
    bool start(NxStudioTimeline& timeline, const QString& destination, Options options);
    // Stops the export and removes what it wrote; finished(Cancelled) is
    // emitted before this returns.
    void cancel();
    bool isRunning() const;
    QString errorString() const;

    // The subtitle clips of `timeline` as cues, in timeline order.
    static QVector<NxStudioSubtitleCue> subtitleCues(const NxStudioTimeline& timeline);

signals:
    // `fraction` of the work done; `remaining` milliseconds, -1 while unknown.
    void progressed(double fraction, qint64 remaining);
    void finished(NxStudioExport::Outcome outcome);

private:
    bool render(Mlt::Profile& profile, Mlt::Producer& producer, qint64 length);
    void poll();
    void startSubtitles();
    void publish(const QString& file);
    void report(double fraction);
    bool refuse(const QString& error);
    void end(Outcome outcome, const QString& error = QString());
    void removeTemporaries();
    // What to tell the user when writing failed with `error` (an errno, 0 when unknown).
    QString writeFailure(int error) const;

    QString m_destination;
    Options m_options;
    QString m_error;
    bool m_running = false;
    std::unique_ptr<NxStudioMltTimeline> m_mirror;
    std::unique_ptr<Mlt::Consumer> m_consumer;
    qint64 m_length = 0;
    QVector<NxStudioSubtitleCue> m_cues;
    QString m_rendered; // MLT's output
    QString m_muxed;    // with the subtitle stream
    // Set on MLT's thread when the consumer cannot go on.
    std::atomic<bool> m_fatal{false};
    std::atomic<bool> m_cancel{false};
    std::atomic<int> m_muxPermille{0};
    QFutureWatcher<QString> m_mux;
    QTimer m_poll;
    QElapsedTimer m_clock;
};
