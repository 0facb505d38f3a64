#include "NxMediaFile.h"
#include "NxStudioClips.h"
#include "NxStudioMltTimeline.h"
#include "NxStudioMonitor.h"
#include "NxStudioTimeline.h"
#include "NxTestMedia.h"
#include "NxTimelineClip.h"

#include <Mlt.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace
{
constexpr NxRational Rate = NxStudioTimeline::FrameRate;
// A rebuild and a picture take seconds under a sanitizer that unwinds every allocation.
constexpr int Rendering = 30000;

// The mean over a region's pixels of `value(x, y)`.
template <typename Value>
double mean(const QRect& region, Value value)
{
    double sum = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            sum += value(x, y);
    return sum / (region.width() * region.height());
}

// The share of a region's pixels that two pictures show clearly otherwise.
double changed(const QImage& a, const QImage& b, const QRect& region)
{
    return mean(region, [&](int x, int y) { return std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 60; });
}

// Mean brightness (0–255) of a region of an image.
double brightness(const QImage& image, const QRect& region)
{
    return mean(region, [&](int x, int y) { return qGray(image.pixel(x, y)); });
}

// Root mean square of the mixed sound of one frame, in 16-bit units. Read as
// playback would, after the frame before it: a decoder just moved may give
// its first frame silent.
double loudness(Mlt::Producer& producer, int position)
{
    producer.seek(position - 1);
    double rms = 0;
    for (int at = position - 1; at <= position; ++at) {
        std::unique_ptr<Mlt::Frame> frame(producer.get_frame());
        mlt_audio_format format = mlt_audio_s16;
        int frequency = NxStudioMltTimeline::SampleRate;
        int channels = NxStudioMltTimeline::Channels;
        int samples = mlt_audio_calculate_frame_samples(25, frequency, at);
        const auto* pcm = static_cast<const qint16*>(frame->get_audio(format, frequency, channels, samples));
        double sum = 0;
        for (int i = 0; pcm && i < samples * channels; ++i)
            sum += double(pcm[i]) * pcm[i];
        rms = std::sqrt(sum / qMax(1, samples * channels));
    }
    return rms;
}

// Mean difference (0–255) between a widget's picture area and a frame scaled to it.
double distance(const QImage& shot, const QRect& area, const QImage& frame)
{
    const QImage part = shot.copy(area).convertToFormat(QImage::Format_RGB32);
    const QImage scaled = frame.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return mean(part.rect(), [&](int x, int y) { return std::abs(qGray(part.pixel(x, y)) - qGray(scaled.pixel(x, y))); });
}

void add(NxStudioTimeline& timeline, NxStudioClips::Clips clips)
{
    timeline.addClips(std::move(clips), QStringLiteral("add"));
}

// All of the media as one clip at `position`, in a step of its own.
void addMedia(NxStudioTimeline& timeline, NxMediaFile& media, int type, qint64 position = 0)
{
    NxStudioClips::Clips clips;
    clips.push_back(std::make_unique<NxTimelineClip>(media.displayName(), type, Rate, &media,
                                                     NxTimelineClip::Placement{0, media.length(), position}));
    add(timeline, std::move(clips));
}
}

