#pragma once

#include "INxSpeechToTextTaskManager.h"

// A speech-to-text manager that accepts every task and reports exactly what
// the gallery tells it to, on the caller's thread.
class NxShowcaseManager final : public INxSpeechToTextTaskManager
{
public:
    static NxShowcaseManager* latest();
    static void install();

    void report(int taskId, int state, int code = 0, int progress = 0);

    void release() override;
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
