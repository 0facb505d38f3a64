#include "INxAppInfo.h"
#include "NMessageDialog.h"
#include "NxAppSettings.h"
#include "NxDataColumns.h"
#include "NxLoadingWidget2.h"
#include "NxMessageBoxWatch.h"
#include "NxPaintProbe.h"
#include "NxRemainingWidget.h"
#include "NxScriptedSpeechToTextManager.h"
#include "NxSpeechServiceNoTaskTip.h"
#include "NxSpeechServicePresenter.h"
#include "NxSpeechToTextHelper.h"
#include "NxSpeechToTextTable.h"
#include "NxSpeechToTextTableModel.h"
#include "NxSpeechToTextWidget.h"
#include "NxTestHome.h"
#include "NxTimelineClip.h"

#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

#include <memory>
#include <vector>

using Model = NxSpeechToTextTableModel;
using C = NxSkinColor;
using namespace NxPaintProbe;

namespace {
NGeneralSettings* settings() { return NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting(); }
}

class SpeechToTextTabTest : public QObject
{
    Q_OBJECT

    NxScriptedSpeechToTextManager* manager() const { return NxScriptedSpeechToTextManager::latest(); }
    NxSpeechToTextTable* table() const { return m_page->table(); }
    QWidget* viewport() const { return table()->viewport(); }
    Model* model() const { return table()->taskModel(); }
    NxSpeechToText::Task* task(int row) const { return Model::taskFromVariant(model()->index(row, 0).data(Qt::UserRole)); }
    QRect cell(int row, int column) const { return table()->visualRect(model()->index(row, column)); }
    QRect actionButton(int row) const { const QRect r = cell(row, Model::StatusColumn); return {r.right() - 28, r.y() + 4, 24, 24}; }
    QRect deleteButton(int row) const
    {
        const QRect r = cell(row, Model::OperationColumn);
        return {r.x() + 8, r.y() + (r.height() == 56 ? 16 : 4), 24, 24};
    }

    void openPage()
    {
        m_page = std::make_unique<NxSpeechToTextWidget>(m_helper.get(), nullptr);
        m_page->resize(890, 500);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    }

    int addTask(const QString& name = QStringLiteral("Intro"))
    {
        m_clips.push_back(std::make_unique<NxTimelineClip>(name, INxClip::Video, NxRational{25, 1}, nullptr,
                                                           NxTimelineClip::Placement{0, 250, 0}));
        m_helper->addClipTasks({m_clips.back().get()}, QStringLiteral("en-US"), false);
        return manager()->addedIds.last();
    }

    // Reports from the manager's thread; true once the page has taken the report in and every
    // row is as tall as what it shows (transcoding, uploading and transcribing rows carry a bar).
    bool deliver(int taskId, int state, int code = 0, int progress = 0)
    {
        QSignalSpy handled(m_helper.get(), &NxSpeechToTextHelper::sigTaskStateChanged);
        manager()->reportState(taskId, state, code, progress);
        return handled.wait(5000) && QTest::qWaitFor([this] {
            for (int row = 0; row < model()->rowCount(); ++row)
                if (table()->rowHeight(row) != (QList<int>{3, 5, 7}.contains(task(row)->status) ? 56 : 32))
                    return false;
            return true;
        }, 5000);
    }

    NxTestHome m_home;
    NxMapTranslator m_translator;
    std::unique_ptr<QObject> m_watch; // owns the pending box watches
    std::unique_ptr<NxSpeechServicePresenter> m_presenter;
    std::unique_ptr<NxSpeechToTextHelper> m_helper;
    std::unique_ptr<NxSpeechToTextWidget> m_page;
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;

private slots:
    void initTestCase() { NxScriptedSpeechToTextManager::install(); }

    void init()
    {
        QDir(INxAppInfo::getInstance()->getPath(INxAppInfo::SpeechToTextSubtitleFolder)).removeRecursively();
        settings()->SetSTTDeleteTaskNoTip(false);
        m_watch = std::make_unique<QObject>();
        m_presenter = std::make_unique<NxSpeechServicePresenter>();
        m_helper = std::make_unique<NxSpeechToTextHelper>(m_presenter.get());
        openPage();
    }

    void cleanup()
    {
        QCoreApplication::removeTranslator(&m_translator);
        m_translator.texts.clear();
        m_watch.reset();
        m_page.reset();
        m_helper.reset();
        m_presenter.reset();
        m_clips.clear();
    }

