#include "INxAppInfo.h"
#include "NMessageDialog.h"
#include "NxAppSettings.h"
#include "NxDataColumns.h"
#include "NxEventRecorder.h"
#include "NxLoadingWidget2.h"
#include "NxMessageBoxWatch.h"
#include "NxPaintProbe.h"
#include "NxRemainingWidget.h"
#include "NxScriptedSpeechToTextManager.h"
#include "NxScriptedTextToSpeechManager.h"
#include "NxSpeechServiceNoTaskTip.h"
#include "NxSpeechServicePresenter.h"
#include "NxSpeechToTextHelper.h"
#include "NxSpeechToTextTable.h"
#include "NxSpeechToTextTableModel.h"
#include "NxSpeechToTextWidget.h"
#include "NxTestHome.h"
#include "NxTextToSpeechHelper.h"
#include "NxTextToSpeechTable.h"
#include "NxTextToSpeechTableModel.h"
#include "NxTextToSpeechWidget.h"
#include "NxTitleClip.h"

#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QToolTip>

#include <memory>
#include <type_traits>
#include <vector>

using Model = NxSpeechToTextTableModel; // both tables number their columns alike
using C = NxSkinColor;
using namespace NxPaintProbe;

namespace {
NGeneralSettings* settings() { return NxAppSettings::GetInstance()->GetSettings()->GetGeneralSetting(); }
enum Service : bool { TextToSpeech = false, SpeechToText = true };
}

// The task tab of either service, shown, over a controller with a scripted manager.
class TaskPagesTest : public QObject
{
    Q_OBJECT

    NxScriptedSpeechToTextManager* sttManager() const { return NxScriptedSpeechToTextManager::latest(); }
    NxScriptedTextToSpeechManager* ttsManager() const { return NxScriptedTextToSpeechManager::latest(); }
    QStringList& calls() const { return m_stt ? sttManager()->calls : ttsManager()->calls; }
    NxTaskTableView* table() const { return m_table; }
    QWidget* viewport() const { return table()->viewport(); }
    QAbstractItemModel* model() const { return table()->model(); }
    QVariant record(int row) const { return model()->index(row, 0).data(Qt::UserRole); }
    NxSpeechToText::Task* sttTask(int row) const { return NxSpeechToTextTableModel::taskFromVariant(record(row)); }
    NxTextToSpeech::Task* ttsTask(int row) const { return NxTextToSpeechTableModel::taskFromVariant(record(row)); }
    int status(int row) const { return m_stt ? sttTask(row)->status : ttsTask(row)->status; }
    QRect cell(int row, int column) const { return table()->visualRect(model()->index(row, column)); }
    QRect actionButton(int row) const { const QRect r = cell(row, Model::StatusColumn); return {r.right() - 28, r.y() + 4, 24, 24}; }
    QRect deleteButton(int row) const
    {
        const QRect r = cell(row, Model::OperationColumn);
        return {r.x() + 8, r.y() + (r.height() == 56 ? 16 : 4), 24, 24};
    }
    QObject* helper() const { return m_stt ? static_cast<QObject*>(m_stt.get()) : m_tts.get(); }
    template <typename Body>
    void onHelper(const Body& body) { m_stt ? body(m_stt.get()) : body(m_tts.get()); }

    void open(Service service)
    {
        if (service == SpeechToText)
            m_stt = std::make_unique<NxSpeechToTextHelper>(m_presenter.get());
        else
            m_tts = std::make_unique<NxTextToSpeechHelper>(m_presenter.get());
        openPage();
    }
    void openPage()
    {
        const auto take = [this](auto* page) { m_table = page->table(); m_page.reset(page); };
        m_stt ? take(new NxSpeechToTextWidget(m_stt.get(), nullptr)) : take(new NxTextToSpeechWidget(m_tts.get(), nullptr));
        m_page->resize(890, 500);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    }

