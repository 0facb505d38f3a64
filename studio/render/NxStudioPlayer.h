#pragma once

#include <QImage>
#include <QObject>

#include <framework/mlt.h>

#include <atomic>
#include <memory>

namespace Mlt
{
class Consumer;
class Producer;
}

// Real-time playback of a producer through MLT's SDL audio consumer: the
// sound goes to the audio device, which sets the pace, and each picture is
// handed over as it is due, so both stay in step; late pictures are
// dropped. Without an audio device the sound goes to SDL's dummy driver,
// which keeps the same pace by the clock.
class NxStudioPlayer : public QObject
{
    Q_OBJECT

public:
    explicit NxStudioPlayer(QObject* parent = nullptr);
    ~NxStudioPlayer() override;

    // Plays from `position` to the producer's end, which it holds and is the
    // only reader of until stop(), in pictures `size` large. False when
    // playback cannot start.
    bool play(std::shared_ptr<Mlt::Producer> producer, qint64 position, QSize size);
    void stop();
    bool isPlaying() const;

    // Of the current or last playback.
    qint64 shownFrames() const { return m_shown; }
    qint64 droppedFrames() const { return m_dropped; }
    // False when playback runs on the dummy driver.
    static bool hasAudioDevice();

signals:
    // Queued to this object's thread; none comes after stop().
    void shown(qint64 position, const QImage& image);
    // The last frame has been shown; playback has stopped.
    void ended();

private:
    static void onFrameShown(mlt_properties owner, NxStudioPlayer* self, mlt_event_data data);
    void frameShown(int run, qint64 position, const QImage& image);

    std::unique_ptr<Mlt::Consumer> m_consumer;
    std::shared_ptr<Mlt::Producer> m_producer;
    std::atomic<int> m_run{0}; // a new one at every play() and stop(); frames of an old one are dropped
    qint64 m_last = -1;        // the position shown last in this run
    qint64 m_end = 0;
    QSize m_size;
    qint64 m_shown = 0;
    qint64 m_dropped = 0;
};