    void actionButtonFollowsTheFailureReason_data()
    {
        // icon: the button's skin image, empty for none; buys: the answer to a purchase
        columns<int, int, QByteArray, bool, int, bool, bool>(
            {"state", "code", "icon", "buys", "purchaseAsks", "retries", "spins"});
        const QByteArray retry("status-refresh-normal"), cart("cart-normal");
        QTest::newRow("network failure: retry button retries") << 7 << 8 << retry << false << 0 << true << true;
        QTest::newRow("transcode failure: retry button retries") << 5 << 2 << retry << false << 0 << true << true;
        QTest::newRow("lack of time: cart button asks to buy") << 9 << 1 << cart << false << 1 << false << false;
        QTest::newRow("lack of time, bought: retries") << 9 << 1 << cart << true << 1 << true << false;
        QTest::newRow("unrecognised content: no button") << 3 << 4 << QByteArray() << true << 0 << false << false;
        QTest::newRow("running: no button") << 8 << 0 << QByteArray() << true << 0 << false << false;
        QTest::newRow("completed: no button") << 10 << 0 << QByteArray() << true << 0 << false << false;
    }
    void actionButtonFollowsTheFailureReason()
    {
        QFETCH(int, state); QFETCH(int, code); QFETCH(QByteArray, icon); QFETCH(bool, buys);
        QFETCH(int, purchaseAsks); QFETCH(bool, retries); QFETCH(bool, spins);
        const int id = addTask();
        const int other = addTask(QStringLiteral("Other"));
        QVERIFY(deliver(id, state, code));
        manager()->calls.clear();
        int asks = 0;
        connect(m_helper.get(), &NxSpeechToTextHelper::sigPurchaseRefresh, this, [&](int seconds, bool& success, bool more) {
            ++asks;
            QVERIFY(seconds == 10 && !more);
            success = buys;
        }, Qt::DirectConnection);
        m_helper->slotRefreshTask(-1); // rows that are not there are ignored
        m_helper->slotRefreshTask(2);
        const QRect button = actionButton(0);
        const QImage before = shot(viewport());
        const QColor ground = before.pixel(button.right() + 2, button.top());
        const QImage expected = iconOn(icon.constData(), ground);
        QVERIFY(same(before.copy(button), expected));

        QTest::mousePress(viewport(), Qt::LeftButton, {}, button.center());
        const QImage pressed = shot(viewport()).copy(button);
        QCOMPARE(extent(pressed, pressed.rect(), role(C::VarneloX_Primary), 24) > 0, spins); // a spinner's arc
        if (!retries)
            QVERIFY(same(pressed, expected));
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, button.center());
        QCOMPARE(asks, purchaseAsks);
        QCOMPARE(manager()->calls, retries ? QStringList{QStringLiteral("retryTask:%1").arg(id)} : QStringList());
        if (!spins)
            return;

