#pragma once

#include "NxStudioMediaBin.h"

#include <memory>
#include <vector>

class INxClip;
class NxStudioTimeline;
class NxTimelineClip;

// The clips the editor makes: from a bin item, from subtitle cues, from a
// title's text. Names are numbered per kind ("Title 3", "Subtitle 12").
namespace NxStudioClips
{
using Clips = std::vector<std::unique_ptr<NxTimelineClip>>;

constexpr qint64 TitleSeconds = 5;

// One clip of the item's media at `position`, or the item's subtitle cues
// from `position` on; nothing for an item still being read.
Clips fromItem(const NxStudioMediaBin::Item& item, qint64 position, NxStudioTimeline& timeline);
// One subtitle clip per cue, at `origin` plus the cue's time.
Clips fromCues(const QVector<NxStudioCue>& cues, qint64 origin, NxStudioTimeline& timeline);
Clips title(const QString& text, qint64 position, NxStudioTimeline& timeline);

// What a clip says besides its name: a title's or subtitle's words, or
// nothing for media.
QString wordsOf(const INxClip* clip);
}
