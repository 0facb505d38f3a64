#include "NxDataColumns.h"
#include "NxSequence.h"
#include "NxStudioSubtitleFile.h"
#include "NxStudioTimeline.h"
#include "NxTimelineClip.h"

#include <QTest>

Q_DECLARE_METATYPE(NxSequence::Span)
using Spans = QVector<NxSequence::Span>;

namespace
{
constexpr NxRational Rate = NxStudioTimeline::FrameRate;

std::unique_ptr<NxTimelineClip> audioClip(qint64 position, qint64 length, int track = 0)
{
    auto clip = std::make_unique<NxTimelineClip>(QStringLiteral("audio"), INxClip::Audio, Rate, nullptr,
                                                 NxTimelineClip::Placement{0, length, position});
    clip->setTrack(track);
    return clip;
}

// A clip that says when it is freed.
class WatchedClip : public NxTimelineClip
{
public:
    explicit WatchedClip(bool* freed)
        : NxTimelineClip(QStringLiteral("watched"), INxClip::Title, Rate, nullptr, {0, 50, 0})
        , m_freed(freed)
    {
    }
    ~WatchedClip() override { *m_freed = true; }

private:
    bool* m_freed;
};

// Adds one clip in one step of its own.
NxTimelineClip* addOne(NxStudioTimeline& timeline, std::unique_ptr<NxTimelineClip> clip)
{
    std::vector<std::unique_ptr<NxTimelineClip>> clips;
    clips.push_back(std::move(clip));
    return timeline.addClips(std::move(clips), QStringLiteral("add")).first();
}

// "on|off <position> <track>"
QString where(const NxStudioTimeline& timeline, const NxTimelineClip* clip)
{
    return QStringLiteral("%1 %2 %3").arg(timeline.isOnTimeline(clip) ? "on" : "off").arg(clip->position()).arg(clip->track());
}
}

// The editor's timeline model: where new clips go, which moves are allowed,
// what undo brings back, how long clips live; and the subtitle files it reads.
class StudioTimelineTest : public QObject
{
    Q_OBJECT

private slots:
    void newClipsGoWhereTheyFit_data()
    {
        // Tracks: 0 video, 1 and 2 audio. Spans as (track, start, length); the
        // new spans' tracks are ignored.
        columns<Spans, Spans, int, QVector<int>, int>({"existing", "added", "preferred", "tracks", "trackCount"});
        const Spans firstBusy{{1, 0, 100}};
        QTest::newRow("a free stretch of the first audio track") << firstBusy << Spans{{0, 200, 50}} << -1 << QVector<int>{1} << 3;
        QTest::newRow("overlapping the first track's clip: the second track")
            << firstBusy << Spans{{0, 50, 100}} << -1 << QVector<int>{2} << 3;
        QTest::newRow("a group stays together when one of it overlaps")
            << firstBusy << Spans{{0, 120, 10}, {0, 90, 20}} << -1 << QVector<int>{2, 2} << 3;
        QTest::newRow("touching ends do not overlap") << firstBusy << Spans{{0, 100, 10}} << -1 << QVector<int>{1} << 3;
        QTest::newRow("the preferred track when it has room") << firstBusy << Spans{{0, 200, 10}} << 2 << QVector<int>{2} << 3;
        QTest::newRow("a preferred track of another kind is passed over")
            << firstBusy << Spans{{0, 200, 10}} << 0 << QVector<int>{1} << 3;
        QTest::newRow("a preferred track without room is passed over")
            << firstBusy << Spans{{0, 50, 10}} << 1 << QVector<int>{2} << 3;
        QTest::newRow("no audio track has room: a new one")
            << Spans{{1, 0, 100}, {2, 40, 100}} << Spans{{0, 60, 10}} << -1 << QVector<int>{3} << 4;
        QTest::newRow("spans overlapping each other spread over lanes")
            << Spans{} << Spans{{0, 0, 100}, {0, 50, 100}, {0, 200, 10}} << -1 << QVector<int>{1, 2, 1} << 3;
    }
    void newClipsGoWhereTheyFit()
    {
        QFETCH(Spans, existing); QFETCH(Spans, added); QFETCH(int, preferred); QFETCH(QVector<int>, tracks);
        QFETCH(int, trackCount);
        NxSequence sequence(QStringLiteral("sequence"), Rate);
        sequence.addTrack(NxSequence::VideoTrack);
        sequence.addTrack(NxSequence::AudioTrack);
        sequence.addTrack(NxSequence::AudioTrack);
        for (const NxSequence::Span& span : existing)
            sequence.insertClip(audioClip(span.start, span.length, span.track));
        QCOMPARE(sequence.placeSpans(NxSequence::AudioTrack, added, preferred), tracks);
        QCOMPARE(sequence.trackCount(), trackCount);
        for (int track : tracks)
            QCOMPARE(sequence.trackKind(track), NxSequence::AudioTrack);
    }

