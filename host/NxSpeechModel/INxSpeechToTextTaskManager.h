#pragma once

#include "NxSpeechToTextTaskInfo.h"

#include <QString>

#include <functional>

class INxAbstractMedia;
class INxClip;
class INxTimeline;

// Receives a speech-to-text manager's reports, on any thread.
class INxSpeechToTextTaskManagerCallBack
{
public:
    virtual void onTaskStateChanged(const NxSpeechToTextTaskInfo& info) = 0;
    virtual void onRemainingChanged(int seconds) = 0;
};

// Runs speech-to-text tasks. Obtained from create(), given back with release().
class INxSpeechToTextTaskManager
{
public:
    using Factory = std::function<INxSpeechToTextTaskManager*()>;

    // A manager from the installed factory, or the library's default one.
    static INxSpeechToTextTaskManager* create();
    // Replaces what create() returns from now on; an empty factory restores
    // the default.
    static void setFactory(Factory factory);

    virtual void release() = 0;
    virtual void setCallBack(INxSpeechToTextTaskManagerCallBack* callBack) = 0;
    // Each add answers the new task's id, or a negative number when refused.
    virtual int addMaterialTask(INxAbstractMedia* media, QString language) = 0;
    virtual int addTimelineTask(INxTimeline* timeline, QString language) = 0;
    virtual int addClipTask(INxClip* clip, QString language) = 0;
    virtual bool removeTask(int taskId) = 0;
    virtual void retryTask(int taskId) = 0;
    virtual bool serviceState() = 0;
    virtual void stopAll() = 0;
    virtual bool isTaskFinished(int taskId) = 0;
    // Writes the finished task's subtitles; the file exists when this returns.
    virtual void exportSubtitles(int taskId, QString path) = 0;
    // Asks for a fresh balance report; `tab` tells which tab the user opened.
    virtual void refresh(int tab = 0) = 0;

protected:
    ~INxSpeechToTextTaskManager() = default;
};
