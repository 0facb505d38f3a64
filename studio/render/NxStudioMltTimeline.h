#pragma once

#include <QImage>
#include <QObject>
#include <QTemporaryDir>

#include <map>
#include <memory>

class INxClip;
class NxStudioTimeline;

namespace Mlt
{
class Producer;
class Profile;
class Tractor;
}

// The timeline as MLT plays and renders it: a tractor rebuilt from the
// editor's model whenever it changes. Tracks are stacked video, audio,
// titles, subtitles; the lowest video track is the base, black where it has
// no clip, each picture track above is blended over it and every sound is
// mixed. Titles and subtitles are images made by NxStudioOverlay, so the
// monitor shows what an export will hold.
//
// Lives on the GUI thread. A reader on another thread (the monitor's frame
// renderer, a playback or export consumer) holds shared(): its own reference
// to the tractor of the moment and to the profile it was made on, which a
// rebuild replaces but never changes, and which outlive the mirror itself.
// A tractor keeps one playing position, so it has one reader at a time:
// frame() and producer() are for when no other thread reads the tractor.
class NxStudioMltTimeline : public QObject
{
    Q_OBJECT

public:
    static constexpr int SampleRate = 48000;
    static constexpr int Channels = 2;

    // `subtitlesDrawn` as setSubtitlesDrawn(), known from the start so that
    // a render without them never draws them.
    explicit NxStudioMltTimeline(NxStudioTimeline* timeline, QObject* parent = nullptr, bool subtitlesDrawn = true);
    ~NxStudioMltTimeline() override;

    // 25 frames per second, the frame size of the first video on the
    // timeline, else 1280×720.
    Mlt::Profile& profile();
    // The whole timeline: at least one frame long, black where nothing is.
    Mlt::Producer& producer();
    qint64 length() const;
    std::shared_ptr<Mlt::Producer> shared() const;

    // Subtitle clips are drawn into the picture unless this is false (an
    // export that carries them as a subtitle stream instead).
    void setSubtitlesDrawn(bool drawn);
    // Stops following the timeline: the tractor stays as it is for good.
    void freeze();

    // The picture at `position` at the profile's size.
    QImage frame(qint64 position);
    // The picture of any of these producers at `position`, `size` large; on any thread.
    static QImage picture(Mlt::Producer& producer, qint64 position, QSize size);

signals:
    void rebuilt();

private:
    Mlt::Producer* mediaProducer(const QString& path, int track);
    Mlt::Producer* overlayProducer(const INxClip* clip);
    QSize frameSize();
    void rebuild();

    NxStudioTimeline* m_timeline;
    std::shared_ptr<Mlt::Profile> m_profile;
    std::shared_ptr<Mlt::Tractor> m_tractor;
    // Opened files and drawn texts, kept across rebuilds: a rebuild after an
    // edit then costs no file opening and no drawing.
    std::map<std::pair<QString, int>, std::unique_ptr<Mlt::Producer>> m_media; // by file and track
    std::map<QString, std::unique_ptr<Mlt::Producer>> m_overlays; // by type, frame size and text
    QTemporaryDir m_overlayFolder;
    bool m_subtitlesDrawn = true;
    bool m_frozen = false;
};
