#include "NxTimelineClip.h"

NxTimelineClip::NxTimelineClip(const QString& name, int type, NxRational frameRate,
                               INxMediaObject* media, Placement placement)
    : m_name(name)
    , m_type(type)
    , m_frameRate(frameRate)
    , m_media(media)
    , m_placement(placement)
{
}

QString NxTimelineClip::name() const { return m_name; }
int NxTimelineClip::type() const { return m_type; }
NxRational NxTimelineClip::frameRate() const { return m_frameRate; }
qint64 NxTimelineClip::length() const { return qMax<qint64>(0, m_placement.outPoint - m_placement.inPoint); }
INxMediaObject* NxTimelineClip::media() const { return m_media; }
qint64 NxTimelineClip::inPoint() const { return m_placement.inPoint; }
qint64 NxTimelineClip::outPoint() const { return m_placement.outPoint; }
qint64 NxTimelineClip::position() const { return m_placement.position; }
qint64 NxTimelineClip::timelinePosition(qint64 clipPosition) const { return m_placement.position + clipPosition; }
void NxTimelineClip::setName(const QString& name) { m_name = name; }
void NxTimelineClip::setPosition(qint64 position) { m_placement.position = position; }
int NxTimelineClip::track() const { return m_track; }
void NxTimelineClip::setTrack(int track) { m_track = track; }
