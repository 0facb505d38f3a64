#include "NxSubtitleClip.h"

NxSubtitleClip::NxSubtitleClip(const QString& name, NxRational frameRate, qint64 position, qint64 length)
    : NxTimelineClip(name, INxClip::Subtitle, frameRate, nullptr, {0, length, position})
{
}

QList<NxSubtitleSentence> NxSubtitleClip::sentences() const
{
    return m_sentences;
}

void NxSubtitleClip::addSentence(const QString& text, qint64 start, qint64 end)
{
    m_sentences.append({text, start, end});
}

void NxSubtitleClip::setSentences(const QList<NxSubtitleSentence>& sentences)
{
    m_sentences = sentences;
}
