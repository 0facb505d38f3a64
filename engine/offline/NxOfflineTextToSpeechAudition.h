#pragma once

#include "INxTextToSpeechAudition.h"

#include <QVector>

#include <atomic>
#include <mutex>

class NxAuditionRequests;
class QAudioOutput;
class QBuffer;
class QObject;
class QThread;

// Plays the chosen catalogue voice's sample sentence through Qt Multimedia.
// Synthesis and playback run on a thread of the audition's own, started by
// the first play(), which is also where the observer hears from it: every
// play() that returned true is followed by one onAuditionStop (when the
// sample ends, is stopped, replaced or cannot start), preceded by
// onAuditionPlay when the sound did start. release() must not be called
// from an observer call.
class NxOfflineTextToSpeechAudition final : public INxTextToSpeechAudition
{
public:
    NxOfflineTextToSpeechAudition();
    ~NxOfflineTextToSpeechAudition();

    void release() override;
    // An id outside the catalogue makes play() fail.
    void setVoice(int voiceId) override;
    void setIntonation(int intonation) override;
    void setSpeed(int speed) override;
    // False at once when there is no output device or no such voice.
    bool play() override;
    void stop() override;
    bool isNetworkError() override;
    // Waits for an observer call in flight.
    void setObserver(INxTextToSpeechAuditionObserver* observer) override;

private:
    // On the audition thread.
    // The sample in `voiceId`'s voice at these steps, said before or now.
    bool said(int voiceId, int speed, int intonation, QVector<qint16>* samples);
    void start(int voiceId, int speed, int intonation, int generation);
    void halt();
    void notify(bool playing);

    int m_voiceId = -1; // the catalogue's first voice until set
    int m_speed = 0;
    int m_intonation = 0;
    // Bumped by play() and stop(); a start that is no longer the latest is dropped.
    std::atomic<int> m_generation{0};

    std::recursive_mutex m_observerMutex;
    INxTextToSpeechAuditionObserver* m_observer = nullptr;

    QThread* m_thread = nullptr;
    NxAuditionRequests* m_requests = nullptr; // on the caller's thread
    QObject* m_context = nullptr; // lives on m_thread; parent of the audio objects
    QAudioOutput* m_output = nullptr;
    QBuffer* m_buffer = nullptr;
    bool m_playing = false;
};
