#include "NxShowcaseManager.h"

namespace
{
NxShowcaseManager* s_latest = nullptr;
}

NxShowcaseManager* NxShowcaseManager::latest()
{
    return s_latest;
}

void NxShowcaseManager::install()
{
    INxSpeechToTextTaskManager::setFactory([] { return s_latest = new NxShowcaseManager; });
}

void NxShowcaseManager::report(int taskId, int state, int code, int progress)
{
    NxSpeechToTextTaskInfo info;
    info.taskId = taskId;
    info.state = state;
    info.code = code;
    info.progress = progress;
    if (m_callBack)
        m_callBack->onTaskStateChanged(info);
}

void NxShowcaseManager::release()
{
    if (s_latest == this)
        s_latest = nullptr;
    delete this;
}

void NxShowcaseManager::refresh(int)
{
    if (m_callBack)
        m_callBack->onRemainingChanged(5400);
}
