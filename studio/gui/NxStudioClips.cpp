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
    const NxTimelineClip::Placement placement{0, item.media->length(), position};
    const bool video = item.kind == NxStudioMediaBin::Video;
    clips.push_back(mediaClip(item.media.get(), video ? INxClip::Video : INxClip::Audio, placement));
    if (video && item.hasAudio) {
        clips.push_back(mediaClip(item.media.get(), INxClip::Audio, placement));
        link(clips.front().get(), clips.back().get());
    }
    return clips;
}

std::unique_ptr<NxStudioMediaClip> mediaClip(NxMediaFile* media, int type, NxTimelineClip::Placement placement)
{
    return std::make_unique<NxStudioMediaClip>(media->displayName(), type, NxStudioTimeline::FrameRate, media,
                                               placement);
}

void link(NxTimelineClip* first, NxTimelineClip* second)
{
    static_cast<NxStudioMediaClip*>(first)->setLink(second);
    static_cast<NxStudioMediaClip*>(second)->setLink(first);
}

NxTimelineClip* linkOf(const INxClip* clip)
{
    const auto* media = dynamic_cast<const NxStudioMediaClip*>(clip);
    return media ? media->link() : nullptr;
}

Clips fromCues(const QVector<NxStudioCue>& cues, qint64 origin, NxStudioTimeline& timeline)
{
    Clips clips;
    for (const NxStudioCue& cue : cues) {
        const qint64 start = timeline.framesOf(cue.start);
        const qint64 length = qMax<qint64>(1, timeline.framesOf(cue.end) - start);
        clips.push_back(textClip(INxClip::Subtitle, timeline.newClipName(INxClip::Subtitle), origin + start, length,
                                 cue.text));
    }
    return clips;
}

int placeCues(const QString& path, qint64 origin, NxStudioTimeline& timeline, QString* error)
{
    const QVector<NxStudioCue> cues = NxStudioSubtitleFile::read(path, error);
    if (!cues.isEmpty())
        timeline.addClips(fromCues(cues, origin, timeline), NxStudioTimeline::tr("Add subtitles"));
    return cues.size();
}

Clips title(const QString& text, qint64 position, NxStudioTimeline& timeline)
{
    Clips clips;
    clips.push_back(textClip(INxClip::Title, timeline.newClipName(INxClip::Title), position,
                             timeline.framesOf(TitleSeconds * 1000), text));
    return clips;
}

std::unique_ptr<NxTimelineClip> textClip(int type, const QString& name, qint64 position, qint64 length,
                                         const QString& text)
{
    if (type == INxClip::Title) {
        auto clip = std::make_unique<NxTitleClip>(name, NxStudioTimeline::FrameRate, position, length);
        clip->addText(text);
        return clip;
    }
    auto clip = std::make_unique<NxSubtitleClip>(name, NxStudioTimeline::FrameRate, position, length);
    clip->addSentence(text, 0, length);
    return clip;
}

namespace
{
QStringList textsOf(const INxClip* clip)
{
    QStringList texts;
    if (const auto* subtitle = dynamic_cast<const INxSubtitleClip*>(clip)) {
        for (const NxSubtitleSentence& sentence : subtitle->sentences())
            texts.append(sentence.text);
    } else if (const auto* title = dynamic_cast<const INxTextTimelineClip*>(clip)) {
        if (const INxTitleDocument* document = title->titleDocument())
            for (INxTitleElement* element : document->elements())
                if (const auto* text = dynamic_cast<const INxTextClip*>(element))
                    texts.append(text->text());
    }
    return texts;
}
}

QString wordsOf(const INxClip* clip)
{
    return textsOf(clip).join(QLatin1Char(' ')).simplified();
}

QString textOf(const INxClip* clip)
{
    return textsOf(clip).join(QLatin1Char('\n'));
}

void setText(NxTimelineClip* clip, const QString& text)
{
    if (auto* subtitle = dynamic_cast<NxSubtitleClip*>(clip)) {
        // One sentence keeps its times; several become one that lasts the clip.
        const QList<NxSubtitleSentence> sentences = subtitle->sentences();
        NxSubtitleSentence sentence =
            sentences.size() == 1 ? sentences.first() : NxSubtitleSentence{QString(), 0, clip->length()};
        sentence.text = text;
        subtitle->setSentences({sentence});
    } else if (auto* title = dynamic_cast<NxTitleClip*>(clip)) {
        for (INxTitleElement* element : title->elements()) {
            if (auto* words = dynamic_cast<NxTextElement*>(element)) {
                words->setText(text);
                return;
            }
        }
        title->addText(text);
    }
}

bool hasText(const INxClip* clip)
{
    return clip->type() == INxClip::Title || clip->type() == INxClip::Subtitle;
}

bool isOffline(const INxClip* clip)
{
    const auto* file = dynamic_cast<const NxMediaFile*>(clip->media());
    return file && file->isOffline();
}
}
