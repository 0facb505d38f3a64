#pragma once

#include "NxRational.h"

#include <QList>
#include <QMetaType>
#include <QString>

class INxClip;

// The host's timeline (sequence); each clip knows its own position on it.
class INxTimeline
{
public:
    virtual ~INxTimeline() = default;

    virtual QString name() const = 0;
    virtual NxRational frameRate() const = 0;
    virtual qint64 length() const = 0;
    virtual QList<INxClip*> clips() const = 0;
};
Q_DECLARE_METATYPE(INxTimeline*)
