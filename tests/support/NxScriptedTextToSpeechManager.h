#pragma once

#include "INxTextToSpeechTaskManager.h"
#include "NxScriptedManager.h"

// A text-to-speech manager that does what a test tells it and reports from
// real threads of its own. install() makes it what create() returns.
class NxScriptedTextToSpeechManager final
    : public NxScriptedManager<NxScriptedTextToSpeechManager, INxTextToSpeechTaskManager,
                               INxTextToSpeechTaskManagerCallBack, 500>
{
public:
    // Deliver from a worker thread; return once it has delivered.
    void reportState(int taskId, int state, int code = 0, int progress = 0, const QString& filePath = QString());
    void productFromWorker(int taskId, int index, qint64 position, const QString& filePath);

    // What the test decides.
    int sentencesPerTask = 1;
    int charactersPerTask = 120;
    QSet<QString> refusedClips;
    int failedSentences = 0;

    // Adds are recorded as "addTask:<clip>:<voice>:<intonation>:<speed>:<language>"; then "refresh".
    void addTask(const NxTextToSpeechTaskRequest& request, int* taskId, int* sentences, int* characters,
                 QString* text) override;
    void refresh() override;
    void querySubtitleProgress(int taskId, int* completedCharacters, int* totalCharacters, int* completedSentences,
                               int* failed, int* totalSentences) override;
};
