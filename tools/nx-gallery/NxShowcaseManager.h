#pragma once

#include "INxSpeechToTextTaskManager.h"
#include "INxTextToSpeechTaskManager.h"

// Task managers that accept every task and report exactly what the gallery
// tells them to, on the caller's thread.

class NxShowcaseSpeechToTextManager final : public INxSpeechToTextTaskManager
{
public:
    static NxShowcaseSpeechToTextManager* latest();
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

class NxShowcaseTextToSpeechManager final : public INxTextToSpeechTaskManager
{
public:
    static NxShowcaseTextToSpeechManager* latest();
    static void install();

    void report(int taskId, int state, int code = 0, int progress = 0);
    // What querySubtitleProgress answers from now on.
    void setSubtitleProgress(int completedCharacters, int failedSentences);

    void release() override;
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
