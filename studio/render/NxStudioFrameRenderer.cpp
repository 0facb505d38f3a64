#include "NxStudioFrameRenderer.h"

#include "NxStudioMltTimeline.h"

#include <Mlt.h>

NxStudioFrameRenderer::NxStudioFrameRenderer(QObject* parent)
    : QObject(parent)
    , m_thread([this] { run(); })
{
}

NxStudioFrameRenderer::~NxStudioFrameRenderer()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
        m_producer.reset();
    }
    m_wake.notify_all();
    m_thread.join();
}

void NxStudioFrameRenderer::request(std::shared_ptr<Mlt::Producer> producer, qint64 position, QSize size)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_producer = std::move(producer);
        m_position = position;
        m_size = size;
    }
    m_wake.notify_all();
}

void NxStudioFrameRenderer::waitIdle()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_producer.reset();
    m_wake.wait(lock, [this] { return !m_busy; });
}

void NxStudioFrameRenderer::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_quit || m_producer; });
        if (m_quit)
            return;
        std::shared_ptr<Mlt::Producer> producer = std::move(m_producer);
        const qint64 position = m_position;
        const QSize size = m_size;
        m_busy = true;
        lock.unlock();
        const QImage image = NxStudioMltTimeline::picture(*producer, position, size);
        producer.reset();
        emit rendered(position, image);
        lock.lock();
        m_busy = false;
        m_wake.notify_all();
    }
}
