#include "NxTextToSpeechCallBackRelay.h"

#include <QMetaObject>
#include <QObject>

NxTextToSpeechCallBackRelay::NxTextToSpeechCallBackRelay(QObject* receiver)
    : m_receiver(receiver)
{
}

void NxTextToSpeechCallBackRelay::onTaskStateChanged(const NxTextToSpeechTaskInfo& info)
{
    QMetaObject::invokeMethod(m_receiver, "onTaskStateChanged", Qt::QueuedConnection,
                              Q_ARG(NxTextToSpeechTaskInfo, info));
}

void NxTextToSpeechCallBackRelay::onSrtTaskProductProgress(const NxSrtTaskProductInfo& info)
{
    QMetaObject::invokeMethod(m_receiver, "onSrtTaskProductProgress", Qt::QueuedConnection,
                              Q_ARG(NxSrtTaskProductInfo, info));
}
