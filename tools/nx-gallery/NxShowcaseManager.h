#pragma once

#include "INxSpeechToTextTaskManager.h"
#include "INxTextToSpeechTaskManager.h"

// Task managers that accept every task and report exactly what the gallery
// tells them to, on the caller's thread.

// The factory seam both showcase managers use: install() makes create()
// answer a new one, latest() is the one made last until it is released.
template <typename Self, typename Interface>
class NxShowcaseInstance : public Interface
{
public:
    static Self* latest() { return s_latest; }
    static void install()
    {
        Interface::setFactory([] { return s_latest = new Self; });
    }

    void release() override
    {
        if (s_latest == this)
            s_latest = nullptr;
        delete static_cast<Self*>(this);
    }

private:
    static inline Self* s_latest = nullptr;
};

// A state report as the manager's callback receives it.
template <typename Info>
Info showcaseReport(int taskId, int state, int code, int progress)
{
    Info info;
    info.taskId = taskId;
    info.state = state;
    info.code = code;
    info.progress = progress;
    return info;
}

class NxShowcaseSpeechToTextManager final
    : public NxShowcaseInstance<NxShowcaseSpeechToTextManager, INxSpeechToTextTaskManager>
{
public:
    void report(int taskId, int state, int code = 0, int progress = 0);

    void setCallBack(INxSpeechToTextTaskManagerCallBack* callBack) override { m_callBack = callBack; }
    int addMaterialTask(INxAbstractMedia*, QString) override { return m_nextId++; }
    int addTimelineTask(INxTimeline*, QString) override { return m_nextId++; }
    int addClipTask(INxClip*, QString) override { return m_nextId++; }
    bool removeTask(int) override { return true; }
    void retryTask(int) override {}
    bool serviceState() override { return true; }
    void stopAll() override {}
    bool isTaskFinished(int) override { return false; }
    void exportSubtitles(int, QString) override {}
    void refresh(int) override;

private:
    INxSpeechToTextTaskManagerCallBack* m_callBack = nullptr;
    int m_nextId = 1;
};

class NxShowcaseTextToSpeechManager final
    : public NxShowcaseInstance<NxShowcaseTextToSpeechManager, INxTextToSpeechTaskManager>
{
public:
    void report(int taskId, int state, int code = 0, int progress = 0);
    // What querySubtitleProgress answers from now on.
    void setSubtitleProgress(int completedCharacters, int failedSentences);

    void setCallBack(INxTextToSpeechTaskManagerCallBack* callBack) override { m_callBack = callBack; }
    void addTask(const NxTextToSpeechTaskRequest& request, int* taskId, int* sentences, int* characters,
                 QString* text) override;
    bool removeTask(int) override { return true; }
    void retryTask(int) override {}
    bool serviceState() override { return true; }
    void stopAll() override {}
    bool isTaskFinished(int) override { return false; }
    void refresh() override;
    void querySubtitleProgress(int, int* completedCharacters, int*, int* completedSentences, int* failedSentences,
                               int*) override;

private:
    INxTextToSpeechTaskManagerCallBack* m_callBack = nullptr;
    int m_nextId = 1;
    int m_completedCharacters = 0;
    int m_failedSentences = 0;
};
