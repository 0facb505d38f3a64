#include "NxStudioMltTimeline.h"

#include "INxMediaObject.h"
#include "NxStudioClips.h"
#include "NxStudioMlt.h"
#include "NxStudioOverlay.h"
#include "NxStudioTimeline.h"
#include "NxTimelineClip.h"

#include <Mlt.h>

#include <QCryptographicHash>

#include <algorithm>

namespace
{
constexpr QSize DefaultFrameSize(1280, 720);
constexpr int DecodeThreads = 2;

// Qt's PNG quality 80 is zlib's fastest level: an overlay is mostly
// transparent, so it still packs small, and a hundred subtitles are written
// in a fraction of the time the default level takes.
constexpr int FastPngQuality = 80;

// MLT's "hide" values for a playlist on a tractor's track.
constexpr int HidePicture = 1;
constexpr int HideSound = 2;

// Bottom to top: pictures of later kinds cover those of earlier ones.
constexpr NxSequence::TrackKind Stacking[] = {NxSequence::VideoTrack, NxSequence::AudioTrack, NxSequence::TitleTrack,
                                              NxSequence::SubtitleTrack};

// A video's sound plays from its linked audio clip, so every track is one or the other.
bool showsPicture(NxSequence::TrackKind kind) { return kind != NxSequence::AudioTrack; }

QByteArray local(const QString& text) { return text.toUtf8(); }

void plant(Mlt::Tractor& tractor, Mlt::Profile& profile, const char* service, int track)
{
    Mlt::Transition transition(profile, service);
    transition.set("always_active", 1);
    if (qstrcmp(service, "mix") == 0)
        transition.set("sum", 1);
    tractor.plant_transition(transition, 0, track);
}

std::shared_ptr<Mlt::Profile> makeProfile(QSize size)
{
    auto profile = std::make_shared<Mlt::Profile>();
    profile->set_frame_rate(NxStudioTimeline::FrameRate.num, NxStudioTimeline::FrameRate.den);
    profile->set_sample_aspect(1, 1);
    profile->set_progressive(1);
    profile->set_colorspace(709);
    profile->set_width(size.width());
    profile->set_height(size.height());
    profile->set_display_aspect(size.width(), size.height());
    profile->set_explicit(1);
    return profile;
}
}

NxStudioMltTimeline::NxStudioMltTimeline(NxStudioTimeline* timeline, QObject* parent, bool subtitlesDrawn)
    : QObject(parent)
    , m_timeline(timeline)
    , m_subtitlesDrawn(subtitlesDrawn)
{
    NxStudioMlt::init();
    m_profile = makeProfile(DefaultFrameSize);
    rebuild();
    connect(timeline, &NxStudioTimeline::changed, this, [this] {
        if (!m_frozen)
            rebuild();
    });
}

NxStudioMltTimeline::~NxStudioMltTimeline()
{
    // Tracks hold references to the cached producers; the tractor goes first.
    m_tractor.reset();
    m_media.clear();
    m_overlays.clear();
}

Mlt::Profile& NxStudioMltTimeline::profile() { return *m_profile; }
Mlt::Producer& NxStudioMltTimeline::producer() { return *m_tractor; }
qint64 NxStudioMltTimeline::length() const { return m_tractor->get_length(); }

std::shared_ptr<Mlt::Producer> NxStudioMltTimeline::shared() const
{
    // The producers of a tractor point at its profile without owning it.
    return std::shared_ptr<Mlt::Producer>(new Mlt::Producer(*m_tractor),
                                          [profile = m_profile](Mlt::Producer* producer) { delete producer; });
}

void NxStudioMltTimeline::setSubtitlesDrawn(bool drawn)
{
    if (m_subtitlesDrawn == drawn)
        return;
    m_subtitlesDrawn = drawn;
    rebuild();
}

void NxStudioMltTimeline::freeze() { m_frozen = true; }

QImage NxStudioMltTimeline::frame(qint64 position)
{
    return picture(*m_tractor, position, QSize(m_profile->width(), m_profile->height()));
}

QImage NxStudioMltTimeline::picture(Mlt::Producer& producer, qint64 position, QSize size)
{
    producer.seek(int(qBound<qint64>(0, position, producer.get_length() - 1)));
    std::unique_ptr<Mlt::Frame> frame(producer.get_frame());
    mlt_image_format format = mlt_image_rgba;
    int width = size.width();
    int height = size.height();
    if (frame)
        frame->set("rescale.interp", "bilinear");
    const uint8_t* image = frame ? frame->get_image(format, width, height) : nullptr;
    if (!image || format != mlt_image_rgba)
        return {};
    return QImage(image, width, height, QImage::Format_RGBA8888).convertToFormat(QImage::Format_RGB32);
}

Mlt::Producer* NxStudioMltTimeline::mediaProducer(const QString& path, int track)
{
    // One per track: a decoder reads one place of its file at a time, and
    // only on one track are the clips of a file never heard at once.
    auto& slot = m_media[{path, track}];
    if (!slot) {
        auto producer = std::make_unique<Mlt::Producer>(*m_profile, local(QStringLiteral("avformat:") + path).constData());
        // A clip plays one side of its file; the other is another clip's, or nobody's.
        if (!producer->is_valid())
            return nullptr;
        const bool picture = showsPicture(m_timeline->sequence()->trackKind(track));
        producer->set(picture ? "audio_index" : "video_index", -1);
        // Frame threads fill a pipeline that every seek empties again: two
        // decode a seek's run of frames fastest on a small machine.
        producer->set("threads", DecodeThreads);
        slot = std::move(producer);
    }
    return slot.get();
}

