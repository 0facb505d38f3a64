#pragma once

#include "NxRecognizerPool.h"
#include "NxTranscriber.h"

// Hears a track on this machine: its speech found by NxSpeechSegmenter and
// its utterances heard side by side by a pool of pocketsphinx recognisers,
// which the tasks of a queue share.
class NxOfflineTranscriber final : public NxTranscriber
{
public:
    explicit NxOfflineTranscriber(int recognizers);

    Status transcribe(const std::vector<int16_t>& track, const std::atomic<bool>& stop,
                      std::vector<NxRecognizedWord>& words, QString& errorText, const Progress& progress) override;

private:
    NxRecognizerPool m_recognizers;
};
