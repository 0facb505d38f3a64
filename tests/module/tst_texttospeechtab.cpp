#include "NxDataColumns.h"
#include "NxPaintProbe.h"
#include "NxScriptedTextToSpeechManager.h"
#include "NxSpeechServiceNoTaskTip.h"
#include "NxSpeechServicePresenter.h"
#include "NxTestHome.h"
#include "NxTextToSpeechHelper.h"
#include "NxTextToSpeechTable.h"
#include "NxTextToSpeechTableDelegate.h"
#include "NxTextToSpeechTableModel.h"
#include "NxTextToSpeechWidget.h"
#include "NxTitleClip.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <memory>
#include <vector>

using namespace NxPaintProbe;
using Model = NxTextToSpeechTableModel;
using NxTextToSpeech::Task;

class TextToSpeechTabTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        NxScriptedTextToSpeechManager::install();
    }

    void init()
    {
        m_presenter = std::make_unique<NxSpeechServicePresenter>();
        m_helper = std::make_unique<NxTextToSpeechHelper>(m_presenter.get());
        m_page = std::make_unique<NxTextToSpeechWidget>(m_helper.get(), nullptr);
        m_page->resize(890, 500);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    }

    void cleanup()
    {
        m_page.reset();
        m_helper.reset();
        m_presenter.reset();
        m_clips.clear();
    }

    void convertingRowIsTallerWithItsContentLowered()
    {
        addTitle();
        const int converting = addTitle(QStringLiteral("Outro"));
        QVERIFY(deliver(converting, NxTextToSpeechTaskInfo::Converting, 0, 10));
        QCOMPARE(table()->rowHeight(0), 32);
        QCOMPARE(table()->rowHeight(1), 56);

        // The delete icon sits 4 px into a plain row and 16 px into a converting one.
        const QImage image = viewportShot();
        const QColor ground = image.pixel(cell(0, 3).x() + 60, cell(0, 3).y() + 2);
        const QImage deleteIcon = iconOn("icon24_delete-normal", ground);
        const auto iconAt = [&](int row, int top) {
            return same(image.copy(cell(row, 3).x() + 8, cell(row, 3).y() + top, 24, 24), deleteIcon);
        };
        QVERIFY(iconAt(0, 4));
        QVERIFY(iconAt(1, 16));
        QVERIFY(!iconAt(1, 4));
    }

    void rowGrowsWhileConvertingAndShrinksWhenDone_data()
    {
        QTest::addColumn<int>("endState");
        QTest::newRow("completes") << int(NxTextToSpeechTaskInfo::Completed);
        QTest::newRow("fails") << int(NxTextToSpeechTaskInfo::ConvertFailed);
    }

    void rowGrowsWhileConvertingAndShrinksWhenDone()
    {
        QFETCH(int, endState);
        addTitle(QStringLiteral("A"));
        const int middle = addTitle(QStringLiteral("B"));
        addTitle(QStringLiteral("C"));
        QCOMPARE(cell(2, 0).top(), 64);

        QVERIFY(deliver(middle, NxTextToSpeechTaskInfo::Converting, 0, 10));
        QCOMPARE(cell(1, 0), QRect(0, 32, 252, 56));
        QCOMPARE(cell(2, 0).top(), 88);
        QCOMPARE(table()->rowViewportPosition(2), 88);

        QVERIFY(deliver(middle, endState));
        QCOMPARE(cell(1, 0), QRect(0, 32, 252, 32));
        QCOMPARE(cell(2, 0).top(), 64);
    }

    void newRowIsAsTallAsItsStatusAsks()
    {
        const int converting = addTitle(QStringLiteral("A"));
        QVERIFY(deliver(converting, NxTextToSpeechTaskInfo::Converting, 0, 10));
        addTitle(QStringLiteral("B"));
        QCOMPARE(cell(1, 0), QRect(0, 56, 252, 32));
    }

    void rowThatStartsConvertingBelowTheViewIsScrolledFullyIntoView_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("a row in the middle") << 20;
        QTest::newRow("the last row") << 29;
    }

    void rowThatStartsConvertingBelowTheViewIsScrolledFullyIntoView()
    {
        QFETCH(int, row);
        QList<int> ids;
        for (int i = 0; i < 30; ++i)
            ids.append(addTitle(QStringLiteral("Title%1").arg(i)));
        QVERIFY(!table()->viewport()->rect().intersects(cell(row, 0)));

        QVERIFY(deliver(ids.at(row), NxTextToSpeechTaskInfo::Converting, 0, 10));
        QCOMPARE(cell(row, 0).height(), 56);
        QCOMPARE(cell(row, 0).bottom(), table()->viewport()->rect().bottom());
    }

    void convertingBarShowsTheProgress_data()
    {
        QTest::addColumn<int>("progress");
        QTest::newRow("45 %") << 45;
        QTest::newRow("done") << 100;
        QTest::newRow("started") << 3;
    }

    void convertingBarShowsTheProgress()
    {
        QFETCH(int, progress);
        const int id = addTitle();
        QVERIFY(deliver(id, NxTextToSpeechTaskInfo::Converting, 0, progress));
        const QRect status = cell(0, Model::StatusColumn);
        const QRect trackLine(status.x() + 12, status.y() + 41, status.width() - 16, 1);
        const int filled = extent(viewportShot(), trackLine, role(NxSkinColor::VarneloX_Primary));
        QVERIFY2(qAbs(filled - (status.width() - 16) * progress / 100) <= 1, qPrintable(QString::number(filled)));
        // The count ends 8 px before the cell's end.
        const QRect countArea(status.center().x(), status.y() + 4, status.width() / 2, 18);
        const int countWidth = extent(viewportShot(), countArea, role(NxSkinColor::VarneloX_Primary));
        QVERIFY(spans(countWidth, QStringLiteral("0/120")));
    }

    void partlyFailedSubtitleShowsCompletedOfTotalCharacters()
    {
        manager()->sentencesPerTask = 3;
        manager()->failedSentences = 1;
        m_clips.push_back(std::make_unique<NxTimelineClip>(QStringLiteral("Dialog"), INxClip::Subtitle, NxRational{25, 1},
                                                           nullptr, NxTimelineClip::Placement{0, 250, 0}));
        const int subtitle = add(m_clips.back().get());
        const int title = addTitle();
        QVERIFY(deliver(subtitle, NxTextToSpeechTaskInfo::Completed));
        QVERIFY(deliver(title, NxTextToSpeechTaskInfo::ConvertFailed));
        QCOMPARE(task(0)->status, int(NxTextToSpeech::ConvertFailed));

        const QImage image = viewportShot();
        const QColor ground = image.pixel(cell(0, 1).right() - 2, cell(0, 1).top() + 2);
        const QColor text = seen(role(NxSkinColor::Text_Icon_Secondary), ground);
        const auto charactersWidth = [&](int row) {
            const QRect column = cell(row, Model::CharactersColumn);
            return extent(image, column.adjusted(4, 4, -4, -4), text);
        };
        QVERIFY(spans(charactersWidth(0), QStringLiteral("60/120")));
        QVERIFY(spans(charactersWidth(1), QStringLiteral("120")));
    }

    void twoLineFailureShowsTwoLines()
    {
        const int id = addTitle();
        QVERIFY(deliver(id, NxTextToSpeechTaskInfo::UploadFailed, NxTextToSpeechTaskInfo::UploadFailure));
        table()->setRowHeight(0, 48);
        const QRect textArea = cell(0, Model::StatusColumn).adjusted(36, 0, -48, 0);
        QCOMPARE(rowRuns(viewportShot(), textArea, role(NxSkinColor::Alert_Danger)), 1);
        task(0)->errorMessage = "Upload failure\nLogin error";
        table()->viewport()->update();
        QTRY_COMPARE(rowRuns(viewportShot(), textArea, role(NxSkinColor::Alert_Danger)), 2);
    }

    void buttonsFollowTheFailureReason()
    {
        const int unrecognized = addTitle(QStringLiteral("A"));
        const int noBalance = addTitle(QStringLiteral("B"));
        QVERIFY(deliver(unrecognized, NxTextToSpeechTaskInfo::Converting, NxTextToSpeechTaskInfo::UnrecognizedContent));
        QVERIFY(deliver(noBalance, NxTextToSpeechTaskInfo::ConvertFailed, NxTextToSpeechTaskInfo::NotEnoughCharacters));
        const auto button = [&](int row) { const QRect r = cell(row, 2); return QRect(r.right() - 28, r.y() + 4, 24, 24); };
        const QColor ground = viewportShot().pixel(cell(0, 2).center().x(), cell(0, 2).bottom() - 1);

        QCOMPARE(viewportShot().copy(button(0)), iconOn("", ground));
        QVERIFY(same(viewportShot().copy(button(1)), iconOn("cart-normal", ground)));

        QSignalSpy retries(table()->taskDelegate(), &NxTextToSpeechTableDelegate::sigRefreshItem);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, button(0).center());
        QCOMPARE(retries.count(), 0);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, button(1).center());
        QCOMPARE(retries.count(), 1);
        // A purchase starts no spinner: the cart is back once the mouse leaves.
        QTest::mouseMove(table()->viewport(), QPoint(2, 2));
        QTRY_VERIFY(same(viewportShot().copy(button(1)), iconOn("cart-normal", ground)));
    }

    void headerExplainsBillingOnlyOverItsSpot_data()
    {
        columns<QPoint, bool>({"at", "shown"});
        QTest::newRow("on the spot") << QPoint(250, 10) << true;
        QTest::newRow("over the name title") << QPoint(100, 10) << false;
    }

    void headerExplainsBillingOnlyOverItsSpot()
    {
        QFETCH(QPoint, at); QFETCH(bool, shown);
        QHeaderView* header = table()->horizontalHeader();
        QToolTip::showText(header->mapToGlobal(QPoint(5, 5)), QStringLiteral("an older tip"), header);
        QHelpEvent event(QEvent::ToolTip, at, header->mapToGlobal(at));
        QApplication::sendEvent(header, &event);
        if (shown) {
            QTRY_VERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(),
                     QStringLiteral("1 sentence per 100 words\n(Less than 100 words are calculated as 100 words)"));
        } else {
            QTRY_VERIFY(!QToolTip::isVisible());
        }
        QToolTip::hideText();
    }

    void emptyListTipFollowsTheTasks()
    {
        NxSpeechServiceNoTaskTip* tip = table()->noTaskTip();
        QVERIFY(tip->isVisible());
        QCOMPARE(tip->geometry(), table()->viewport()->rect());
        m_page->resize(700, 420);
        QTRY_COMPARE(tip->geometry(), table()->viewport()->rect());
        // The status column takes what the other three leave.
        QCOMPARE(table()->columnWidth(2), table()->viewport()->width() - 252 - 80 - 120);

        const int id = addTitle();
        QVERIFY(!tip->isVisible());
        QVERIFY(deliver(id, NxTextToSpeechTaskInfo::Completed));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, cell(0, 3).topLeft() + QPoint(20, 16));
        QCOMPARE(model()->rowCount(), 0);
        QVERIFY(tip->isVisible());
    }

