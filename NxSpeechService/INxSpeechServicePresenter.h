#pragma once

#include "NxSpeechServiceGlobal.h"
#include "TextToSpeechTaskParam.h"

#include <QList>
#include <QObject>
#include <QString>

class INxAbstractMedia;
class INxClip;
class INxTimeline;

// What the host asks of the voice-text services: start tasks and learn
// whether each service is available. Obtained from the service dialog;
// never deleted through this interface.
class NXSPEECHSERVICE_EXPORT INxSpeechServicePresenter
{
public:
    INxSpeechServicePresenter() = default;
    INxSpeechServicePresenter(const INxSpeechServicePresenter&) = default;
    INxSpeechServicePresenter(INxSpeechServicePresenter&&) = default;
    INxSpeechServicePresenter& operator=(const INxSpeechServicePresenter&) = default;
    INxSpeechServicePresenter& operator=(INxSpeechServicePresenter&&) = default;

    // One transcription per timeline clip; `language` is a code such as "en-US".
    virtual bool addClipTasks(const QList<INxClip*>& clips, QString language, bool attachResult) = 0;
    // One transcription of the whole timeline.
    virtual bool addTimelineTask(INxTimeline* timeline, QString language, bool attachResult) = 0;
    // One transcription per media-library material.
    virtual bool addMaterialTasks(const QList<INxAbstractMedia*>& materials, QString language,
                                  bool attachResult) = 0;
    virtual bool speechToTextServiceState() = 0;
    // One voice-over per title or subtitle clip.
    virtual bool addTextToSpeechTasks(const QList<INxClip*>& clips, const TextToSpeechTaskParam& param) = 0;
    virtual bool textToSpeechServiceState() = 0;

protected:
    ~INxSpeechServicePresenter() = default;
};

Q_DECLARE_INTERFACE(INxSpeechServicePresenter, "INxSpeechServicePresenter")
