#pragma once

#include "INxSpeechToTextTaskManager.h"
#include "INxTextToSpeechTaskManager.h"

// A host's view of the task managers that create() makes while it observes
// their service: each report the manager gives its callback reaches the
// observers too, on the same thread, right after the callback has taken it;
// each task a manager is asked to add (with its id, negative when refused)
// and each removal, on the asking thread. The module sees its reports as
// before. A host observes from before it makes its windows: a manager made
// while no observer of its service is registered is handed out as made. No destructor: observers
// are never deleted through these interfaces.
template <typename CallBack>
class INxTaskObserver : public CallBack
{
public:
    virtual void onTaskAdded(int taskId) = 0;
    virtual void onTaskRemoved(int taskId) = 0;
};

class INxSpeechToTextTaskObserver : public INxTaskObserver<INxSpeechToTextTaskManagerCallBack>
{
public:
    // A finished task's subtitles were exported to `path` (the export has
    // returned; the file is there when it worked), on the asking thread.
    virtual void onSubtitlesExported(int taskId, const QString& path) = 0;
};
using INxTextToSpeechTaskObserver = INxTaskObserver<INxTextToSpeechTaskManagerCallBack>;

// Told why a voice preview cannot play (the module's dialogs show fixed
// words, or none), in the user's words, on the thread that asked it to play
// or on the audition's own.
class INxAuditionObserver
{
public:
    virtual void onAuditionRefused(const QString& reason) = 0;
};

namespace NxTaskObservers
{
// An observer is called under a lock shared by all of its service's
// managers; unobserve() waits for a call in flight, so it must not be called
// from inside one.
void observe(INxSpeechToTextTaskObserver* observer);
void unobserve(INxSpeechToTextTaskObserver* observer);
void observe(INxTextToSpeechTaskObserver* observer);
void unobserve(INxTextToSpeechTaskObserver* observer);
void observe(INxAuditionObserver* observer);
void unobserve(INxAuditionObserver* observer);

// What an audition calls when play() refuses: tells the observers why.
void auditionRefused(const QString& reason);

// What the factories hand out: `manager` behind a stand-in that shows its
// reports to the observers, while there are any. Takes `manager`; null stays
// null.
INxSpeechToTextTaskManager* observed(INxSpeechToTextTaskManager* manager);
INxTextToSpeechTaskManager* observed(INxTextToSpeechTaskManager* manager);
}
