#pragma once

#include "INxSpeechToTextTaskManager.h"
#include "INxTextToSpeechAudition.h"
#include "INxTextToSpeechQuery.h"
#include "INxTextToSpeechTaskManager.h"

// Services that say they are unavailable and refuse all work: stand-ins
// for a host whose speech services are switched off.

class NxUnavailableSpeechToTextTaskManager final : public INxSpeechToTextTaskManager
{
public:
    void release() override;
    void setCallBack(INxSpeechToTextTaskManagerCallBack*) override {}
    int addMaterialTask(INxAbstractMedia*, QString) override { return -1; }
    int addTimelineTask(INxTimeline*, QString) override { return -1; }
    int addClipTask(INxClip*, QString) override { return -1; }
    bool removeTask(int) override { return false; }
    void retryTask(int) override {}
    bool serviceState() override { return false; }
    void stopAll() override {}
    bool isTaskFinished(int) override { return true; }
    void exportSubtitles(int, QString) override {}
    void refresh(int) override {}
};

class NxUnavailableTextToSpeechTaskManager final : public INxTextToSpeechTaskManager
{
public:
    void release() override;
    void setCallBack(INxTextToSpeechTaskManagerCallBack*) override {}
    void addTask(const NxTextToSpeechTaskRequest&, int* taskId, int* sentences, int* characters,
                 QString* text) override;
    bool removeTask(int) override { return false; }
    void retryTask(int) override {}
    bool serviceState() override { return false; }
    void stopAll() override {}
    bool isTaskFinished(int) override { return true; }
    void refresh() override {}
    void querySubtitleProgress(int, int* completedCharacters, int* totalCharacters,
                               int* completedSentences, int* failedSentences,
                               int* totalSentences) override;
};

class NxUnavailableTextToSpeechQuery final : public INxTextToSpeechQuery
{
public:
    void release() override;
    bool getLanguageList(QStringList& languageCodes) override;
    bool getVoiceListOfLanguage(const QString&, QList<NxTextToSpeechVoiceInfo>& voices) override;
    bool isNetworkError() override { return false; }
    bool getVoiceList(QList<NxTextToSpeechVoiceInfo>& voices) override;
};

class NxUnavailableTextToSpeechAudition final : public INxTextToSpeechAudition
{
public:
    void release() override;
    void setVoice(int) override {}
    void setIntonation(int) override {}
    void setSpeed(int) override {}
    bool play() override { return false; }
    void stop() override {}
    bool isNetworkError() override { return false; }
    void setObserver(INxTextToSpeechAuditionObserver*) override {}
};
