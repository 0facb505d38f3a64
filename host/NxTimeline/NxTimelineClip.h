#pragma once

#include "INxClip.h"

// A clip of a media file (or of nothing, for generated clips) placed on a
// timeline. All values are in frames of the clip's rate. The track is the
// index of the sequence track the clip sits on.
class NxTimelineClip : public INxClip
{
public:
    struct Placement
    {
        qint64 inPoint = 0;
        qint64 outPoint = 0;
        qint64 position = 0;
    };

    NxTimelineClip(const QString& name, int type, NxRational frameRate, INxMediaObject* media,
                   Placement placement);

    QString name() const override;
    int type() const override;
    NxRational frameRate() const override;
    qint64 length() const override;
    INxMediaObject* media() const override;
    qint64 inPoint() const override;
    qint64 outPoint() const override;
    qint64 position() const override;
    qint64 timelinePosition(qint64 clipPosition) const override;

    void setName(const QString& name);
    void setPosition(qint64 position);
    int track() const;
    void setTrack(int track);

private:
    QString m_name;
    int m_type;
    NxRational m_frameRate;
    INxMediaObject* m_media;
    Placement m_placement;
    int m_track = 0;
};