// The timeline as MLT renders it: the picture's size, what covers what, and
// which sounds are heard when.
class StudioRenderTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QVERIFY(NxTestMedia::video(m_folder.filePath("clip.mp4"), QSize(320, 240), 3, false));
        QVERIFY(NxTestMedia::tone(m_folder.filePath("tone.wav"), 1, 880));
        QVERIFY(NxTestMedia::tone(m_folder.filePath("low.wav"), 1, 550));
    }

    void pictureFollowsTheFirstVideoAndTextsAreDrawnOverIt()
    {
        NxStudioTimeline timeline;
        NxStudioMltTimeline mirror(&timeline);
        // Nothing on the timeline: black.
        QCOMPARE(brightness(mirror.frame(0), QRect(0, 0, mirror.profile().width(), mirror.profile().height())), 0.0);

        NxMediaFile media(m_folder.filePath("clip.mp4"), INxClip::Video, Rate, 75);
        addMedia(timeline, media, INxClip::Video);
        QCOMPARE(QSize(mirror.profile().width(), mirror.profile().height()), QSize(320, 240));
        QCOMPARE(mirror.length(), 75);
        QVERIFY(brightness(mirror.frame(10), QRect(0, 0, 320, 240)) > 40);

        // A subtitle over frames 25–49 lights its foot of the picture only then.
        add(timeline, NxStudioClips::fromCues({{1000, 2000, QStringLiteral("Hello there")}}, 0, timeline));
        const QImage subtitled = mirror.frame(30);
        mirror.setSubtitlesDrawn(false);
        const QImage bare = mirror.frame(30);
        QVERIFY(changed(subtitled, bare, QRect(0, 200, 320, 40)) > 0.01);
        QCOMPARE(changed(subtitled, bare, QRect(0, 0, 320, 180)), 0.0);
        mirror.setSubtitlesDrawn(true);
        QCOMPARE(changed(mirror.frame(30), subtitled, QRect(0, 0, 320, 240)), 0.0);

        // A title sits in the middle, white over black once the video ends.
        add(timeline, NxStudioClips::title(QStringLiteral("THE END"), 80, timeline));
        QCOMPARE(mirror.length(), 80 + 125);
        const QImage end = mirror.frame(100);
        QVERIFY(brightness(end, QRect(0, 0, 320, 60)) < 1);
        QVERIFY(brightness(end, QRect(40, 100, 240, 40)) > 20);
    }

    void everySoundIsMixedAtItsTime()
    {
        NxStudioTimeline timeline;
        NxStudioMltTimeline mirror(&timeline);
        NxMediaFile tone(m_folder.filePath("tone.wav"), INxClip::Audio, Rate, 25);
        NxMediaFile low(m_folder.filePath("low.wav"), INxClip::Audio, Rate, 25);
        addMedia(timeline, tone, INxClip::Audio, 50);
        const double one = loudness(mirror.producer(), 60);
        QVERIFY(one > 1000);
        QCOMPARE(loudness(mirror.producer(), 10), 0.0);

        // Another tone as loud on a second track at the same time: both are
        // heard, adding up as unrelated sounds do (√2).
        addMedia(timeline, low, INxClip::Audio, 50);
        const double two = loudness(mirror.producer(), 60);
        QVERIFY2(two > one * 1.3 && two < one * 1.5, qPrintable(QStringLiteral("%1 then %2").arg(one).arg(two)));
    }

    void theMonitorFollowsThePlayheadAndTheClips()
    {
        NxStudioTimeline timeline;
        NxMediaFile media(m_folder.filePath("clip.mp4"), INxClip::Video, Rate, 75);
        addMedia(timeline, media, INxClip::Video);
        NxStudioMonitor monitor(&timeline);
        monitor.resize(480, 400);
        monitor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&monitor));
        // Pictures to compare with come from a mirror of their own: the
        // monitor's tractor is its renderer's alone while that runs.
        NxStudioMltTimeline reference(&timeline);
        const auto shows = [&](qint64 position) {
            if (monitor.shownPosition() != position)
                return false;
            const QImage shot = monitor.grab().toImage();
            const QRect area = monitor.pictureRect();
            // Scaled to fit, in the picture's proportions, touching two sides.
            return qAbs(area.width() * 3 - area.height() * 4) <= 4 && (area.width() == 480 || area.top() == 0)
                   && distance(shot, area, reference.frame(position)) < 1; // the next frame is 2 away
        };
        timeline.setPlayhead(40);
        QTRY_VERIFY_WITH_TIMEOUT(shows(40), Rendering);
        const QImage before = monitor.grab().toImage().copy(monitor.pictureRect());
        QVERIFY(distance(monitor.grab().toImage(), monitor.pictureRect(), reference.frame(5)) > 5);

        // A title added under the playhead is seen without moving it.
        add(timeline, NxStudioClips::title(QStringLiteral("HELLO"), 30, timeline));
        QTRY_VERIFY_WITH_TIMEOUT(shows(40) && monitor.grab().toImage().copy(monitor.pictureRect()) != before, Rendering);

        // A burst of seeks ends on the last one.
        for (qint64 position = 0; position < 60; ++position)
            timeline.setPlayhead(position);
        QTRY_VERIFY_WITH_TIMEOUT(shows(59), Rendering);
    }

    void aPictureRenderedForADeletedMonitorIsDropped()
    {
        NxStudioTimeline timeline;
        NxMediaFile media(m_folder.filePath("clip.mp4"), INxClip::Video, Rate, 75);
        addMedia(timeline, media, INxClip::Video);
        for (int round = 0; round < 5; ++round) {
            auto doomed = std::make_unique<NxStudioMonitor>(&timeline);
            timeline.setPlayhead(10 + round);
            doomed.reset();
        }
        // A monitor that outlives its results: theirs would have arrived too.
        NxStudioMonitor survivor(&timeline);
        QSignalSpy shown(&survivor, &NxStudioMonitor::frameShown);
        timeline.setPlayhead(30);
        QTRY_VERIFY(shown.contains({qint64(30)}));
    }

private:
    QTemporaryDir m_folder;
};

QTEST_MAIN(StudioRenderTest)
#include "tst_studiorender.moc"
