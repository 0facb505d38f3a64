#pragma once

#include "NxTextToSpeechQueueManager.h"

// Speaks title and subtitle clips offline with espeak-ng into MP3 files, one
// task at a time on a worker thread of its own; the usage allowance pays.
// espeak-ng starts with the first task.
class NxOfflineTextToSpeechManager final : public NxTextToSpeechQueueManager
{
public:
    NxOfflineTextToSpeechManager();
    ~NxOfflineTextToSpeechManager() override;

    bool serviceState() override;
};