    // A video clip's task or a title's; answers its id.
    int addTask(const QString& name = QStringLiteral("Intro"))
    {
        if (m_stt) {
            m_clips.push_back(std::make_unique<NxTimelineClip>(name, INxClip::Video, NxRational{25, 1}, nullptr,
                                                               NxTimelineClip::Placement{0, 250, 0}));
            m_stt->addClipTasks({m_clips.back().get()}, QStringLiteral("en-US"), false);
            return sttManager()->addedIds.last();
        }
        auto title = std::make_unique<NxTitleClip>(name, NxRational{25, 1}, 0, 100);
        title->addText(QStringLiteral("words"));
        m_clips.push_back(std::move(title));
        return addVoiceOver(m_clips.back().get());
    }
    int addVoiceOver(INxClip* clip)
    {
        m_tts->addTasks({clip}, TextToSpeechTaskParam());
        return ttsManager()->addedIds.last();
    }

    // Reports from the manager's thread; true once the page has taken the report in and every
    // row is as tall as what it shows (transcoding, uploading, transcribing and converting rows
    // carry a bar).
    bool deliver(int taskId, int state, int code = 0, int progress = 0)
    {
        QSignalSpy handled(helper(), SIGNAL(sigTaskStateChanged(int)));
        m_stt ? sttManager()->reportState(taskId, state, code, progress) : ttsManager()->reportState(taskId, state, code, progress);
        const QList<int> tall = m_stt ? QList<int>{3, 5, 7} : QList<int>{NxTextToSpeech::Converting};
        return handled.wait(5000) && QTest::qWaitFor([&] {
            for (int row = 0; row < model()->rowCount(); ++row)
                if (table()->rowHeight(row) != (tall.contains(status(row)) ? 56 : 32))
                    return false;
            return true;
        }, 5000);
    }

    NxTestHome m_home;
    std::unique_ptr<QObject> m_watch; // owns the pending box watches
    std::unique_ptr<NxSpeechServicePresenter> m_presenter;
    std::unique_ptr<NxSpeechToTextHelper> m_stt; // the one of the service under test
    std::unique_ptr<NxTextToSpeechHelper> m_tts;
    std::unique_ptr<NxTaskPage> m_page;
    NxTaskTableView* m_table = nullptr;
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;

private slots:
    void initTestCase() { NxScriptedSpeechToTextManager::install(); NxScriptedTextToSpeechManager::install(); }

    void init()
    {
        QDir(INxAppInfo::getInstance()->getPath(INxAppInfo::SpeechToTextSubtitleFolder)).removeRecursively();
        settings()->SetSTTDeleteTaskNoTip(false);
        settings()->SetTTSDeleteTaskNoTip(false);
        m_watch = std::make_unique<QObject>();
        m_presenter = std::make_unique<NxSpeechServicePresenter>();
    }

    void cleanup()
    {
        m_watch.reset();
        m_page.reset();
        m_stt.reset();
        m_tts.reset();
        m_presenter.reset();
        m_clips.clear();
    }

