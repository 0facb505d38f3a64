#pragma once

#include "NxSentenceSpeaker.h"
#include "NxSpeechSynthesizer.h"

// The offline engine's speaker: the catalogue voice's synthesiser (Flite or
// espeak-ng, as NxSpeechSynthesizer routes it), then LAME.
class NxOfflineSentenceSpeaker final : public NxSentenceSpeaker
{
public:
    NxOfflineSentenceSpeaker(const NxSynthesisVoice& voice, int speed, int intonation);

    Result speak(const QString& text, double tempo, const QString& path, const std::atomic<bool>& stop,
                 const Progress& progress) const override;

private:
    const NxSpeechSynthesizer m_synthesizer;
};