    void movesThatBreakTheTracksAreRefused()
    {
        NxStudioTimeline timeline;
        NxTimelineClip* first = addOne(timeline, audioClip(0, 100));
        NxTimelineClip* second = addOne(timeline, audioClip(200, 100));
        const int audio = first->track();
        QCOMPARE(second->track(), audio);
        const int steps = timeline.undoStack()->count();

        QVERIFY(!timeline.moveClips({{second, 50, audio}}));                // onto the first clip
        QVERIFY(!timeline.moveClips({{second, -1, audio}}));                // before the start
        QVERIFY(!timeline.moveClips({{second, 400, 0}}));                   // onto the video track
        QVERIFY(!timeline.moveClips({{first, 150, audio}, {second, 200, audio}})); // the moved clips onto each other
        QCOMPARE(timeline.undoStack()->count(), steps);
        QCOMPARE(where(timeline, second), QStringLiteral("on 200 %1").arg(audio));

        // Both move together, each into the place the other leaves.
        QVERIFY(timeline.moveClips({{first, 100, audio}, {second, 0, audio}}));
        QCOMPARE(where(timeline, first), QStringLiteral("on 100 %1").arg(audio));
        QCOMPARE(timeline.undoStack()->count(), steps + 1);
    }

    void undoAndRedoRestoreEveryEdit()
    {
        NxStudioTimeline timeline;
        NxTimelineClip* first = addOne(timeline, audioClip(0, 100));
        NxTimelineClip* second = addOne(timeline, audioClip(50, 100));
        const int firstTrack = first->track(), secondTrack = second->track();
        QVERIFY(secondTrack != firstTrack);
        QVERIFY(timeline.moveClips({{second, 300, firstTrack}}));
        timeline.setSelection({first, second});
        timeline.removeClips({first});
        QCOMPARE(timeline.selection(), QList<NxTimelineClip*>{second});

        // Both clips' places now, and before the removal, the move, the second and the first addition.
        const QStringList history = QStringLiteral("off 0 %1, on 300 %1|on 0 %1, on 300 %1|on 0 %1, on 50 %2|on 0 %1, off 50 %2|"
                                                   "off 0 %1, off 50 %2").arg(firstTrack).arg(secondTrack).split('|');
        const auto both = [&] { return where(timeline, first) + ", " + where(timeline, second); };
        QCOMPARE(both(), history.first());
        for (int step = 1; step < history.size(); ++step) {
            timeline.undoStack()->undo();
            QCOMPARE(both(), history.at(step));
        }
        QVERIFY(timeline.clips().isEmpty());
        for (int step = history.size() - 2; step > 0; --step) {
            timeline.undoStack()->redo();
            QCOMPARE(both(), history.at(step));
        }
        timeline.undoStack()->redo();
        QCOMPARE(timeline.clips(), QList<NxTimelineClip*>{second});
    }

    void removedClipsLiveUntilTheTimelineEnds()
    {
        bool freed = false;
        auto timeline = std::make_unique<NxStudioTimeline>();
        NxTimelineClip* clip = addOne(*timeline, std::make_unique<WatchedClip>(&freed));
        timeline->removeClips({clip});
        timeline->undoStack()->undo();
        timeline->undoStack()->undo();
        // A new edit drops the steps that could redo the clip's addition.
        addOne(*timeline, audioClip(0, 10));
        QVERIFY(!timeline->undoStack()->canRedo());
        QVERIFY(!timeline->isOnTimeline(clip));
        QVERIFY(!freed);
        timeline.reset();
        QVERIFY(freed);
    }

    void subtitleFilesAreReadCueByCue_data()
    {
        columns<QString, QStringList>({"text", "cues"});
        QTest::newRow("numbered cues") << "1\n00:00:01,000 --> 00:00:02,500\nHello\n\n2\n00:01:00,000 --> 00:01:01,000\nTwo\nlines\n"
                                       << QStringList{"1000-2500 Hello", "60000-61000 Two\nlines"};
        QTest::newRow("Windows line ends, no counters, a dot before the milliseconds")
            << "00:00:01.5 --> 00:00:02.25\r\nHi\r\n\r\n01:00:00,000 --> 01:00:00,040\r\nLate\r\n"
            << QStringList{"1500-2250 Hi", "3600000-3600040 Late"};
        QTest::newRow("a block without timing is skipped, an end before the start is the start")
            << "1\nnot a time\nText\n\n2\n00:00:05,000 --> 00:00:04,000\nBack\n" << QStringList{"5000-5000 Back"};
        QTest::newRow("no cue at all") << "just some text\n" << QStringList{};
    }
    void subtitleFilesAreReadCueByCue()
    {
        QFETCH(QString, text); QFETCH(QStringList, cues);
        QStringList read;
        for (const NxStudioCue& cue : NxStudioSubtitleFile::parse(text))
            read << QStringLiteral("%1-%2 %3").arg(cue.start).arg(cue.end).arg(cue.text);
        QCOMPARE(read, cues);
    }
};

QTEST_GUILESS_MAIN(StudioTimelineTest)
#include "tst_studiotimeline.moc"
