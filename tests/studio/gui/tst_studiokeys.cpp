#include "NxStudioClips.h"
#include "NxStudioMainWindow.h"
#include "NxStudioMediaBin.h"
#include "NxStudioMediaBinView.h"
#include "NxStudioTimeline.h"
#include "NxStudioTimelineView.h"
#include "NxTestHome.h"
#include "NxTestMedia.h"
#include "NxTimelineClip.h"

#include <QAccessible>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

namespace
{
constexpr qint64 Second = NxStudioTimeline::FrameRate.num;
}

// The media bin and the timeline driven by keys alone, and the timeline's
// clips as a screen reader reads them.
class StudioKeysTest : public QObject
{
    Q_OBJECT

    NxTestHome m_home;
    QTemporaryDir m_media;
    std::unique_ptr<NxStudioMainWindow> m_window;

    NxStudioTimeline* timeline() const { return m_window->timeline(); }
    NxStudioMediaBinView* bin() const { return m_window->binView(); }
    NxStudioTimelineView* view() const { return m_window->timelineView(); }
    QString media(const char* name) const { return m_media.filePath(QString::fromLatin1(name)); }

    // The key, pressed where the keyboard focus is.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // Imports the files and waits until they are read; their ids.
    QList<int> import(const QStringList& paths)
    {
        m_window->importFiles(paths);
        NxStudioMediaBin* items = m_window->bin();
        QList<int> ids;
        if (QTest::qWaitFor([items] { return items->readingCount() == 0; }))
            for (int row = 0; row < items->rowCount(); ++row)
                ids.append(items->itemAt(row)->id);
        return ids;
    }
    // A tone at 0, a video with its sound at 2 s, another tone at 5 s; nothing selected.
    QList<NxTimelineClip*> placeThree()
    {
        const QList<int> ids = import({media("tone.wav"), media("video.mp4"), media("other.wav")});
        const qint64 frames[] = {0, 2 * Second, 5 * Second};
        for (int index = 0; index < ids.size(); ++index)
            m_window->addToTimeline({ids.at(index)}, frames[index]);
        timeline()->setSelection({});
        view()->setFocus();
        return timeline()->clips();
    }
    QList<qint64> positions(const QList<NxTimelineClip*>& clips) const
    {
        QList<qint64> result;
        for (const NxTimelineClip* clip : clips)
            result.append(clip->position());
        return result;
    }

private slots:
    void initTestCase()
    {
        qputenv("PULSE_SERVER", "unix:/nonexistent/nx-no-sound-output");
        QVERIFY(NxTestMedia::tone(media("tone.wav"), 1));
        QVERIFY(NxTestMedia::tone(media("other.wav"), 1, 440));
        QVERIFY(NxTestMedia::video(media("video.mp4"), QSize(64, 48), 2, true));
    }
    void init()
    {
        m_window = std::make_unique<NxStudioMainWindow>();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void theBinIsWalkedAddedFromAndEmptiedByKeys()
    {
        const QList<int> ids = import({media("tone.wav"), media("video.mp4")});
        QCOMPARE(ids.size(), 2);
        bin()->setFocus();
        press(Qt::Key_End);
        QCOMPARE(bin()->selectedIds(), QList<int>{ids.at(1)});
        press(Qt::Key_Home);
        QCOMPARE(bin()->selectedIds(), QList<int>{ids.at(0)});

        // Enter puts the file at the playhead.
        timeline()->setPlayhead(Second);
        press(Qt::Key_Return);
        QCOMPARE(timeline()->clips().size(), 1);
        NxTimelineClip* tone = timeline()->clips().first();
        QCOMPARE(tone->position(), Second);

        // Delete in the bin takes the bin's file, not the timeline's selection (the clips Enter
        // just placed): the file's clips go along, and one undo brings all back in place.
        press(Qt::Key_End);
        press(Qt::Key_Enter);
        QCOMPARE(timeline()->clips().size(), 3);
        press(Qt::Key_Delete);
        QCOMPARE(m_window->bin()->rowCount(), 1);
        QCOMPARE(timeline()->clips(), QList<NxTimelineClip*>{tone});
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_window->bin()->itemAt(1)->id, ids.at(1));
        QCOMPARE(timeline()->clips().size(), 3);

        // Select All selects the bin's files, leaving the timeline's selection.
        const QList<NxTimelineClip*> chosen = timeline()->selection();
        press(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(bin()->selectedIds().size(), 2);
        QCOMPARE(timeline()->selection(), chosen);
    }

    void timelineClipsAreChosenMovedAndDeletedByKeys()
    {
        const QList<NxTimelineClip*> clips = placeThree();
        QCOMPARE(clips.size(), 4);
        NxTimelineClip* tone = clips.at(0);
        NxTimelineClip* picture = clips.at(1);
        NxTimelineClip* sound = clips.at(2);
        NxTimelineClip* other = clips.at(3);

        // From the playhead on the first track with clips, the video's; down to its sound; along the audio track.
        press(Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(view()->currentClip(), picture);
        QCOMPARE(timeline()->selection().size(), 2);
        press(Qt::Key_Down);
        QCOMPARE(view()->currentClip(), sound);
        press(Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(timeline()->selection(), QList<NxTimelineClip*>{other});
        press(Qt::Key_Left, Qt::ControlModifier);
        press(Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(timeline()->selection(), QList<NxTimelineClip*>{tone});

        // A frame, a second; where it would overlap the video's sound, it stays; one undo step per key.
        press(Qt::Key_Right);
        QCOMPARE(tone->position(), 1);
        press(Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(tone->position(), 1);
        press(Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(tone->position(), 0);
        press(Qt::Key_Right, Qt::ControlModifier);
        press(Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(positions({tone, picture, sound, other}), (QList<qint64>{0, Second, Second, 5 * Second}));
        QCOMPARE(timeline()->undoStack()->undoText(), QStringLiteral("Move clips"));
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(positions({tone, picture, sound, other}), (QList<qint64>{0, 2 * Second, 2 * Second, 5 * Second}));
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(tone->position(), 1);
        QCOMPARE(timeline()->playhead(), qint64(0));

        // Delete takes the pair off; Escape leaves nothing selected.
        press(Qt::Key_Delete);
        QCOMPARE(timeline()->clips(), (QList<NxTimelineClip*>{tone, other}));
        QCOMPARE(timeline()->undoStack()->undoText(), QStringLiteral("Delete clips"));
        press(Qt::Key_Right, Qt::ControlModifier);
        press(Qt::Key_Escape);
        QVERIFY(timeline()->selection().isEmpty());
    }

    void leftStepsThePlayheadUnlessAListOrAClipClaimsIt()
    {
        placeThree();
        timeline()->setPlayhead(9);
        press(Qt::Key_Right, Qt::ControlModifier);
        press(Qt::Key_Left);
        QCOMPARE(timeline()->playhead(), qint64(9));

        bin()->setFocus();
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End})
            press(key);
        QCOMPARE(timeline()->playhead(), qint64(9));

        // Tab goes from the bin straight to the timeline.
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), view());
        // Where nothing in particular has the focus, the window's keys play.
        QApplication::focusWidget()->clearFocus();
        QTest::keyClick(m_window.get(), Qt::Key_Right);
        QCOMPARE(timeline()->playhead(), qint64(10));
    }

    void screenReadersReadTheClipsAndTheirSelection()
    {
        placeThree();
        timeline()->addClips(NxStudioClips::title(QStringLiteral("Welcome"), Second / 2, *timeline()),
                             QStringLiteral("title"));
        timeline()->setSelection({});
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view());
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), 5);
        QAccessibleInterface* title = list->child(0);
        QCOMPARE(title->role(), QAccessible::ListItem);
        QCOMPARE(title->text(QAccessible::Name), QStringLiteral("Title 1: Welcome"));
        QCOMPARE(title->text(QAccessible::Description), QStringLiteral("Titles 1, from 0:00.5, 0:05.0 long"));
        QAccessibleInterface* other = list->child(4);
        QCOMPARE(other->text(QAccessible::Name), QStringLiteral("other"));
        QCOMPARE(other->text(QAccessible::Description), QStringLiteral("Audio 1, from 0:05.0, 0:01.0 long"));
        QCOMPARE(list->indexOfChild(other), 4);
        QVERIFY(!other->state().selected);

        for (int row = 0; row < 3; ++row)
            press(Qt::Key_Down);
        press(Qt::Key_Right, Qt::ControlModifier);
        QVERIFY(other->state().selected && other->state().focused);
        QCOMPARE(list->focusChild(), other);

        // Its action chooses it, as the keys do.
        title->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        QVERIFY(title->state().selected && !other->state().selected);
    }
};

QTEST_MAIN(StudioKeysTest)
#include "tst_studiokeys.moc"
