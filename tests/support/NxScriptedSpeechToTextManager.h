#pragma once

#include "INxSpeechToTextTaskManager.h"
#include "NxScriptedManager.h"

// A speech-to-text manager that does what a test tells it and reports from
// real threads of its own. install() makes it what create() returns.
class NxScriptedSpeechToTextManager final
    : public NxScriptedManager<NxScriptedSpeechToTextManager, INxSpeechToTextTaskManager,
                               INxSpeechToTextTaskManagerCallBack, 100>
{
public:
    // Reports as a manager does: on a thread that is not the caller's.
    // Returns once that thread has delivered the report.
    void reportState(int taskId, int state, int code = 0, int progress = 0, int detail = 0);
    void reportRemainingFromWorker(int seconds);

    // What the test decides.
    QSet<QString> refusedNames;   // adds for these names answer -1
    bool exportWritesFile = true;

    // Adds are recorded as "addClipTask:<name>:<language>" (and the like), then
    // "refresh:<tab>", "exportSubtitles:<id>".
    int addMaterialTask(INxAbstractMedia* media, QString language) override;
    int addTimelineTask(INxTimeline* timeline, QString language) override;
    int addClipTask(INxClip* clip, QString language) override;
    void exportSubtitles(int taskId, QString path) override;
    void refresh(int tab) override;

private:
    int add(const QString& kind, const QString& name, const QString& language);
};
