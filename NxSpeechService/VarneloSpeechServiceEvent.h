#pragma once

#include "NxTrackEvent.h"

#include <QList>
#include <QPair>

// The module's generic analytics event: built on the stack and sent at once.
class VarneloSpeechServiceEvent : public NxTrackEvent
{
public:
    explicit VarneloSpeechServiceEvent(const QString& name);

    // Sets every pair in order and sends once; an empty list sends nothing.
    void sendProperties(const QList<QPair<QString, QVariant>>& properties);
    void sendProperty(const QString& key, const QVariant& value);
};
