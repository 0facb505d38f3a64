#pragma once

#include "NxTextToSpeechQueueManager.h"

// Speaks title and subtitle clips offline (English with Flite, the other
// languages with espeak-ng, through NxOfflineSentenceSpeaker) into MP3
// files, one task at a time on a worker thread of its own; the usage
// allowance pays. The synthesisers start with the first task.
class NxOfflineTextToSpeechManager final : public NxTextToSpeechQueueManager
{
public:
    NxOfflineTextToSpeechManager();
    ~NxOfflineTextToSpeechManager() override;

    bool serviceState() override;
};
