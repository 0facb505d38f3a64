#include "NxSequence.h"

#include "NxTimelineClip.h"

NxSequence::NxSequence(const QString& name, NxRational frameRate)
    : m_name(name)
    , m_frameRate(frameRate)
{
}

NxSequence::~NxSequence() = default;

QString NxSequence::name() const { return m_name; }
NxRational NxSequence::frameRate() const { return m_frameRate; }

qint64 NxSequence::length() const
{
    qint64 end = 0;
    for (const auto& clip : m_clips)
        end = qMax(end, clip->position() + clip->length());
    return end;
}

QList<INxClip*> NxSequence::clips() const
{
    QList<INxClip*> result;
    result.reserve(int(m_clips.size()));
    for (const auto& clip : m_clips)
        result.append(clip.get());
    return result;
}

NxTimelineClip* NxSequence::addClip(std::unique_ptr<NxTimelineClip> clip)
{
    m_clips.push_back(std::move(clip));
    return m_clips.back().get();
}