Mlt::Producer* NxStudioMltTimeline::overlayProducer(const INxClip* clip)
{
    const QString text = NxStudioClips::wordsOf(clip);
    const QSize size(m_profile->width(), m_profile->height());
    const QString key = QString::number(clip->type()) + QLatin1Char('/') + QString::number(size.width())
                        + QLatin1Char('x') + QString::number(size.height()) + QLatin1Char('/') + text;
    auto& slot = m_overlays[key];
    if (!slot) {
        if (!m_overlayFolder.isValid())
            return nullptr;
        const QString file = m_overlayFolder.filePath(
            QString::fromLatin1(QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex())
            + QStringLiteral(".png"));
        if (!NxStudioOverlay::render(clip->type(), text, size).save(file, "PNG", FastPngQuality))
            return nullptr;
        auto producer = std::make_unique<Mlt::Producer>(*m_profile, local(QStringLiteral("qimage:") + file).constData());
        if (!producer->is_valid())
            return nullptr;
        slot = std::move(producer);
    }
    // A still lasts as long as the longest clip that shows it.
    if (slot->get_length() < clip->length()) {
        slot->set("length", int(clip->length()));
        slot->set("out", int(clip->length() - 1));
    }
    return slot.get();
}

QSize NxStudioMltTimeline::frameSize()
{
    const NxTimelineClip* first = nullptr;
    for (const NxTimelineClip* clip : m_timeline->clips())
        if (clip->type() == INxClip::Video && clip->media() && (!first || clip->position() < first->position()))
            first = clip;
    if (!first)
        return DefaultFrameSize;
    Mlt::Producer* producer = mediaProducer(first->media()->filePath(), first->track());
    const QSize size(producer ? producer->get_int("width") : 0,
                     producer ? producer->get_int("height") : 0);
    // Encoders want even sizes.
    return size.isEmpty() ? DefaultFrameSize : QSize(size.width() & ~1, size.height() & ~1);
}

void NxStudioMltTimeline::rebuild()
{
    const QSize size = frameSize();
    if (size != QSize(m_profile->width(), m_profile->height())) {
        // A new profile: readers of the old tractor keep theirs as it was.
        m_tractor.reset();
        m_media.clear();
        m_overlays.clear();
        m_profile = makeProfile(size);
    }

    const NxSequence* sequence = m_timeline->sequence();
    const int length = int(qMax<qint64>(1, sequence->length()));
    auto tractor = std::make_shared<Mlt::Tractor>(*m_profile);

    // Tracks bottom to top. The lowest is a video track, empty when the
    // sequence has none: its pictures need no blending, and its gaps are
    // black pictures (an empty stretch would show MLT's white test card).
    Mlt::Producer black(*m_profile, "color:black");
    black.set("length", length);
    QVector<int> stack;
    for (NxSequence::TrackKind kind : Stacking) {
        if (kind == NxSequence::SubtitleTrack && !m_subtitlesDrawn)
            continue;
        for (int track = 0; track < sequence->trackCount(); ++track)
            if (sequence->trackKind(track) == kind)
                stack.append(track);
    }
    if (stack.isEmpty() || sequence->trackKind(stack.first()) != NxSequence::VideoTrack)
        stack.prepend(-1);

    QList<NxTimelineClip*> clips = m_timeline->clips();
    std::sort(clips.begin(), clips.end(),
              [](const NxTimelineClip* a, const NxTimelineClip* b) { return a->position() < b->position(); });
    for (int index = 0; index < stack.size(); ++index) {
        const int track = stack.at(index);
        const NxSequence::TrackKind kind = track < 0 ? NxSequence::VideoTrack : sequence->trackKind(track);
        Mlt::Playlist playlist(*m_profile);
        const auto gap = [&](qint64 frames) {
            if (index == 0)
                playlist.append(black, 0, int(frames - 1));
            else
                playlist.blank(int(frames - 1));
        };
        qint64 end = 0;
        for (const NxTimelineClip* clip : clips) {
            if (clip->track() != track)
                continue;
            if (clip->position() > end)
                gap(clip->position() - end);
            Mlt::Producer* producer = kind == NxSequence::TitleTrack || kind == NxSequence::SubtitleTrack
                                          ? overlayProducer(clip)
                                      : clip->media() ? mediaProducer(clip->media()->filePath(), track)
                                                      : nullptr;
            const int in = producer && producer->get_length() > 0 ? int(clip->inPoint()) : 0;
            if (producer)
                playlist.append(*producer, in, in + int(clip->length()) - 1);
            else // offline media: a gap of its length
                gap(clip->length());
            end = clip->position() + clip->length();
        }
        playlist.set("hide", showsPicture(kind) ? HideSound : HidePicture);
        if (index == 0) {
            // The base spans the timeline, so the tractor is as long as it.
            if (end < length)
                gap(length - end);
        } else {
            plant(*tractor, *m_profile, showsPicture(kind) ? "qtblend" : "mix", index);
        }
        tractor->set_track(playlist, index);
    }
    m_tractor = std::move(tractor);
    emit rebuilt();
}