        // The spinner turns in the button's place until the next report of any task.
        QTRY_VERIFY(!same(shot(viewport()).copy(button), pressed));
        QVERIFY(deliver(other, 4, 0, 10)); // the retried task waits now, without a button
        QVERIFY(same(shot(viewport()).copy(button), iconOn("", ground)));
        QVERIFY(deliver(id, state, code));
        QVERIFY(same(shot(viewport()).copy(button), expected));
    }

    void doubleClickRevealsOnlyOverTheName_data()
    {
        // dx is counted from the name's end when fromNameEnd, else from the cell's left
        columns<int, bool, int, bool>({"column", "fromNameEnd", "dx", "reveals"});
        QTest::newRow("on the type icon") << 0 << false << 12 << true;
        QTest::newRow("on the name's last pixels") << 0 << true << -2 << true;
        QTest::newRow("just past the name") << 0 << true << 2 << false;
        QTest::newRow("duration column") << 1 << false << 20 << false;
    }
    void doubleClickRevealsOnlyOverTheName()
    {
        QFETCH(int, column); QFETCH(bool, fromNameEnd); QFETCH(int, dx); QFETCH(bool, reveals);
        QVERIFY(deliver(addTask(), 10));
        QSignalSpy revealed(m_helper.get(), &NxSpeechToTextHelper::sigFindMatterLocation);
        const QRect r = cell(0, column);
        const QPoint at(r.x() + dx + (fromNameEnd ? advance(task(0)->fileName) + 40 : 0), r.center().y());
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(revealed.count(), reveals ? 1 : 0);
        if (reveals)
            QCOMPARE(revealed.at(0).at(0).toString(), task(0)->destPath);
    }

    void deletePressAsksOnlyAboutRunningTasks_data()
    {
        // answer: the caption clicked, or Escape; empty: no box expected
        // asking: the delete question's setting before; refuses: the manager keeps the task
        columns<int, bool, QString, bool, bool, bool>({"state", "asking", "answer", "tick", "refuses", "removed"});
        QTest::newRow("completed: gone unasked") << 10 << true << "" << false << false << true;
        QTest::newRow("failed: gone unasked") << 5 << true << "" << false << false << true;
        QTest::newRow("running, ticked and confirmed: gone, stop asking") << 8 << true << "Confirm" << true << false << true;
        QTest::newRow("running, confirmed: gone, keep asking") << 8 << true << "Confirm" << false << false << true;
        QTest::newRow("running, ticked, then Escape: kept") << 8 << true << "Escape" << true << false << false;
        QTest::newRow("running, asking turned off: gone unasked") << 8 << false << "" << false << false << true;
        QTest::newRow("the manager refuses: kept") << 10 << true << "" << false << true << false;
    }
    void deletePressAsksOnlyAboutRunningTasks()
    {
        QFETCH(int, state); QFETCH(bool, asking); QFETCH(QString, answer); QFETCH(bool, tick); QFETCH(bool, refuses);
        QFETCH(bool, removed);
        settings()->SetSTTDeleteTaskNoTip(!asking);
        addTask(QStringLiteral("Keep"));
        const int id = addTask(QStringLiteral("Target"));
        QVERIFY(deliver(id, state, 0, 20));
        manager()->removeAnswer = !refuses;
        QSignalSpy counted(m_helper.get(), &NxSpeechToTextHelper::sigTaskCountChanged);
        QSignalSpy finished(m_helper.get(), &NxSpeechToTextHelper::sigTaskFinish);
        bool asked = false;
        whenMessageBoxOpens(m_watch.get(), [&](NMessageDialog* box) {
            asked = true;
            if (auto* check = box->findChild<QCheckBox*>(); check && tick)
                QTest::mouseClick(check, Qt::LeftButton);
            answerBox(box, answer);
        });
        const QImage before = shot(viewport());
        const QRect button = deleteButton(1);
        QVERIFY(same(before.copy(button), iconOn("icon24_delete-normal", before.pixel(button.right() + 2, button.top()))));

        m_helper->slotRemoveTask(2); // a row that is not there: nothing asked, nothing removed
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, button.center());
        QCOMPARE(asked, !answer.isEmpty());
        QCOMPARE(model()->rowCount(), removed ? 1 : 2);
        QCOMPARE(task(0)->fileName, QStringLiteral("Clip_Keep"));
        QCOMPARE(manager()->calls.contains(QStringLiteral("removeTask:%1").arg(id)), answer != "Escape");
        QCOMPARE(counted.count() + finished.count(), removed ? 2 : 0);
        QCOMPARE(settings()->GetSTTDeleteTaskNoTip(), !asking || (tick && removed));
    }

    void transcriptionBarIsAsLongAsTheProgress_data()
    {
        QTest::addColumn<int>("progress");
        for (int progress : {30, 100, 0})
            QTest::addRow("%d percent", progress) << progress;
    }
    void transcriptionBarIsAsLongAsTheProgress()
    {
        QFETCH(int, progress);
        QVERIFY(deliver(addTask(), 8, 0, progress));
        const QRect r = cell(0, Model::StatusColumn);
        const QRect track(r.x() + 12, r.y() + 38, r.width() - 16, 6);
        const QImage image = shot(viewport());
        int filled = 0; // accent pixels along the track's middle line
        for (int x = track.left(); x <= track.right(); ++x)
            filled += near(image.pixel(x, track.center().y()), role(C::VarneloX_Primary), 24);
        QVERIFY2(qAbs(filled - track.width() * progress / 100) <= 1, qPrintable(QString::number(filled)));
    }

    void failureTextIsTheTranslatedMessageAndDetail_data()
    {
        columns<int, int, QByteArray, QString, QString>({"state", "code", "message", "translation", "detail"});
        QTest::newRow("known code") << 7 << 5 << QByteArray("Upload failure") << "Could not send the file to the cloud" << "";
        QTest::newRow("unknown code adds its number")
            << 9 << 42 << QByteArray("Unknow error") << "Something unexpected happened, code " << "42";
    }
    void failureTextIsTheTranslatedMessageAndDetail()
    {
        QFETCH(int, state); QFETCH(int, code); QFETCH(QByteArray, message); QFETCH(QString, translation); QFETCH(QString, detail);
        m_translator.texts.insert({"QObject", message}, translation);
        QCoreApplication::installTranslator(&m_translator);
        QVERIFY(deliver(addTask(), state, code));
        const QRect r = cell(0, Model::StatusColumn);
        const QImage image = shot(viewport());
        const QColor danger = seen(role(C::Alert_Danger), image.pixel(r.right() - 40, r.top() + 1));
        // Right of the failure icon, left of the button.
        const int shown = extent(image, QRect(r.x() + 34, r.y(), r.width() - 34 - 48, r.height()), danger);
        QVERIFY2(spans(shown, translation + detail), qPrintable(QString::number(shown)));
    }

    void namesAreElidedToTheNameWidth_data()
    {
        columns<QString, int, int>({"name", "least", "most"});
        QTest::newRow("short name in full") << "Intro" << advance("Clip_Intro") - 5 << advance("Clip_Intro");
        QTest::newRow("60 characters cut to 155 px")
            << QStringLiteral("Interview with the director about the making of the film 2024").left(60) << 116 << 155;
    }
    void namesAreElidedToTheNameWidth()
    {
        QFETCH(QString, name); QFETCH(int, least); QFETCH(int, most);
        addTask(name);
        const QRect r = cell(0, Model::FileNameColumn);
        const QImage image = shot(viewport());
        const QColor ink = seen(role(C::Text_Icon_Secondary), image.pixel(r.right() - 2, r.top() + 1));
        const int shown = extent(image, QRect(r.x() + 40, r.y(), r.width() - 40, r.height()), ink);
        QVERIFY2(shown >= least && shown <= most, qPrintable(QString::number(shown)));
    }

    void durationHeaderShowsItsTitle_data()
    {
        columns<QString, QString>({"translation", "shown"});
        QTest::newRow("reads Duration") << "" << "Duration";
        QTest::newRow("follows its translation") << "Len" << "Len";
    }
    void durationHeaderShowsItsTitle()
    {
        QFETCH(QString, translation); QFETCH(QString, shown);
        m_translator.texts.insert({"NxSpeechToTextTableDelegate", "Duration"}, translation);
        if (!translation.isEmpty())
            QCoreApplication::installTranslator(&m_translator);
        QHeaderView* header = table()->horizontalHeader();
        const QRect section(header->sectionViewportPosition(1), 0, header->sectionSize(1) - 2, header->height());
        const QImage image = shot(header);
        const int width = extent(image, section, seen(role(C::Text_Icon_Secondary), image.pixel(section.x() + 2, 2)));
        QVERIFY2(spans(width, shown), qPrintable(QString::number(width)));
    }

    void noTaskTipCoversTheListWhileItIsEmpty()
    {
        QWidget* tip = table()->noTaskTip();
        QVERIFY(tip->isVisible());
        m_page->resize(700, 420);
        QTRY_COMPARE(viewport()->width(), 700);
        QTRY_COMPARE(tip->geometry(), viewport()->rect());

        const int id = addTask();
        QVERIFY(!tip->isVisible());
        QVERIFY(deliver(id, 10));
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, deleteButton(0).center());
        QCOMPARE(model()->rowCount(), 0);
        QVERIFY(tip->isVisible());

        addTask(); // a page opened over the tasks the controller kept
        openPage();
        QCOMPARE(model()->rowCount(), 1);
        QVERIFY(!table()->noTaskTip()->isVisible());
    }

    void balanceLineReadsTheRemainder_data()
    {
        columns<int, int, QString, QString>({"kind", "value", "information", "link"});
        QTest::newRow("seconds left") << 0 << 125 << "Time Remaining: 125 Seconds " << "Purchase more";
        QTest::newRow("characters, none left") << 1 << 0 << "Remaining available characters: 0 " << "Purchase more characters";
    }
    void balanceLineReadsTheRemainder()
    {
        QFETCH(int, kind); QFETCH(int, value); QFETCH(QString, information); QFETCH(QString, link);
        NxRemainingWidget characters(NxRemainingWidget::Characters, nullptr);
        NxRemainingWidget* line = kind == NxRemainingWidget::Seconds ? m_page->remainingLine() : &characters;
        line->setRemaining(value);
        QTextDocument document;
        document.setHtml(line->findChild<QLabel*>()->text());
        QString before, anchor;
        for (auto fragment = document.begin().begin(); !fragment.atEnd(); ++fragment)
            (fragment.fragment().charFormat().isAnchor() ? anchor : before) += fragment.fragment().text();
        QCOMPARE(before, information);
        QCOMPARE(anchor, link);
    }

    void refreshSpinsUntilTheBalanceArrives()
    {
        NxRemainingWidget* line = m_page->remainingLine();
        auto* button = line->findChild<QToolButton*>();
        auto* spinner = line->findChild<NxLoadingWidget2*>();
        QVERIFY(button->isVisible() && !spinner->isVisible());
        manager()->calls.clear();

        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(manager()->calls, QStringList{QStringLiteral("refresh:0")});
        QVERIFY(spinner->isVisible() && spinner->isSpinning() && !button->isVisible());
        const QImage spinning = shot(spinner);
        QVERIFY(extent(spinning, spinning.rect(), role(C::VarneloX_Primary), 24) > 0);

        manager()->reportRemainingFromWorker(30);
        QTRY_COMPARE(line->remaining(), 30);
        QVERIFY(!spinner->isVisible() && !spinner->isSpinning() && button->isVisible());
    }
};

QTEST_MAIN(SpeechToTextTabTest)
#include "tst_speechtotexttab.moc"