    void actionButtonFollowsTheFailureReason_data()
    {
        // icon: the button's skin image, empty for none; buys: the answer to a purchase
        columns<bool, int, int, QByteArray, bool, int, bool, bool>(
            {"speechToText", "state", "code", "icon", "buys", "purchaseAsks", "retries", "spins"});
        const QByteArray retry("status-refresh-normal"), cart("cart-normal");
        QTest::newRow("network failure: retry button retries") << true << 7 << 8 << retry << false << 0 << true << true;
        QTest::newRow("lack of time: cart button asks to buy") << true << 9 << 1 << cart << false << 1 << false << false;
        QTest::newRow("lack of time, bought: retries") << true << 9 << 1 << cart << true << 1 << true << false;
        QTest::newRow("unrecognised content: no button") << true << 3 << 4 << QByteArray() << true << 0 << false << false;
        QTest::newRow("text-to-speech, waiting: no button") << false << 1 << 0 << QByteArray() << true << 0 << false << false;
        QTest::newRow("completed: no button") << true << 10 << 0 << QByteArray() << true << 0 << false << false;
        QTest::newRow("text-to-speech, unrecognised text: no button") << false << 6 << 2 << QByteArray() << true << 0 << false << false;
        QTest::newRow("text-to-speech, lack of characters: cart asks to buy") << false << 7 << 1 << cart << false << 1 << false << false;
        QTest::newRow("text-to-speech, upload failure: retry button retries") << false << 5 << 4 << retry << false << 0 << true << true;
    }
    void actionButtonFollowsTheFailureReason()
    {
        QFETCH(bool, speechToText); QFETCH(int, state); QFETCH(int, code); QFETCH(QByteArray, icon); QFETCH(bool, buys);
        QFETCH(int, purchaseAsks); QFETCH(bool, retries); QFETCH(bool, spins);
        open(Service(speechToText));
        const int id = addTask();
        const int other = addTask(QStringLiteral("Other"));
        QVERIFY(deliver(id, state, code));
        calls().clear();
        int asks = 0;
        onHelper([&](auto* helper) {
            using Helper = std::remove_pointer_t<decltype(helper)>;
            connect(helper, &Helper::sigPurchaseRefresh, this, [&](int amount, bool& success, bool more) {
                ++asks;
                QVERIFY(amount == (speechToText ? 10 : 120) && !more); // the task's seconds or characters
                success = buys;
            }, Qt::DirectConnection);
            helper->slotRefreshTask(-1); // rows that are not there are ignored
            helper->slotRefreshTask(2);
            if (icon.isEmpty())
                helper->slotRefreshTask(0); // what shows no button is not retried either
        });
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
        QCOMPARE(calls(), retries ? QStringList{QStringLiteral("retryTask:%1").arg(id)} : QStringList());
        if (!spins)
            return;

        // The spinner turns in the button's place until the next report of any task.
        QTRY_VERIFY(!same(shot(viewport()).copy(button), pressed));
        QVERIFY(deliver(other, 2)); // the retried task waits now, without a button
        QVERIFY(same(shot(viewport()).copy(button), iconOn("", ground)));
        QVERIFY(deliver(id, state, code));
        QVERIFY(same(shot(viewport()).copy(button), expected));
    }

    void barIsAsLongAsTheProgress_data()
    {
        columns<bool, int, int>({"speechToText", "state", "progress"});
        for (int progress : {30, 100, 0})
            QTest::addRow("transcribing, %d percent", progress) << true << 8 << progress;
        for (int progress : {45, 100, 3})
            QTest::addRow("converting, %d percent", progress) << false << 6 << progress;
    }
    void barIsAsLongAsTheProgress()
    {
        QFETCH(bool, speechToText); QFETCH(int, state); QFETCH(int, progress);
        open(Service(speechToText));
        QVERIFY(deliver(addTask(), state, 0, progress));
        const QRect status = cell(0, Model::StatusColumn);
        const QImage image = shot(viewport());
        const QRect trackLine(status.x() + 12, status.y() + 41, status.width() - 16, 1);
        const int filled = extent(image, trackLine, role(C::VarneloX_Primary), 24);
        QVERIFY2(qAbs(filled - trackLine.width() * progress / 100) <= 1, qPrintable(QString::number(filled)));
        if (speechToText)
            return;
        // The count of characters ends 8 px before the cell's end.
        const QRect countArea(status.center().x(), status.y() + 4, status.width() / 2, 18);
        QVERIFY(spans(extent(image, countArea, role(C::VarneloX_Primary)), QStringLiteral("0/120")));
    }

    // Every deliver() waits for each row to be as tall as its status; here a new row below a tall one.
    void rowsAreAsTallAsTheirStatus()
    {
        open(SpeechToText);
        addTask(QStringLiteral("A"));
        const int middle = addTask(QStringLiteral("B"));
        QVERIFY(deliver(middle, 8, 0, 10));
        QCOMPARE(cell(1, 0), QRect(0, 32, 252, 56));
        // The delete icon sits 4 px into a plain row and 16 px into a tall one.
        const QImage image = shot(viewport());
        const QImage deleteIcon = iconOn("icon24_delete-normal", image.pixel(cell(0, 3).x() + 60, cell(0, 3).y() + 2));
        const auto iconAt = [&](int row, int top) {
            return same(image.copy(cell(row, 3).x() + 8, cell(row, 3).y() + top, 24, 24), deleteIcon);
        };
        QVERIFY(iconAt(0, 4) && iconAt(1, 16) && !iconAt(1, 4));
        addTask(QStringLiteral("C"));
        QCOMPARE(cell(2, 0), QRect(0, 88, 252, 32));
        QVERIFY(deliver(middle, 9)); // every row plain again
    }

