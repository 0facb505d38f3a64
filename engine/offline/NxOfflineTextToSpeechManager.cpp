#include "NxOfflineTextToSpeechManager.h"

#include "NxOfflineSentenceSpeaker.h"
#include "NxVoiceCatalogue.h"

namespace
{
NxTextToSpeechJob::Engine offline()
{
    NxTextToSpeechJob::Engine engine;
    engine.makeSpeaker = [](const NxCatalogueVoice& voice, int speed, int intonation) {
        return std::make_unique<NxOfflineSentenceSpeaker>(voice.synthesis, speed, intonation);
    };
    return engine;
}
} // namespace

NxOfflineTextToSpeechManager::NxOfflineTextToSpeechManager()
    : NxTextToSpeechQueueManager(1, offline())
{
}

NxOfflineTextToSpeechManager::~NxOfflineTextToSpeechManager()
{
    stopWorkers();
}

bool NxOfflineTextToSpeechManager::serviceState()
{
    // Nothing remote to reach: the engine is always in service.
    return true;
}
