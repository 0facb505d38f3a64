#pragma once

#include "NxSentenceSpeaker.h"
#include "NxSpeechSynthesizer.h"

// The offline engine's speaker: espeak-ng, then LAME.
class NxEspeakSentenceSpeaker final : public NxSentenceSpeaker
{
public:
    NxEspeakSentenceSpeaker(const QByteArray& espeakVoice, int speed, int intonation);

    Result speak(const QString& text, const QString& path, const std::atomic<bool>& stop,
                 const Progress& progress) const override;

private:
    NxSpeechSynthesizer m_synthesizer;
};
