#include "NxRemoteSpeechToTextManager.h"

#include "NxRemoteTranscription.h"
#include "NxServerCheck.h"
#include "NxSpeechServerClient.h"

NxRemoteSpeechToTextManager::NxRemoteSpeechToTextManager()
    : NxRemoteSpeechToTextManager(NxRemoteSettings::load())
{
}

NxRemoteSpeechToTextManager::NxRemoteSpeechToTextManager(NxRemoteSettings settings)
    : NxSpeechToTextQueueManager(settings.concurrency,
                                 {[this](NxSpeechToTextJob& job, const std::atomic<bool>& stop,
                                         const NxSpeechToTextJob::Report& report, const NxSpeechToTextJob::Admit&) {
                                      return NxRemoteTranscription(*m_client).run(job, stop, report);
                                  },
                                  false})
    , m_client(std::make_unique<NxSpeechServerClient>(settings))
    , m_check(std::make_unique<NxServerCheck>(*m_client, settings.transcriptionModel))
{
}

NxRemoteSpeechToTextManager::~NxRemoteSpeechToTextManager()
{
    stopWorkers();
}

bool NxRemoteSpeechToTextManager::serviceState()
{
    return m_check->reachable();
}

void NxRemoteSpeechToTextManager::refresh(int)
{
    NxSpeechToTextQueueManager::refresh();
    m_check->start();
}
