#pragma once

#include <QList>
#include <QString>

// One sentence of a subtitle clip; times in the clip's frames from its start.
struct NxSubtitleSentence
{
    QString text;
    qint64 start = 0;
    qint64 end = 0;
};

// The subtitle side of a timeline clip (type 13); reached from INxClip by
// dynamic_cast.
class INxSubtitleClip
{
public:
    virtual ~INxSubtitleClip() = default;

    virtual QList<NxSubtitleSentence> sentences() const = 0;
};
