#pragma once

#include "NxTrackEvent.h"

// "title_audio_params_setting": the voice, pitch and speed a text-to-speech
// request was made with, in the words the analytics use.
class NxTextToSpeechParamEvent : public NxTrackEvent
{
public:
    NxTextToSpeechParamEvent();

    void setParams(const QString& voiceCode, int intonation, int speed);
    void sendEvent() override;

private:
    QString m_toneColor;
    QString m_tone;
    QString m_speed;
};
