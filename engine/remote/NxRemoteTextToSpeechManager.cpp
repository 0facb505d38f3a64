#include "NxRemoteTextToSpeechManager.h"

#include "NxRemoteSentenceSpeaker.h"
#include "NxServerCheck.h"
#include "NxSpeechServerClient.h"
#include "NxSynthesisVoice.h"
#include "NxVoiceCatalogue.h"

NxRemoteTextToSpeechManager::NxRemoteTextToSpeechManager()
    : NxRemoteTextToSpeechManager(NxRemoteSettings::load())
{
}

NxRemoteTextToSpeechManager::NxRemoteTextToSpeechManager(NxRemoteSettings settings)
    : NxTextToSpeechQueueManager(settings.concurrency,
                                 {[this](const NxCatalogueVoice& voice, int speed, int) {
                                      return std::make_unique<NxRemoteSentenceSpeaker>(
                                          *m_client, m_client->settings().voiceFor(voice.info.id),
                                          NxSpeechSpeed::pace(speed));
                                  },
                                  false})
    , m_client(std::make_unique<NxSpeechServerClient>(settings))
    , m_check(std::make_unique<NxServerCheck>(*m_client, settings.speechModel))
{
}

NxRemoteTextToSpeechManager::~NxRemoteTextToSpeechManager()
{
    stopWorkers();
}

bool NxRemoteTextToSpeechManager::serviceState()
{
    return m_check->reachable();
}

void NxRemoteTextToSpeechManager::refresh()
{
    NxTextToSpeechQueueManager::refresh();
    m_check->start();
}
