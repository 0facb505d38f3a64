#include "NxDataColumns.h"
#include "NxSpeechToTextTableModel.h"
#include "NxTaskRows.h"

#include <QAbstractItemModelTester>
#include <QTest>

#include <memory>

using NxSpeechToText::Task;
using Rows = NxTaskRows<Task, NxSpeechToTextTableModel>;

namespace
{

Task* newTask(int taskId)
{
    auto* task = new Task;
    task->taskId = taskId;
    return task;
}

QList<int> modelIds(const NxSpeechToTextTableModel& model)
{
    QList<int> ids;
    for (int row = 0; row < model.rowCount(); ++row)
        ids << NxSpeechToTextTableModel::taskFromVariant(model.index(row, 0).data(Qt::UserRole))->taskId;
    return ids;
}

} // namespace

class TaskRowsTest : public QObject
{
    Q_OBJECT

private slots:
    void aModelSetLaterShowsTheEarlierTasksInOrder()
    {
        QObject owner;
        Rows rows(&owner);
        rows.append(newTask(7));
        rows.append(newTask(3));
        NxSpeechToTextTableModel model(nullptr);
        QAbstractItemModelTester tester(&model);
        rows.setModel(&model);
        rows.append(newTask(5));
        QCOMPARE(modelIds(model), QList<int>({7, 3, 5}));
    }

    void removingByIdTakesTheRowWhereverItStandsNow_data()
    {
        columns<int, bool, QList<int>>({"removedId", "removed", "left"});
        QTest::newRow("first row") << 1 << true << QList<int>({2, 3});
        QTest::newRow("last row") << 3 << true << QList<int>({1, 2});
        QTest::newRow("a task already gone") << 9 << false << QList<int>({1, 2, 3});
    }

    void removingByIdTakesTheRowWhereverItStandsNow()
    {
        QFETCH(int, removedId); QFETCH(bool, removed); QFETCH(QList<int>, left);
        QObject owner;
        NxSpeechToTextTableModel model(nullptr);
        QAbstractItemModelTester tester(&model);
        Rows rows(&owner);
        rows.setModel(&model);
        for (int taskId : {1, 2, 3})
            rows.append(newTask(taskId));

        QCOMPARE(rows.remove(removedId), removed);
        QCOMPARE(modelIds(model), left);
        QVERIFY(!rows.find(removedId));
        QCOMPARE(rows.size(), left.size());
    }

    void aTableThatOutlivesTheRowsIsLeftEmpty()
    {
        NxSpeechToTextTableModel model(nullptr);
        {
            QObject owner;
            Rows rows(&owner);
            rows.setModel(&model);
            rows.append(newTask(1));
            rows.append(newTask(2));
            rows.remove(1);
        }
        QCOMPARE(model.rowCount(), 0);
    }

    void rowsOutliveTheirModel()
    {
        QObject owner;
        Rows rows(&owner);
        auto model = std::make_unique<NxSpeechToTextTableModel>(nullptr);
        rows.setModel(model.get());
        rows.append(newTask(1));
        model.reset();
        QVERIFY(!rows.model());
        rows.append(newTask(2));
        rows.clear();
        QVERIFY(rows.isEmpty());
    }
};

QTEST_MAIN(TaskRowsTest)
#include "tst_taskrows.moc"
