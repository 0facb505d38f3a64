#pragma once

#include "INxSubtitleClip.h"
#include "NxTimelineClip.h"

// A subtitle track's clip on the timeline: its sentences with their times.
class NxSubtitleClip final : public NxTimelineClip, public INxSubtitleClip
{
public:
    NxSubtitleClip(const QString& name, NxRational frameRate, qint64 position, qint64 length);

    QList<NxSubtitleSentence> sentences() const override;
    void addSentence(const QString& text, qint64 start, qint64 end);
    void setSentences(const QList<NxSubtitleSentence>& sentences);

private:
    QList<NxSubtitleSentence> m_sentences;
};
