#include "VarneloSpeechServiceEvent.h"

VarneloSpeechServiceEvent::VarneloSpeechServiceEvent(const QString& name)
    : NxTrackEvent(name)
{
}

void VarneloSpeechServiceEvent::sendProperties(const QList<QPair<QString, QVariant>>& properties)
{
    if (properties.isEmpty())
        return;
    for (const auto& property : properties)
        setProperty(property.first, property.second);
    sendEvent();
}

void VarneloSpeechServiceEvent::sendProperty(const QString& key, const QVariant& value)
{
    setProperty(key, value);
    sendEvent();
}