    void emptyListTipCoversTheListWhileItIsEmpty_data()
    {
        columns<bool>({"speechToText"});
        QTest::newRow("speech-to-text") << true;
        QTest::newRow("text-to-speech") << false;
    }
    void emptyListTipCoversTheListWhileItIsEmpty()
    {
        QFETCH(bool, speechToText);
        open(Service(speechToText));
        QWidget* tip = table()->noTaskTip();
        QVERIFY(tip->isVisible());
        m_page->resize(700, 420);
        QTRY_COMPARE(viewport()->width(), 700);
        QTRY_COMPARE(tip->geometry(), viewport()->rect());
        // The status column takes what the other three leave.
        QCOMPARE(table()->columnWidth(2), viewport()->width() - 252 - 80 - 120);

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
        open(SpeechToText);
        QVERIFY(deliver(addTask(), 10));
        QSignalSpy revealed(m_stt.get(), &NxSpeechToTextHelper::sigFindMatterLocation);
        const QRect r = cell(0, column);
        const QPoint at(r.x() + dx + (fromNameEnd ? advance(sttTask(0)->fileName) + 40 : 0), r.center().y());
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(revealed.count(), reveals ? 1 : 0);
        if (reveals)
            QCOMPARE(revealed.at(0).at(0).toString(), sttTask(0)->destPath);
    }

