#include "NxMediaSpan.h"

#include "INxAbstractMedia.h"
#include "INxAbstractMediaItem.h"
#include "INxClip.h"
#include "INxMediaObject.h"
#include "INxTimeline.h"

#include <algorithm>

namespace
{
bool hasSound(const INxClip* clip)
{
    return clip->media() && (clip->type() == INxClip::Video || clip->type() == INxClip::Audio);
}

// Clip values are in frames of the clip's rate; a clip without one borrows
// the rate of what it sits on.
NxMediaSpan spanOf(const INxClip* clip, NxRational fallback, bool placed)
{
    const NxRational rate = clip->frameRate().isValid() ? clip->frameRate() : fallback;
    NxMediaSpan span;
    span.filePath = clip->media()->filePath();
    span.in = rate.framesToSecondsF(clip->inPoint());
    span.out = std::max(span.in, rate.framesToSecondsF(clip->outPoint()));
    span.at = placed ? rate.framesToSecondsF(clip->position()) : 0.0;
    return span;
}
} // namespace

std::vector<NxMediaSpan> NxMediaSpan::ofMaterial(const INxAbstractMedia* media)
{
    const auto* item = dynamic_cast<const INxAbstractMediaItem*>(media);
    const INxMediaObject* object = item ? item->media() : nullptr;
    NxMediaSpan span;
    span.filePath = object ? object->filePath() : QString();
    return {span};
}

std::vector<NxMediaSpan> NxMediaSpan::ofClip(const INxClip* clip)
{
    if (!hasSound(clip))
        return {};
    return {spanOf(clip, clip->media()->frameRate(), false)};
}

std::vector<NxMediaSpan> NxMediaSpan::ofTimeline(const INxTimeline* timeline)
{
    std::vector<NxMediaSpan> spans;
    for (const INxClip* clip : timeline->clips()) {
        if (!clip || !hasSound(clip))
            continue;
        // A video and its linked sound play one recording at one time: it is heard once.
        const NxMediaSpan span = spanOf(clip, timeline->frameRate(), true);
        const auto same = [&span](const NxMediaSpan& other) {
            return other.filePath == span.filePath && other.in == span.in && other.out == span.out && other.at == span.at;
        };
        if (std::none_of(spans.begin(), spans.end(), same))
            spans.push_back(span);
    }
    return spans;
}
