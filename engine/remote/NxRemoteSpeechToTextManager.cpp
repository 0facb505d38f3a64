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
                                 [this] { return [this](Queue::Entry& entry) { run(entry); }; })
    , m_client(std::make_unique<NxSpeechServerClient>(settings))
    , m_check(std::make_unique<NxServerCheck>(*m_client, settings.transcriptionModel))
{
}

NxRemoteSpeechToTextManager::~NxRemoteSpeechToTextManager()
{
    stopWorkers();
}

void NxRemoteSpeechToTextManager::run(Queue::Entry& entry)
{
    NxSpeechToTextJob::Outcome outcome = NxRemoteTranscription(*m_client).run(
        entry.task->job, entry.stop,
        [this, &entry](int state, int percent, int seconds) { report(entry, state, percent, seconds); });
    finish(entry, std::move(outcome));
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
