#include "NxOfflineSpeechToTextManager.h"

#include "NxSpeechRecognizer.h"
#include "NxUsageAllowance.h"

#include <memory>

using Info = NxSpeechToTextTaskInfo;

NxOfflineSpeechToTextManager::NxOfflineSpeechToTextManager()
    : NxSpeechToTextQueueManager(WorkerCount, [this] { return [this](Queue::Entry& entry) { run(entry); }; })
    , m_recognizers(NxRecognizerPool::recognizersForThisMachine())
{
}

NxOfflineSpeechToTextManager::~NxOfflineSpeechToTextManager()
{
    stopWorkers();
}

void NxOfflineSpeechToTextManager::run(Queue::Entry& entry)
{
    // A task whose seconds could not be deducted would be free: it is
    // refused before any work.
    QString error;
    if (!NxUsageAllowance::instance().canChargeSeconds(&error)) {
        NxSpeechToTextJob::Outcome refused;
        refused.state = Info::ScanFailed;
        refused.code = Info::UnknownError;
        refused.reason = error;
        finish(entry, std::move(refused));
        return;
    }
    NxSpeechToTextJob::Outcome outcome = entry.task->job.run(
        m_recognizers, entry.stop,
        [this, &entry](int state, int percent, int seconds) { report(entry, state, percent, seconds); },
        [this, &entry](int seconds) { return admit(*entry.task, seconds); });
    finish(entry, std::move(outcome));
}

bool NxOfflineSpeechToTextManager::admit(Task& task, int seconds)
{
    // Seconds admitted to a running task are held back from the others
    // until it completes and deducts them.
    return m_queue.locked([&] {
        if (seconds > NxUsageAllowance::instance().seconds() - m_reservedSeconds)
            return false;
        task.reservedSeconds = seconds;
        m_reservedSeconds += seconds;
        return true;
    });
}

int NxOfflineSpeechToTextManager::settle(Task& task, NxSpeechToTextJob::Outcome& outcome, bool ended)
{
    m_reservedSeconds -= task.reservedSeconds;
    task.reservedSeconds = 0;
    if (!ended || outcome.state != Info::Completed)
        return -1;
    QString error;
    if (!NxUsageAllowance::instance().consumeSeconds(outcome.seconds, &error)) {
        outcome.state = Info::TranscribeFailed;
        outcome.code = error.isEmpty() ? Info::NotEnoughTime : Info::UnknownError;
        outcome.reason = error.isEmpty() ? QStringLiteral("the allowance ran out while the task ran") : error;
        return -1;
    }
    return NxUsageAllowance::instance().seconds();
}

bool NxOfflineSpeechToTextManager::serviceState()
{
    return NxSpeechRecognizer::modelInstalled();
}
