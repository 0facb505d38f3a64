#include "NxOfflineSpeechToTextManager.h"

#include "NxSpeechRecognizer.h"

NxOfflineSpeechToTextManager::NxOfflineSpeechToTextManager()
    : NxSpeechToTextQueueManager(WorkerCount,
                                 {[this](NxSpeechToTextJob& job, const std::atomic<bool>& stop,
                                         const NxSpeechToTextJob::Report& report, const NxSpeechToTextJob::Admit& admit) {
                                      return job.run(m_transcriber, stop, report, admit);
                                  },
                                  true})
    , m_transcriber(NxRecognizerPool::recognizersForThisMachine())
{
}

NxOfflineSpeechToTextManager::~NxOfflineSpeechToTextManager()
{
    stopWorkers();
}

bool NxOfflineSpeechToTextManager::serviceState()
{
    return NxSpeechRecognizer::modelInstalled();
}
