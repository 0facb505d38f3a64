#pragma once

#include "INxTextToSpeechTaskManager.h"

class QObject;

// The text-to-speech manager reports on threads of its own. The relay
// re-posts each task and product report to the receiver's invokable method
// of the same name, so every record change happens on the receiver's thread.
class NxTextToSpeechCallBackRelay : public INxTextToSpeechTaskManagerCallBack
{
public:
    explicit NxTextToSpeechCallBackRelay(QObject* receiver);

    void onTaskStateChanged(const NxTextToSpeechTaskInfo& info) override;
    void onSrtTaskProductProgress(const NxSrtTaskProductInfo& info) override;

private:
    QObject* m_receiver;
};
