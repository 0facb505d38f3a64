#pragma once

#include "NxRational.h"

#include <QMetaType>
#include <QString>

class INxMediaObject;

// A clip on the host's timeline. Positions and lengths are in frames of
// frameRate(); the in and out points address the clip's media.
class INxClip
{
public:
    enum ClipType { Video = 0, Audio = 1, Image = 2, Title = 5, Subtitle = 13 };

    virtual ~INxClip() = default;

    virtual QString name() const = 0;
    virtual int type() const = 0;
    virtual NxRational frameRate() const = 0;
    virtual qint64 length() const = 0;

    // The media the clip plays (null for generated clips such as titles).
    virtual INxMediaObject* media() const = 0;
    virtual qint64 inPoint() const = 0;
    virtual qint64 outPoint() const = 0;

    // Where the clip starts on its timeline.
    virtual qint64 position() const = 0;
    // A position inside the clip (0 = its first frame) on the timeline.
    virtual qint64 timelinePosition(qint64 clipPosition) const = 0;
};
Q_DECLARE_METATYPE(INxClip*)
