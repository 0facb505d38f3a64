#include "NxDataColumns.h"
#include "NxSpeechToTextTableModel.h"
#include "NxTaskRows.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

using NxSpeechToText::Task;
using Rows = NxTaskRows<Task, NxSpeechToTextTableModel>;

namespace
{
// A record for the rows, which own it.
Task* owned(int taskId)
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
}

// The table model of a task list and the rows that feed it.
class TaskRowsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<NxSpeechToTextTableModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    std::vector<std::unique_ptr<Task>> m_tasks;

    // A record the test keeps.
    Task* record(const QString& name)
    {
        m_tasks.push_back(std::make_unique<Task>());
        m_tasks.back()->fileName = name;
        return m_tasks.back().get();
    }

private slots:
    void init()
    {
        m_model = std::make_unique<NxSpeechToTextTableModel>(nullptr);
        m_tester = std::make_unique<QAbstractItemModelTester>(m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }
    void cleanup()
    {
        m_tester.reset();
        m_model.reset();
        m_tasks.clear();
    }

    void theTableHandsOutRecordsAndTakesThemOut()
    {
        QSignalSpy removing(m_model.get(), &QAbstractItemModel::rowsAboutToBeRemoved);
        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        m_model->clearTasks(); // an empty table stays silent
        Task *a = record("a"), *b = record("b"), *c = record("c");
        for (Task* task : {a, b, c})
            m_model->appendTask(task);
        QCOMPARE(m_model->columnCount(), 4);
        QCOMPARE(m_model->indexOfTask(c), m_model->index(2, 0));
        QVERIFY(!m_model->indexOfTask(record("stranger")).isValid());
        // The name is column 0's tooltip; the duration column has none.
        QCOMPARE(m_model->index(2, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("c"));
        QVERIFY(!m_model->index(2, 1).data(Qt::ToolTipRole).isValid());
        QVERIFY(!m_model->index(2, 0).data(Qt::DisplayRole).isValid());
        for (int column = 0; column < 4; ++column) {
            const QVariant value = m_model->index(2, column).data(Qt::UserRole);
            QCOMPARE(value.userType(), int(QMetaType::ULongLong));
            QCOMPARE(NxSpeechToTextTableModel::taskFromVariant(value), c);
        }
        QVERIFY(!NxSpeechToTextTableModel::taskFromVariant(QVariant(QStringLiteral("not a number"))));
        QCOMPARE(NxSpeechToTextTableModel::taskFromVariant(QVariant(QString::number(quintptr(c)))), c);

        for (int row : {-1, 3})
            QCOMPARE(m_model->takeTask(row), nullptr);
        QCOMPARE(removing.count() + changed.count(), 0);
        QCOMPARE(m_model->takeTask(1), b);
        QCOMPARE(m_model->indexOfTask(c), m_model->index(1, 0));
        QCOMPARE(changed.count(), 1); // the row that moved up repaints
        QCOMPARE(changed.at(0).at(0).toModelIndex(), m_model->index(1, 0));
        QCOMPARE(changed.at(0).at(1).toModelIndex(), m_model->index(1, 3));
        m_model->clearTasks();
        QCOMPARE(m_model->rowCount(), 0);
        QVERIFY(!m_model->indexOfTask(a).isValid());
    }

    // An update repaints its record's whole row later, wherever the row is
    // then; a record taken out meanwhile repaints nothing.
    void anUpdateRepaintsTheRecordsRowLater()
    {
        Task* gone = record("gone");
        for (Task* task : {gone, record("a"), record("b")})
            m_model->appendTask(task);
        m_model->updateTask(gone);
        m_model->takeTask(0);
        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        m_model->updateTask(m_tasks[2].get());
        QCOMPARE(changed.count(), 0);
        QTRY_COMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex(), m_model->index(1, 0));
        QCOMPARE(changed.at(0).at(1).toModelIndex(), m_model->index(1, 3));
        QVERIFY(changed.at(0).at(2).value<QVector<int>>().isEmpty());
    }

    void aModelSetLaterShowsTheEarlierTasksInOrder()
    {
        QObject owner;
        Rows rows(&owner);
        rows.append(owned(7));
        rows.append(owned(3));
        rows.setModel(m_model.get());
        rows.append(owned(5));
        QCOMPARE(modelIds(*m_model), QList<int>({7, 3, 5}));
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
        Rows rows(&owner);
        rows.setModel(m_model.get());
        for (int taskId : {1, 2, 3})
            rows.append(owned(taskId));
        QCOMPARE(rows.remove(removedId), removed);
        QCOMPARE(modelIds(*m_model), left);
        QVERIFY(!rows.find(removedId));
        QCOMPARE(rows.size(), left.size());
    }

    // Rows that go first leave their table empty; rows whose table went
    // first carry on without it.
    void rowsAndTableMayGoInEitherOrder()
    {
        {
            QObject owner;
            Rows rows(&owner);
            rows.setModel(m_model.get());
            rows.append(owned(1));
        }
        QCOMPARE(m_model->rowCount(), 0);
        QObject owner;
        Rows rows(&owner);
        rows.setModel(m_model.get());
        rows.append(owned(1));
        cleanup();
        QVERIFY(!rows.model());
        rows.append(owned(2));
        rows.clear();
        QVERIFY(rows.isEmpty());
    }
};

QTEST_MAIN(TaskRowsTest)
#include "tst_taskrows.moc"