    void deletePressAsksOnlyAboutRunningTasks_data()
    {
        // answer: the caption clicked, or Escape; empty: no box expected
        // asking: the delete question's setting before; refuses: the manager keeps the task
        columns<bool, int, bool, QString, bool, bool, bool>(
            {"speechToText", "state", "asking", "answer", "tick", "refuses", "removed"});
        QTest::newRow("completed: gone unasked") << true << 10 << true << "" << false << false << true;
        QTest::newRow("failed: gone unasked") << true << 5 << true << "" << false << false << true;
        QTest::newRow("text-to-speech, failed: gone unasked") << false << 9 << true << "" << false << false << true;
        QTest::newRow("running, ticked and confirmed: gone, stop asking") << true << 8 << true << "Confirm" << true << false << true;
        QTest::newRow("text-to-speech, converting, ticked and confirmed: gone, stop asking")
            << false << 6 << true << "Confirm" << true << false << true;
        QTest::newRow("running, confirmed: gone, keep asking") << true << 8 << true << "Confirm" << false << false << true;
        QTest::newRow("text-to-speech, converting, ticked, then Escape: kept") << false << 6 << true << "Escape" << true << false << false;
        QTest::newRow("running, asking turned off: gone unasked") << true << 8 << false << "" << false << false << true;
        QTest::newRow("the manager refuses: kept") << true << 10 << true << "" << false << true << false;
    }
    void deletePressAsksOnlyAboutRunningTasks()
    {
        QFETCH(bool, speechToText); QFETCH(int, state); QFETCH(bool, asking); QFETCH(QString, answer); QFETCH(bool, tick);
        QFETCH(bool, refuses); QFETCH(bool, removed);
        open(Service(speechToText));
        const auto noTip = [this] { return m_stt ? settings()->GetSTTDeleteTaskNoTip() : settings()->GetTTSDeleteTaskNoTip(); };
        speechToText ? settings()->SetSTTDeleteTaskNoTip(!asking) : settings()->SetTTSDeleteTaskNoTip(!asking);
        const int kept = addTask(QStringLiteral("Keep"));
        const int id = addTask(QStringLiteral("Target"));
        QVERIFY(deliver(id, state, 0, 20));
        (speechToText ? sttManager()->removeAnswer : ttsManager()->removeAnswer) = !refuses;
        QSignalSpy counted(helper(), SIGNAL(sigTaskCountChanged()));
        QSignalSpy finished(helper(), SIGNAL(sigTaskFinish()));
        bool asked = false;
        whenMessageBoxOpens(m_watch.get(), [&](NMessageDialog* box) {
            asked = true;
            if (auto* check = box->findChild<QCheckBox*>(); check && tick)
                QTest::mouseClick(check, Qt::LeftButton);
            answerBox(box, answer);
        });
        onHelper([](auto* helper) { helper->slotRemoveTask(2); }); // a row that is not there: nothing asked or removed
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, deleteButton(1).center());
        QCOMPARE(asked, !answer.isEmpty());
        QCOMPARE(model()->rowCount(), removed ? 1 : 2);
        QCOMPARE(m_stt ? sttTask(0)->taskId : ttsTask(0)->taskId, kept);
        QCOMPARE(calls().contains(QStringLiteral("removeTask:%1").arg(id)), answer != "Escape");
        QCOMPARE(counted.count() + finished.count(), removed ? 2 : 0);
        QCOMPARE(noTip(), !asking || (tick && removed));
    }

    void failureTextIsTheTranslatedMessageAndDetail_data()
    {
        columns<int, int, QByteArray, QString, QString>({"state", "code", "message", "translation", "detail"});
        QTest::newRow("known code") << 7 << 5 << QByteArray("Upload failure") << "Could not send the file to the cloud" << "";
        QTest::newRow("unknown code adds its number") << 9 << 42 << QByteArray("Unknow error") << "Something unexpected happened, code " << "42";
    }
    void failureTextIsTheTranslatedMessageAndDetail()
    {
        QFETCH(int, state); QFETCH(int, code); QFETCH(QByteArray, message); QFETCH(QString, translation); QFETCH(QString, detail);
        open(SpeechToText);
        NxMapTranslator translator;
        translator.texts.insert({"QObject", message}, translation);
        QCoreApplication::installTranslator(&translator);
        const auto removed = qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
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
        open(SpeechToText);
        addTask(name);
        const QRect r = cell(0, Model::FileNameColumn);
        const QImage image = shot(viewport());
        const QColor ink = seen(role(C::Text_Icon_Secondary), image.pixel(r.right() - 2, r.top() + 1));
        const int shown = extent(image, QRect(r.x() + 40, r.y(), r.width() - 40, r.height()), ink);
        QVERIFY2(shown >= least && shown <= most, qPrintable(QString::number(shown)));
    }

    // The refresh button spins until the balance arrives, which the line then reads out.
    void balanceLineRefreshesAndReadsTheRemainder()
    {
        open(SpeechToText);
        NxRemainingWidget* line = m_page->remainingLine();
        auto* button = line->findChild<QToolButton*>();
        auto* spinner = line->findChild<NxLoadingWidget2*>();
        QVERIFY(button->isVisible() && !spinner->isVisible());
        sttManager()->calls.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(sttManager()->calls, QStringList{QStringLiteral("refresh:0")});
        QVERIFY(spinner->isVisible() && spinner->isSpinning() && !button->isVisible());
        const QImage spinning = shot(spinner);
        QVERIFY(extent(spinning, spinning.rect(), role(C::VarneloX_Primary), 24) > 0);
        sttManager()->reportRemainingFromWorker(125);
        QTRY_COMPARE(line->remaining(), 125);
        QVERIFY(!spinner->isVisible() && !spinner->isSpinning() && button->isVisible());

        // The information, then the link.
        const auto read = [](NxRemainingWidget* line) {
            QTextDocument document;
            document.setHtml(line->findChild<QLabel*>()->text());
            QStringList parts{QString(), QString()};
            for (auto fragment = document.begin().begin(); !fragment.atEnd(); ++fragment)
                parts[fragment.fragment().charFormat().isAnchor()] += fragment.fragment().text();
            return parts;
        };
        QCOMPARE(read(line), (QStringList{"Time Remaining: 125 Seconds ", "Purchase more"}));
        NxRemainingWidget characters(NxRemainingWidget::Characters, nullptr);
        characters.setRemaining(0);
        QCOMPARE(read(&characters), (QStringList{"Remaining available characters: 0 ", "Purchase more characters"}));
    }

    void ttsLastRowThatStartsConvertingBelowTheViewIsScrolledFullyIntoView()
    {
        open(TextToSpeech);
        int last = 0;
        for (int i = 0; i < 30; ++i)
            last = addTask(QStringLiteral("Title%1").arg(i));
        QVERIFY(!viewport()->rect().intersects(cell(29, 0)));

        QVERIFY(deliver(last, NxTextToSpeechTaskInfo::Converting, 0, 10));
        QCOMPARE(cell(29, 0).height(), 56);
        QCOMPARE(cell(29, 0).bottom(), viewport()->rect().bottom());
    }

    void ttsPartlyFailedSubtitleEndsFailedShowingCompletedOfTotalCharacters()
    {
        open(TextToSpeech);
        ttsManager()->sentencesPerTask = 3;
        ttsManager()->failedSentences = 1;
        m_clips.push_back(std::make_unique<NxTimelineClip>(QStringLiteral("Dialog"), INxClip::Subtitle, NxRational{25, 1},
                                                           nullptr, NxTimelineClip::Placement{0, 250, 0}));
        const int subtitle = addVoiceOver(m_clips.back().get());
        const int title = addTask();
        NxEventRecorder recorder;
        QVERIFY(deliver(subtitle, NxTextToSpeechTaskInfo::Completed));
        QVERIFY(deliver(title, NxTextToSpeechTaskInfo::ConvertFailed));
        QCOMPARE(status(0), int(NxTextToSpeech::ConvertFailed));
        QCOMPARE(QString::fromStdString(ttsTask(0)->errorMessage), QStringLiteral("Partial text transcription failed"));
        QCOMPARE(recorder.names().count(QStringLiteral("audio_title_func_failed")), 2);
        QCOMPARE(model()->index(0, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("Completed/TotalWord"));

        const QImage image = shot(viewport());
        const QColor text = seen(role(C::Text_Icon_Secondary), image.pixel(cell(0, 1).right() - 2, cell(0, 1).top() + 2));
        const auto charactersWidth = [&](int row) {
            return extent(image, cell(row, NxTextToSpeechTableModel::CharactersColumn).adjusted(4, 4, -4, -4), text);
        };
        QVERIFY(spans(charactersWidth(0), QStringLiteral("60/120")));
        QVERIFY(spans(charactersWidth(1), QStringLiteral("120")));
    }

    void ttsTwoLineFailureShowsTwoLines()
    {
        open(TextToSpeech);
        QVERIFY(deliver(addTask(), NxTextToSpeechTaskInfo::UploadFailed, NxTextToSpeechTaskInfo::UploadFailure));
        table()->setRowHeight(0, 48);
        const QRect textArea = cell(0, Model::StatusColumn).adjusted(36, 0, -48, 0);
        QCOMPARE(rowRuns(shot(viewport()), textArea, role(C::Alert_Danger)), 1);
        ttsTask(0)->errorMessage = "Upload failure\nLogin error";
        viewport()->update();
        QTRY_COMPARE(rowRuns(shot(viewport()), textArea, role(C::Alert_Danger)), 2);
    }

    void ttsHeaderExplainsBillingOnlyOverItsSpot()
    {
        open(TextToSpeech);
        QHeaderView* header = table()->horizontalHeader();
        for (const QPoint at : {QPoint(250, 10), QPoint(100, 10)}) { // the spot, then over the name title
            QToolTip::showText(header->mapToGlobal(QPoint(5, 5)), QStringLiteral("an older tip"), header);
            QHelpEvent event(QEvent::ToolTip, at, header->mapToGlobal(at));
            QApplication::sendEvent(header, &event);
            QTRY_COMPARE(QToolTip::isVisible(), at.x() == 250);
            QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(),
                     at.x() == 250 ? QStringLiteral("1 sentence per 100 words\n(Less than 100 words are calculated as 100 words)")
                                   : QString());
        }
    }
};

QTEST_MAIN(TaskPagesTest)
#include "tst_taskpages.moc"
