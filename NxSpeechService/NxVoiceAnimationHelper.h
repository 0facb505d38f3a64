#pragma once

#include "INxSkinEventHandler.h"
#include "NxSingleton.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QTimer>

// The speaking animation shown on a voice tile while its preview plays: the
// frames for the current skin and screen density, one handed out every 25 ms
// while started. One per process; every voice grid listens to sigUpdate.
//
// Frames are read from the host's "Voice Animation" folder on the global
// thread pool and taken over on the GUI thread when the read ends; a skin
// switch starts a new read, and only the newest read's frames are kept.
class NxVoiceAnimationHelper : public QObject, public INxSkinEventHandler, public NxSingleton<NxVoiceAnimationHelper>
{
    Q_OBJECT

public:
    void start();
    void stop();
    bool isRunning() const { return m_timer.isActive(); }

    // Drops the frames and reads those of the current skin and density again.
    void loadResource();

    void OnSkinChanged(NxSkinChangeEvent* event) override;

signals:
    // The next frame; after the last one a tick passes without a frame.
    void sigUpdate(QImage image);

private:
    friend class NxSingleton<NxVoiceAnimationHelper>;
    NxVoiceAnimationHelper();

    void tick();
    void takeFrames(int generation, const QList<QImage>& frames);

    QList<QImage> m_frames;
    QTimer m_timer; // a child, so the frame pace can be watched
    int m_frameIndex = 0;
    int m_loadGeneration = 0; // the newest read; older reads arrive too late to count
};

template <>
NxVoiceAnimationHelper* NxSingleton<NxVoiceAnimationHelper>::instance();
