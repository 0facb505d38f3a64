#include "NxStudioClips.h"

#include "INxTextClip.h"
#include "NxMediaFile.h"
#include "NxStudioTimeline.h"
#include "NxSubtitleClip.h"
#include "NxTitleClip.h"

#include <QStringList>

namespace NxStudioClips
{
Clips fromItem(const NxStudioMediaBin::Item& item, qint64 position, NxStudioTimeline& timeline)
{
    Clips clips;
    if (item.kind == NxStudioMediaBin::Subtitles)
        return fromCues(item.cues, position, timeline);
    if (!item.media)
        return clips;
    const int type = item.kind == NxStudioMediaBin::Video ? INxClip::Video : INxClip::Audio;
    clips.push_back(std::make_unique<NxTimelineClip>(item.media->displayName(), type, NxStudioTimeline::FrameRate,
                                                     item.media.get(),
                                                     NxTimelineClip::Placement{0, item.media->length(), position}));
    return clips;
}

Clips fromCues(const QVector<NxStudioCue>& cues, qint64 origin, NxStudioTimeline& timeline)
{
    Clips clips;
    for (const NxStudioCue& cue : cues) {
        const qint64 start = timeline.framesOf(cue.start);
        const qint64 length = qMax<qint64>(1, timeline.framesOf(cue.end) - start);
        auto clip = std::make_unique<NxSubtitleClip>(timeline.newClipName(INxClip::Subtitle),
                                                     NxStudioTimeline::FrameRate, origin + start, length);
        clip->addSentence(cue.text, 0, length);
        clips.push_back(std::move(clip));
    }
    return clips;
}

Clips title(const QString& text, qint64 position, NxStudioTimeline& timeline)
{
    auto clip = std::make_unique<NxTitleClip>(timeline.newClipName(INxClip::Title), NxStudioTimeline::FrameRate,
                                              position, timeline.framesOf(TitleSeconds * 1000));
    clip->addText(text);
    Clips clips;
    clips.push_back(std::move(clip));
    return clips;
}

QString wordsOf(const INxClip* clip)
{
    QStringList words;
    if (const auto* subtitle = dynamic_cast<const INxSubtitleClip*>(clip)) {
        for (const NxSubtitleSentence& sentence : subtitle->sentences())
            words.append(sentence.text);
    } else if (const auto* title = dynamic_cast<const INxTextTimelineClip*>(clip)) {
        if (const INxTitleDocument* document = title->titleDocument())
            for (INxTitleElement* element : document->elements())
                if (const auto* text = dynamic_cast<const INxTextClip*>(element))
                    words.append(text->text());
    }
    return words.join(QLatin1Char(' ')).simplified();
}
}
