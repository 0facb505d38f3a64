#pragma once

#include "NxStudioMediaBin.h"
#include "NxTimelineClip.h"

#include <memory>
#include <vector>

class INxClip;
class NxStudioTimeline;

// A clip of a media file that may be linked to another clip of the same
// media: a video's picture and its sound. Linked clips are selected, moved
// and deleted together.
class NxStudioMediaClip final : public NxTimelineClip
{
public:
    using NxTimelineClip::NxTimelineClip;

    NxTimelineClip* link() const { return m_link; }
    void setLink(NxTimelineClip* link) { m_link = link; }

private:
    NxTimelineClip* m_link = nullptr;
};

// The clips the editor makes: from a bin item, from subtitle cues, from a
// title's text. Names are numbered per kind ("Title 3", "Subtitle 12").
namespace NxStudioClips
{
using Clips = std::vector<std::unique_ptr<NxTimelineClip>>;

constexpr qint64 TitleSeconds = 5;

// The item's media at `position`: a video with sound as its picture and a
// linked audio clip, other media as one clip; or the item's subtitle cues
// from `position` on; nothing for an item still being read.
Clips fromItem(const NxStudioMediaBin::Item& item, qint64 position, NxStudioTimeline& timeline);
// One clip of `media` of INxClip type `type`.
std::unique_ptr<NxStudioMediaClip> mediaClip(NxMediaFile* media, int type, NxTimelineClip::Placement placement);
// Links two media clips to each other.
void link(NxTimelineClip* first, NxTimelineClip* second);
// The clip linked to `clip`; null when none is.
NxTimelineClip* linkOf(const INxClip* clip);
// One subtitle clip per cue, at `origin` plus the cue's time.
Clips fromCues(const QVector<NxStudioCue>& cues, qint64 origin, NxStudioTimeline& timeline);
// Reads the subtitle file and puts its cues on the timeline from `origin`
// as one step; how many it placed, or 0 with `error` set.
int placeCues(const QString& path, qint64 origin, NxStudioTimeline& timeline, QString* error);
Clips title(const QString& text, qint64 position, NxStudioTimeline& timeline);
std::unique_ptr<NxTimelineClip> textClip(int type, const QString& name, qint64 position, qint64 length,
                                         const QString& text);

// What a clip says besides its name: a title's or subtitle's words, or
// nothing for media.
QString wordsOf(const INxClip* clip);
// A title's or subtitle's text as it was written, lines and all.
QString textOf(const INxClip* clip);
// Replaces a title's or subtitle's text.
void setText(NxTimelineClip* clip, const QString& text);
bool hasText(const INxClip* clip);
// A media clip whose file is missing.
bool isOffline(const INxClip* clip);
}
