#pragma once

#include <QImage>
#include <QObject>
#include <QSize>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace Mlt
{
class Producer;
}

// Renders single pictures of a producer on a thread of its own, for a
// monitor that follows a playhead: only the newest request waits, so a
// scrub skips the positions the renderer could not keep up with. Results
// arrive as queued rendered() signals; a receiver deleted meanwhile never
// sees them. Destruction waits for the picture under way.
class NxStudioFrameRenderer : public QObject
{
    Q_OBJECT

public:
    explicit NxStudioFrameRenderer(QObject* parent = nullptr);
    ~NxStudioFrameRenderer() override;

    // Replaces whatever request still waits. The renderer holds `producer`
    // until the picture is made and is its only reader meanwhile.
    void request(std::shared_ptr<Mlt::Producer> producer, qint64 position, QSize size);
    // Drops a waiting request and returns once no picture is under way:
    // then another reader may take the producer.
    void waitIdle();

signals:
    void rendered(qint64 position, const QImage& image);

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::shared_ptr<Mlt::Producer> m_producer; // the waiting request's; null when none waits
    qint64 m_position = 0;
    QSize m_size;
    bool m_busy = false;
    bool m_quit = false;
    std::thread m_thread;
};
