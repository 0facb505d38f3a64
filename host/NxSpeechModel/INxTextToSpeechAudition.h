#pragma once

#include <functional>

// Told when a preview starts and stops, on the audition's own thread.
class INxTextToSpeechAuditionObserver
{
public:
    virtual void onAuditionStop() = 0;
    virtual void onAuditionPlay() = 0;
};

// Plays a short sample of a voice.
class INxTextToSpeechAudition
{
public:
    using Factory = std::function<INxTextToSpeechAudition*()>;

    static INxTextToSpeechAudition* create();
    static void setFactory(Factory factory);

    virtual void release() = 0;
    virtual void setVoice(int voiceId) = 0;
    virtual void setIntonation(int intonation) = 0;
    virtual void setSpeed(int speed) = 0;
    // False when the sample cannot be played.
    virtual bool play() = 0;
    virtual void stop() = 0;
    virtual bool isNetworkError() = 0;
    virtual void setObserver(INxTextToSpeechAuditionObserver* observer) = 0;

protected:
    ~INxTextToSpeechAudition() = default;
};
