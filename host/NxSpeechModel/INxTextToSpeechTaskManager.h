#pragma once

#include "NxTextToSpeechRecords.h"

#include <functional>

// Receives a text-to-speech manager's reports, on any thread.
class INxTextToSpeechTaskManagerCallBack
{
public:
    virtual void onTaskStateChanged(const NxTextToSpeechTaskInfo& info) = 0;
    virtual void onRemainingChanged(int characters) = 0;
    virtual void onSrtTaskProductProgress(const NxSrtTaskProductInfo& info) = 0;
};

// Runs text-to-speech tasks. Obtained from create(), given back with release().
class INxTextToSpeechTaskManager
{
public:
    using Factory = std::function<INxTextToSpeechTaskManager*()>;

    static INxTextToSpeechTaskManager* create();
    static void setFactory(Factory factory);

    virtual void release() = 0;
    virtual void setCallBack(INxTextToSpeechTaskManagerCallBack* callBack) = 0;
    // Fills the new task's id (negative when refused), its sentence and
    // character counts and the text that will be spoken.
    virtual void addTask(const NxTextToSpeechTaskRequest& request, int* taskId, int* sentences,
                         int* characters, QString* text) = 0;
    virtual bool removeTask(int taskId) = 0;
    virtual void retryTask(int taskId) = 0;
    virtual bool serviceState() = 0;
    virtual void stopAll() = 0;
    virtual bool isTaskFinished(int taskId) = 0;
    virtual void refresh() = 0;
    // Progress of a subtitle task; any pointer may be null.
    virtual void querySubtitleProgress(int taskId, int* completedCharacters, int* totalCharacters,
                                       int* completedSentences, int* failedSentences,
                                       int* totalSentences) = 0;

protected:
    ~INxTextToSpeechTaskManager() = default;
};
