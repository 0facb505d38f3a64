#include "INxAppInfo.h"
#include "NxDataColumns.h"
#include "NxPaintProbe.h"
#include "NxSkinStyle.h"
#include "NxTestHome.h"
#include "NxVoiceAnimationHelper.h"
#include "NxVoiceItem.h"
#include "NxVoicePanel.h"

#include <QDir>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent>

#include <memory>

using namespace NxPaintProbe;

namespace
{
NxVoiceAnimationHelper* helper() { return NxVoiceAnimationHelper::instance(); }
NxSkinStyle* skin() { return NxSingleton<NxSkinStyle>::instance(); }

QString frameFolder(const QString& skinName, const QString& set)
{
    return INxAppInfo::getInstance()->getPath(INxAppInfo::ResourceFolder)
           + QStringLiteral("/Voice Animation/%1/%2").arg(skinName, set);
}

// Replaces a frame folder by files named as given; a colour name makes a
// one-colour frame, anything else a file that is no image.
void writeFrames(const QString& folder, const QStringList& files, const QStringList& contents)
{
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    for (int i = 0; i < files.size(); ++i) {
        const QString path = folder + '/' + files[i];
        if (QColor::isValidColor(contents[i])) {
            QImage frame(24, 24, QImage::Format_ARGB32);
            frame.fill(QColor(contents[i]));
            QVERIFY(frame.save(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a picture") > 0);
        }
    }
}

// Lets every frame read finish and hands its result to the helper.
void settleLoads()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::sendPostedEvents();
}

// What the animation shows tick by tick: a frame's colour name, "null" for
// an empty frame, "-" for a tick without one.
QStringList playTicks(int count)
{
    QStringList shown;
    QString pending = QStringLiteral("-");
    auto* timer = helper()->findChild<QTimer*>();
    QObject context;
    QObject::connect(helper(), &NxVoiceAnimationHelper::sigUpdate, &context, [&](const QImage& frame) {
        pending = frame.isNull() ? QStringLiteral("null") : QColor(frame.pixel(12, 12)).name();
    });
    QObject::connect(timer, &QTimer::timeout, &context, [&] { shown << pending; pending = QStringLiteral("-"); });
    helper()->start();
    while (shown.size() < count)
        QSignalSpy(timer, &QTimer::timeout).wait();
    helper()->stop();
    return shown.mid(0, count);
}

void hover(QWidget* tile, bool on)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(tile, on ? static_cast<QEvent*>(&enter) : &leave);
}
}

class VoiceTilesTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_panel = std::make_unique<NxVoicePanel>(nullptr);
        m_panel->SetBGColorType(NxSkinColor::Varnelo_Background_Surface1);
        m_panel->show();
    }

    void cleanup()
    {
        m_panel.reset();
        helper()->stop();
        skin()->SetSkinKind(0);
        settleLoads(); // no read of this test's frames may overlap the next test's
    }

    void tilesFillRowsOfFourAndTheGridGrowsARowAtATime_data()
    {
        columns<int, int>({"tiles", "minimumHeight"});
        QTest::newRow("an empty grid is a thin strip") << 0 << 6;
        QTest::newRow("one tile makes one row") << 1 << 46;
        QTest::newRow("four tiles fill the first row") << 4 << 46;
        QTest::newRow("a fifth tile opens a second row") << 5 << 98;
    }

    void tilesFillRowsOfFourAndTheGridGrowsARowAtATime()
    {
        QFETCH(int, tiles); QFETCH(int, minimumHeight);
        for (int i = 0; i < tiles; ++i)
            m_panel->addItem(i % 2, QStringLiteral("Voice %1").arg(i), 70 + i, QStringLiteral("code%1").arg(i));
        QCOMPARE(m_panel->minimumSize(), QSize(580, minimumHeight));
        m_panel->resize(m_panel->minimumSize());
        for (int i = 0; i < tiles; ++i)
            QTRY_COMPARE(m_panel->items()[i]->geometry(), QRect(148 * (i % 4), 3 + 52 * (i / 4), 136, 40));
    }

    // A press chooses, before any release; a double click chooses too and
    // asks once for a preview of that tile.
    void pressOrDoubleClickChoosesOneTile()
    {
        for (int i = 0; i < 5; ++i)
            m_panel->addItem(true, QStringLiteral("Voice"), i, QString());
        QSignalSpy preview(m_panel.get(), &NxVoicePanel::sigDoubleClicked);
        for (int chosen : {2, 4, 1}) {
            NxVoiceItem* tile = m_panel->items()[chosen];
            if (chosen == 1)
                QTest::mouseDClick(tile, Qt::LeftButton);
            else
                QTest::mousePress(tile, Qt::LeftButton);
            for (NxVoiceItem* item : m_panel->items())
                QCOMPARE(item->isSelected(), item == tile);
            QTest::mouseRelease(tile, Qt::LeftButton);
            QCOMPARE(m_panel->currentItem(), chosen == 1 ? tile : nullptr);
        }
        QCOMPARE(preview.size(), 1);
    }

    void tileLooksFollowTheMouseAndTheChoice_data()
    {
        // gestures: h: enter, p: press, r: release, l: leave, o: press another tile
        columns<QString, int, bool>({"gestures", "background", "primaryText"});
        QTest::newRow("a tile at rest sits on the panel surface") << "" << int(NxSkinColor::Varnelo_Background_Surface2) << false;
        QTest::newRow("a hovered tile takes the hover shade") << "h" << int(NxSkinColor::State_Hover) << true;
        QTest::newRow("a pressed tile takes the pressed shade") << "hp" << int(NxSkinColor::State_Pressed) << true;
        QTest::newRow("a chosen tile keeps its look when the mouse leaves") << "hprl" << int(NxSkinColor::State_Pressed) << true;
        QTest::newRow("choosing another tile puts it back at rest") << "hprlo" << int(NxSkinColor::Varnelo_Background_Surface2) << false;
    }

    void tileLooksFollowTheMouseAndTheChoice()
    {
        QFETCH(QString, gestures); QFETCH(int, background); QFETCH(bool, primaryText);
        m_panel->addItem(true, QStringLiteral("Lilli"), 1, QString());
        m_panel->addItem(false, QStringLiteral("Other"), 2, QString());
        NxVoiceItem* tile = m_panel->items()[0];
        QTRY_VERIFY(tile->isVisible());
        for (const QChar gesture : gestures) {
            switch (gesture.toLatin1()) {
            case 'h': hover(tile, true); break;
            case 'l': hover(tile, false); break;
            case 'p': QTest::mousePress(tile, Qt::LeftButton); break;
            case 'r': QTest::mouseRelease(tile, Qt::LeftButton); break;
            case 'o': QTest::mouseClick(m_panel->items()[1], Qt::LeftButton); break;
            }
        }
        const QImage image = shot(m_panel.get());
        const QPoint origin = tile->pos();
        const QColor ground = seen(role(NxSkinColor::NxColorType(background)), role(NxSkinColor::Varnelo_Background_Surface1));
        QVERIFY(near(image.pixel(origin + QPoint(70, 3)), ground, 2));
        // The name shows in primary ink when emphasised, else in secondary.
        const QRect name(origin + QPoint(40, 12), QSize(40, 16));
        QCOMPARE(extent(image, name, seen(role(NxSkinColor::Text_Icon_Primary), ground), 16) > 0, primaryText);
    }

    // Arabic reads a tile from the right: avatar, name, then the speaker at the left edge.
    void aRightToLeftTileIsMirrored()
    {
        m_panel->addItem(true, QStringLiteral("Lilli"), 1, QString());
        NxVoiceItem* tile = m_panel->items()[0];
        QTRY_VERIFY(tile->isVisible());
        const auto avatarColumns = [tile] {
            const QImage image = shot(tile);
            const QColor avatar = QImage(skin()->FormatResourceFile(QStringLiteral(":/Resource/male.png"))).pixelColor(12, 4);
            return std::pair(extent(image, QRect(0, 0, 40, image.height()), avatar, 8),
                             extent(image, QRect(image.width() - 40, 0, 40, image.height()), avatar, 8));
        };
        const auto [leftToRightStart, leftToRightEnd] = avatarColumns();
        tile->setLayoutDirection(Qt::RightToLeft);
        const auto [rightToLeftStart, rightToLeftEnd] = avatarColumns();
        QVERIFY2(leftToRightStart > 0 && leftToRightEnd == 0, qPrintable(QString::number(leftToRightEnd)));
        QVERIFY2(rightToLeftStart == 0 && rightToLeftEnd == leftToRightStart, qPrintable(QString::number(rightToLeftStart)));
    }

    void framesPlayInNameOrderWithAnEmptyTickBetweenPasses_data()
    {
        columns<QStringList, QStringList, QStringList>({"files", "contents", "ticks"});
        QTest::newRow("three frames loop with one empty tick")
            << QStringList{"icon24_voice0.png", "icon24_voice1.png", "icon24_voice2.png"}
            << QStringList{"#ff0000", "#00ff00", "#0000ff"}
            << QStringList{"#ff0000", "#00ff00", "#0000ff", "-", "#ff0000", "#00ff00", "#0000ff", "-", "#ff0000"};
        QTest::newRow("frames play in name order, not in the order written")
            << QStringList{"icon24_voice10.png", "icon24_voice08.png", "icon24_voice09.png"}
            << QStringList{"#0000ff", "#ff0000", "#00ff00"} << QStringList{"#ff0000", "#00ff00", "#0000ff", "-"};
        QTest::newRow("a file that is no image plays as an empty frame")
            << QStringList{"icon24_voice0.png", "icon24_voice1.png", "icon24_voice2.png"}
            << QStringList{"#ff0000", "garbage", "#0000ff"} << QStringList{"#ff0000", "null", "#0000ff", "-", "#ff0000"};
        QTest::newRow("an empty folder never shows a frame") << QStringList() << QStringList() << QStringList{"-", "-", "-"};
    }

    void framesPlayInNameOrderWithAnEmptyTickBetweenPasses()
    {
        QFETCH(QStringList, files); QFETCH(QStringList, contents); QFETCH(QStringList, ticks);
        writeFrames(frameFolder("dark", "icon24_voice"), files, contents);
        helper()->loadResource();
        settleLoads();
        QCOMPARE(playTicks(ticks.size()), ticks);
    }

    void skinSwitchDuringAReadKeepsOnlyTheNewestFrames()
    {
        writeFrames(frameFolder("dark", "icon24_voice"), {"icon24_voice0.png"}, {"#ff0000"});
        writeFrames(frameFolder("light", "icon24_voice"), {"icon24_voice0.png"}, {"#0000ff"});
        QThreadPool* pool = QThreadPool::globalInstance();
        const int threads = pool->maxThreadCount();
        pool->setMaxThreadCount(1);

        // The dark read ends, but its frames are still on their way when the
        // skin switches; the light read waits behind a busy pool meanwhile.
        helper()->loadResource();
        pool->waitForDone();
        QSemaphore gate;
        QFuture<void> busy = QtConcurrent::run([&gate] { gate.acquire(); });
        const auto reopen = qScopeGuard([&] {
            gate.release();
            busy.waitForFinished();
            pool->setMaxThreadCount(threads);
        });
        skin()->SetSkinKind(1);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(playTicks(2), (QStringList{"-", "-"}));
        gate.release();
        settleLoads();
        QCOMPARE(playTicks(2), (QStringList{"#0000ff", "-"}));
    }

    void onlyTheDoubleClickedTileAnimatesUntilStoppedOrCleared()
    {
        writeFrames(frameFolder("dark", "icon24_voice"), {"icon24_voice0.png"}, {"#ff0000"});
        helper()->loadResource();
        settleLoads();
        for (int i = 0; i < 3; ++i)
            m_panel->addItem(true, QStringLiteral("Voice"), i, QString());
        QTRY_COMPARE(m_panel->items()[2]->pos(), QPoint(296, 3));
        QTest::mouseDClick(m_panel->items()[2], Qt::LeftButton);
        // The speaker's 24 px square, 32 px left of a tile's right edge.
        auto speaker = [this](int tile) {
            return shot(m_panel.get()).copy(QRect(m_panel->items()[tile]->pos() + QPoint(135 - 32, 8), QSize(24, 24)));
        };
        const QImage idle = speaker(2), neighbour = speaker(1);
        helper()->start();
        QTRY_COMPARE(QColor(speaker(2).pixel(12, 12)).name(), QStringLiteral("#ff0000"));
        QVERIFY(same(speaker(1), neighbour));
        m_panel->stopAnimation();
        QVERIFY(!helper()->isRunning());
        QVERIFY(same(speaker(2), idle));

        // Clearing forgets every tile, the previewed one too, and shrinks the grid.
        helper()->start();
        m_panel->clearItems();
        QVERIFY(m_panel->items().isEmpty() && !m_panel->currentItem());
        QVERIFY(!helper()->isRunning());
        QCOMPARE(m_panel->minimumSize(), QSize(580, 6));
        QCOMPARE(m_panel->findChildren<NxVoiceItem*>().size(), 0);
    }

private:
    NxTestHome m_home;
    std::unique_ptr<NxVoicePanel> m_panel;
};

QTEST_MAIN(VoiceTilesTest)
#include "tst_voicetiles.moc"
