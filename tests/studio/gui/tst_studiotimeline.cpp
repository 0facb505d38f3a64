#include "NxDataColumns.h"
#include "NxMediaFile.h"
#include "NxSequence.h"
#include "NxStudioClips.h"
#include "NxStudioMediaBin.h"
#include "NxStudioProject.h"
#include "NxStudioSubtitleFile.h"
#include "NxStudioTimeline.h"
#include "NxTestFiles.h"
#include "NxTestMedia.h"
#include "NxTimelineClip.h"

#include <QRegularExpression>
#include <QTemporaryDir>
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

// Media of `seconds` that has sound or not, as the bin reads it.
NxStudioProbe probed(double seconds, bool sound, NxStudioProbe::Kind kind = NxStudioProbe::Video)
{
    NxStudioProbe probe;
    probe.kind = kind;
    probe.seconds = seconds;
    probe.hasAudio = sound;
    return probe;
}

// Puts a bin item on the timeline as the editor does, in one step.
QList<NxTimelineClip*> place(NxStudioTimeline& timeline, const NxStudioMediaBin::Item& item, qint64 position)
{
    return timeline.addClips(NxStudioClips::fromItem(item, position, timeline), QStringLiteral("add"));
}

// Everything a project keeps of the bin and timeline, a line each.
QStringList describe(const NxStudioMediaBin& bin, const NxStudioTimeline& timeline)
{
    QStringList lines;
    for (int row = 0; row < bin.rowCount(); ++row) {
        const NxStudioMediaBin::Item* item = bin.itemAt(row);
        lines << QStringLiteral("media %1 %2 %3 sound:%4 offline:%5")
                     .arg(item->path).arg(item->kind).arg(item->seconds).arg(item->hasAudio).arg(item->offline);
    }
    const QList<NxTimelineClip*> clips = timeline.clips();
    for (const NxTimelineClip* clip : clips) {
        const auto* file = dynamic_cast<const NxMediaFile*>(clip->media());
        lines << QStringLiteral("clip %1 %2 %3-%4 at %5 on %6 [%7] link:%8 file:%9 offline:%10")
                     .arg(clip->type()).arg(clip->name()).arg(clip->inPoint()).arg(clip->outPoint())
                     .arg(clip->position()).arg(clip->track()).arg(NxStudioClips::textOf(clip))
                     .arg(clips.indexOf(NxStudioClips::linkOf(clip))).arg(file ? file->filePath() : QString())
                     .arg(NxStudioClips::isOffline(clip));
    }
    for (int track = 0; track < timeline.sequence()->trackCount(); ++track)
        lines << QStringLiteral("track %1").arg(timeline.sequence()->trackKind(track));
    return lines << QStringLiteral("playhead %1").arg(timeline.playhead());
}

// A title clip's object, 25 frames long.
QByteArray title(const QByteArray& position, const QByteArray& track = "0", const QByteArray& text = R"("hi")")
{
    return R"({"type":"title","name":"T","text":)" + text + R"(,"track":)" + track + R"(,"in":0,"out":25,"position":)"
           + position + "}";
}

