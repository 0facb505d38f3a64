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
    // One sentence a core: Flite speaks side by side, espeak-ng one at a
    // time while LAME encodes the others.
    int sideBySide() const override;

private:
    const NxSpeechSynthesizer m_synthesizer;
};