private:
    NxScriptedTextToSpeechManager* manager() const { return NxScriptedTextToSpeechManager::latest(); }
    NxTextToSpeechTable* table() const { return m_page->table(); }
    Model* model() const { return table()->taskModel(); }
    Task* task(int row) const { return Model::taskFromVariant(model()->index(row, 0).data(Qt::UserRole)); }
    QRect cell(int row, int column) const { return table()->visualRect(model()->index(row, column)); }
    int add(INxClip* clip);
    int addTitle(const QString& name = QStringLiteral("Intro"));
    bool deliver(int taskId, int state, int code = 0, int progress = 0);
    QImage viewportShot() const { return shot(table()->viewport()); }

    NxTestHome m_home;
    std::unique_ptr<NxSpeechServicePresenter> m_presenter;
    std::unique_ptr<NxTextToSpeechHelper> m_helper;
    std::unique_ptr<NxTextToSpeechWidget> m_page;
    std::vector<std::unique_ptr<NxTimelineClip>> m_clips;
};

int TextToSpeechTabTest::add(INxClip* clip)
{
    m_helper->addTasks({clip}, TextToSpeechTaskParam());
    return manager()->addedIds.last();
}

int TextToSpeechTabTest::addTitle(const QString& name)
{
    auto title = std::make_unique<NxTitleClip>(name, NxRational{25, 1}, 0, 100);
    title->addText(QStringLiteral("words"));
    m_clips.push_back(std::move(title));
    return add(m_clips.back().get());
}

bool TextToSpeechTabTest::deliver(int taskId, int state, int code, int progress)
{
    QSignalSpy handled(m_helper.get(), &NxTextToSpeechHelper::sigTaskStateChanged);
    manager()->reportState(taskId, state, code, progress);
    return handled.wait(5000) && QTest::qWaitFor([this] {
        for (int row = 0; row < model()->rowCount(); ++row)
            if (table()->rowHeight(row) != (task(row)->status == NxTextToSpeech::Converting ? 56 : 32))
                return false;
        return true;
    });
}

QTEST_MAIN(TextToSpeechTabTest)
#include "tst_texttospeechtab.moc"
