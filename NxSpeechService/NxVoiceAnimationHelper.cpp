#include "NxVoiceAnimationHelper.h"

#include "INxAppInfo.h"
#include "INxBaseLog.h"
#include "NxScreen.h"
#include "NxSkinStyle.h"

#include <QDir>
#include <QFutureWatcher>
#include <QtConcurrent>

namespace
{
constexpr const char* LogSource = "NxSpeechService/NxVoiceAnimationHelper";
constexpr int FrameIntervalMs = 25;

// "<Resources>/Voice Animation/<skin>/<set>": the plain set for screens of
// exactly 1x, the sharp one for every other density.
QString frameFolder(int skinKind, qreal devicePixelRatio)
{
    return INxAppInfo::getInstance()->getPath(INxAppInfo::ResourceFolder) + QStringLiteral("/Voice Animation")
           + (skinKind == 0 ? QStringLiteral("/dark") : QStringLiteral("/light"))
           + (devicePixelRatio == 1.0 ? QStringLiteral("/icon24_voice") : QStringLiteral("/icon24_voice_2x"));
}

// Runs on the thread pool. Every file of the folder is a frame, in name
// order; one that is no image still takes its place, as a null frame.
QList<QImage> readFrames(int skinKind, qreal devicePixelRatio)
{
    const QString folder = frameFolder(skinKind, devicePixelRatio);
    const QDir dir(folder);
    QList<QImage> frames;
    if (!dir.exists()) {
        GetGlobalLogInstance()->LogError(LogSource, "NxVoiceAnimationHelper::loadResource", __LINE__,
                                         "Path is not exist! %s", folder.toUtf8().constData());
        return frames;
    }
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        frames.append(QImage(dir.filePath(name)));
    return frames;
}
}

NxVoiceAnimationHelper::NxVoiceAnimationHelper()
    : m_timer(this)
{
    NxSingleton<NxSkinStyle>::instance()->Attach(this);
    loadResource();
    m_timer.setInterval(FrameIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &NxVoiceAnimationHelper::tick);
}

void NxVoiceAnimationHelper::start()
{
    m_frameIndex = 0;
    m_timer.start();
}

void NxVoiceAnimationHelper::stop()
{
    m_timer.stop();
    m_frameIndex = 0;
}

void NxVoiceAnimationHelper::loadResource()
{
    m_frames.clear();
    // The skin and the screen are GUI-thread state: read them here, not in the task.
    const int skinKind = NxSingleton<NxSkinStyle>::instance()->GetSkinKind();
    const qreal ratio = NxSingleton<NxScreen>::instance()->devicePixelRatio();
    const int generation = ++m_loadGeneration;
    auto* watcher = new QFutureWatcher<QList<QImage>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        takeFrames(generation, watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run(readFrames, skinKind, ratio));
}

void NxVoiceAnimationHelper::takeFrames(int generation, const QList<QImage>& frames)
{
    if (generation == m_loadGeneration)
        m_frames = frames;
}

void NxVoiceAnimationHelper::OnSkinChanged(NxSkinChangeEvent*)
{
    loadResource();
}

void NxVoiceAnimationHelper::tick()
{
    if (m_frameIndex >= m_frames.size()) {
        m_frameIndex = 0;
        return;
    }
    emit sigUpdate(m_frames.at(m_frameIndex++));
}

template <>
NxVoiceAnimationHelper* NxSingleton<NxVoiceAnimationHelper>::instance()
{
    static NxVoiceAnimationHelper helper;
    return &helper;
}