// A project file with these clips, media and tracks (titles on track 0).
QByteArray projectJson(const QByteArray& clips, const QByteArray& media = "[]",
                       const QByteArray& tracks = R"(["title","audio","video"])", const QByteArray& format = "1")
{
    return R"({"format":)" + format + R"(,"skin":0,"playhead":0,"media":)" + media + R"(,"tracks":)" + tracks
           + R"(,"clips":)" + clips + "}";
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

    void aVideoWithSoundComesWithItsLinkedSound()
    {
        NxStudioMediaBin bin(Rate, nullptr);
        NxStudioTimeline timeline;
        const NxStudioMediaBin::Item* withSound = bin.add(QStringLiteral("/nowhere/a.mp4"), probed(2.0, true));
        const NxStudioMediaBin::Item* silent = bin.add(QStringLiteral("/nowhere/b.mp4"), probed(1.0, false));
        QCOMPARE(place(timeline, *silent, 200).size(), 1);
        const QList<NxTimelineClip*> pair = place(timeline, *withSound, 10);
        QCOMPARE(pair.size(), 2);
        NxTimelineClip* video = pair.at(0);
        NxTimelineClip* audio = pair.at(1);
        QCOMPARE(audio->type(), int(INxClip::Audio));
        QCOMPARE(audio->media(), video->media());
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(audio->inPoint()).arg(audio->outPoint()).arg(audio->position()),
                 QStringLiteral("0 50 10"));
        QCOMPARE(timeline.sequence()->trackKind(audio->track()), NxSequence::AudioTrack);

        timeline.setSelection({audio});
        QCOMPARE(timeline.selection().size(), 2);
        const int steps = timeline.undoStack()->count();
        QVERIFY(timeline.moveClips({{video, 60, video->track()}}));
        QCOMPARE(where(timeline, audio), QStringLiteral("on 60 %1").arg(audio->track()));
        // The sound is refused with its picture: the silent video's clip is in the way.
        QVERIFY(!timeline.moveClips({{video, 180, video->track()}}));
        QCOMPARE(where(timeline, audio), QStringLiteral("on 60 %1").arg(audio->track()));
        timeline.removeClips({audio});
        QVERIFY(!timeline.isOnTimeline(video));
        QCOMPARE(timeline.undoStack()->count(), steps + 2);
        timeline.undoStack()->undo();
        QVERIFY(timeline.isOnTimeline(video) && timeline.isOnTimeline(audio));
        timeline.undoStack()->undo();
        QCOMPARE(where(timeline, audio), QStringLiteral("on 10 %1").arg(audio->track()));
        QCOMPARE(video->position(), 10);
    }

    void aProjectOpensAsItWasSaved()
    {
        QTemporaryDir folder;
        const QString picture = folder.filePath("picture.y4m");
        const QString sound = folder.filePath("sound.wav");
        QVERIFY(writeBytes(picture, silentVideo()) && writeBytes(sound, "gone soon"));
        NxStudioMediaBin bin(Rate, nullptr);
        NxStudioTimeline timeline;
        place(timeline, *bin.add(picture, probed(1.0, true)), 25);
        place(timeline, *bin.add(sound, probed(3.0, true, NxStudioProbe::Audio)), 100);
        timeline.addClips(NxStudioClips::title(QStringLiteral("Opening"), 0, timeline), QStringLiteral("title"));
        timeline.addClips(NxStudioClips::fromCues({{1000, 2500, QStringLiteral("Two\nlines")}}, 0, timeline),
                          QStringLiteral("subtitles"));
        timeline.setPlayhead(42);
        const QString path = folder.filePath("film.nxproj");
        QString error;
        QVERIFY2(NxStudioProject::save(path, bin, timeline, 1, &error), qPrintable(error));
        // Media inside the project's folder are named relative to it: the folder moves as a whole.
        QVERIFY(bytesOf(path).contains(R"("path": "picture.y4m")"));
        QVERIFY(QFile::remove(sound) && QFile::remove(picture));

        NxStudioMediaBin openedBin(Rate, nullptr);
        NxStudioTimeline opened;
        int skin = 0;
        QVERIFY2(NxStudioProject::load(path, openedBin, opened, &skin, &error), qPrintable(error));
        QCOMPARE(skin, 1);
        QCOMPARE(describe(openedBin, opened), describe(bin, timeline).replaceInStrings(
                                                  QRegularExpression("((picture\\.y4m|sound\\.wav).*offline):0"), "\\1:1"));
        QVERIFY(NxStudioClips::isOffline(opened.clips().at(2)));
        // New clips go on numbering after the loaded ones.
        QCOMPARE(opened.newClipName(INxClip::Title), QStringLiteral("Title 2"));

        // The missing files found elsewhere: a stand-in must be of the item's kind, as long as its clips
        // need, and have sound where they play it. One that is takes over all the item says of its file.
        const NxStudioMediaBin::Item* video = openedBin.itemAt(0);
        const NxStudioMediaBin::Item* audio = openedBin.itemAt(1);
        const QString shortTone = folder.filePath("short.wav"), longTone = folder.filePath("long.wav");
        const QString silent = folder.filePath("silent.mp4"), voiced = folder.filePath("voiced.mp4");
        QVERIFY(NxTestMedia::tone(shortTone, 0.1) && NxTestMedia::tone(longTone, 4.0)
                && NxTestMedia::video(silent, {64, 48}, 2.0, false) && NxTestMedia::video(voiced, {64, 48}, 2.0, true));
        const QStringList offline = describe(openedBin, opened);
        const std::tuple<const NxStudioMediaBin::Item*, QString, QString> refusals[] = {
            {audio, voiced, "the file holds another kind of media"},
            {audio, shortTone, "it is shorter than its clips on the timeline need"},
            {video, silent, "it has no sound, and its clips on the timeline play sound"}};
        for (const auto& [item, standIn, reason] : refusals) {
            const NxStudioTimeline::MediaUse use = opened.useOf(item->media.get());
            QVERIFY(!openedBin.relink(item->id, standIn, use.frames, use.sound, &error));
            QCOMPARE(error, reason);
        }
        QCOMPARE(describe(openedBin, opened), offline);
        for (const auto& [item, standIn] : {std::pair(audio, longTone), std::pair(video, voiced)}) {
            const NxStudioTimeline::MediaUse use = opened.useOf(item->media.get());
            QVERIFY2(openedBin.relink(item->id, standIn, use.frames, use.sound, &error), qPrintable(error));
        }
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(audio->seconds).arg(audio->media->length()).arg(audio->name),
                 QStringLiteral("4 100 long.wav"));
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(video->seconds).arg(video->media->length()).arg(video->hasAudio),
                 QStringLiteral("2 50 1"));
        QVERIFY(!NxStudioClips::isOffline(opened.clips().at(2)));
        QCOMPARE(static_cast<NxMediaFile*>(opened.clips().at(2)->media())->filePath(), longTone);
    }

    void aDamagedProjectChangesNothing_data()
    {
        columns<QByteArray, QString>({"file", "message"});
        const QByteArray whole = projectJson("[" + title("0") + "]");
        QTest::newRow("truncated") << whole.left(whole.size() / 2) << "is not a project file (";
        QTest::newRow("empty") << QByteArray() << "it is empty";
        QTest::newRow("a list at the top") << QByteArray("[1,2]") << "no object at its top";
        QTest::newRow("no format") << QByteArray(R"({"clips":[]})") << R"(no "format" version)";
        QTest::newRow("a future format") << projectJson("[]", "[]", "[]", "7")
                                         << "saved by a newer nx-studio (project format 7; this one reads format 1)";
        QTest::newRow("clips of the wrong type") << projectJson(R"("many")") << R"("clips" is not a list)";
        QTest::newRow("a text that is a number") << projectJson("[" + title("0", "0", "5") + "]") << R"(clip 0: "text" is not a text)";
        QTest::newRow("a huge position") << projectJson("[" + title("1e300") + "]")
                                         << R"(clip 0: "position" must be a whole number from 0 to )";
        QTest::newRow("a negative time") << projectJson("[" + title("-25") + "]")
                                         << R"(clip 0: "position" must be a whole number from 0 to )";
        QTest::newRow("a fraction of a frame") << projectJson("[" + title("0.5") + "]")
                                               << R"(clip 0: "position" must be a whole number)";
        QTest::newRow("overlapping clips") << projectJson("[" + title("0") + "," + title("10") + "]")
                                           << "clip 1 overlaps clip 0 on track 0";
        QTest::newRow("a track that does not exist") << projectJson("[" + title("0", "9") + "]")
                                                     << "clip 0: it is on track 9, which does not exist";
        QTest::newRow("a clip on a track of another kind") << projectJson("[" + title("0", "2") + "]")
                                                           << "clip 0: a title clip cannot be on a video track";
        QTest::newRow("a path out of the folder")
            << projectJson("[]", R"([{"path":"../../etc/passwd","kind":"audio","frames":25,"hasAudio":true}])")
            << R"(media 0: the path "../../etc/passwd" steps out of its folder)";
        QTest::newRow("a system file")
            << projectJson("[]", R"([{"path":"/proc/self/environ","kind":"audio","frames":25,"hasAudio":true}])")
            << "media 0: the path \"/proc/self/environ\" names a system file";
        QTest::newRow("a clip past its media's end")
            << projectJson(R"([{"type":"audio","name":"A","media":0,"track":1,"in":0,"out":26,"position":0}])",
                           R"([{"path":"/nowhere/a.wav","kind":"audio","frames":25,"hasAudio":true}])")
            << R"(clip 0: "out" lies past the end of media 0)";
        QTest::newRow("a link to nowhere")
            << projectJson(R"([{"type":"audio","name":"A","media":0,"track":1,"in":0,"out":25,"position":0,"link":0}])",
                           R"([{"path":"/nowhere/a.wav","kind":"audio","frames":25,"hasAudio":true}])")
            << R"(clip 0: "link" must name the other clip of its media)";
    }
    void aDamagedProjectChangesNothing()
    {
        QFETCH(QByteArray, file); QFETCH(QString, message);
        QTemporaryDir folder;
        const QString path = folder.filePath("damaged.nxproj");
        QVERIFY(writeBytes(path, file));
        NxStudioMediaBin bin(Rate, nullptr);
        NxStudioTimeline timeline;
        place(timeline, *bin.add(QStringLiteral("/nowhere/kept.mp4"), probed(1.0, false)), 0);
        const QStringList before = describe(bin, timeline);
        int skin = 1;
        QString error;
        QVERIFY(!NxStudioProject::load(path, bin, timeline, &skin, &error));
        QVERIFY2(error.startsWith(QStringLiteral("damaged.nxproj cannot be opened: ")), qPrintable(error));
        QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(describe(bin, timeline), before);
        QCOMPARE(skin, 1);
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
