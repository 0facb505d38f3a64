#pragma once

#include "INxTimeline.h"

#include <memory>
#include <vector>

class NxTimelineClip;

// A timeline that owns its clips; its length runs to the end of the last clip.
class NxSequence final : public INxTimeline
{
public:
    NxSequence(const QString& name, NxRational frameRate);
    ~NxSequence() override;

    QString name() const override;
    NxRational frameRate() const override;
    qint64 length() const override;
    QList<INxClip*> clips() const override;

    NxTimelineClip* addClip(std::unique_ptr<NxTimelineClip> clip);

private:
    QString m_name;
    NxRational m_frameRate;
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;
};
