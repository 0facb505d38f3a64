#include "NxSpeechToTextTableModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

using NxSpeechToText::Task;

class SpeechToTextTableModelTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_model = std::make_unique<NxSpeechToTextTableModel>(nullptr);
        m_tester = std::make_unique<QAbstractItemModelTester>(m_model.get(),
                                                              QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    void cleanup()
    {
        m_tester.reset();
        m_model.reset();
        m_tasks.clear();
    }

    void rowsFollowAppendTakeAndClear()
    {
        Task* a = newTask(QStringLiteral("a"));
        Task* b = newTask(QStringLiteral("b"));
        Task* c = newTask(QStringLiteral("c"));
        for (Task* task : {a, b, c})
            m_model->appendTask(task);
        QCOMPARE(m_model->rowCount(), 3);
        QCOMPARE(m_model->rowCount(m_model->index(0, 0)), 0);
        QCOMPARE(m_model->columnCount(), 4);
        QCOMPARE(m_model->columnCount(m_model->index(1, 1)), 4);
        QCOMPARE(m_model->indexOfTask(c), m_model->index(2, 0));
        QVERIFY(!m_model->indexOfTask(newTask(QStringLiteral("stranger"))).isValid());
        // The name is column 0's tooltip; the duration column has none.
        QCOMPARE(m_model->index(2, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("c"));
        QVERIFY(!m_model->index(2, 1).data(Qt::ToolTipRole).isValid());

        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        QCOMPARE(m_model->takeTask(1), b);
        QCOMPARE(m_model->rowCount(), 2);
        QCOMPARE(m_model->indexOfTask(c), m_model->index(1, 0));
        // The row that moved up repaints.
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex(), m_model->index(1, 0));
        QCOMPARE(changed.at(0).at(1).toModelIndex(), m_model->index(1, 3));

        QSignalSpy removed(m_model.get(), &QAbstractItemModel::rowsRemoved);
        m_model->clearTasks();
        QCOMPARE(m_model->rowCount(), 0);
        QCOMPARE(removed.count(), 1);
        QVERIFY(!m_model->indexOfTask(a).isValid());
    }

    void userRoleHandsOutTheRecord()
    {
        Task* task = newTask(QStringLiteral("a"));
        m_model->appendTask(task);
        for (int column = 0; column < 4; ++column) {
            const QVariant value = m_model->index(0, column).data(Qt::UserRole);
            QCOMPARE(value.userType(), int(QMetaType::ULongLong));
            QCOMPARE(NxSpeechToTextTableModel::taskFromVariant(value), task);
        }
        QVERIFY(!m_model->index(0, 0).data(Qt::DisplayRole).isValid());
        QVERIFY(!NxSpeechToTextTableModel::taskFromVariant(QVariant(QStringLiteral("not a number"))));
        QCOMPARE(NxSpeechToTextTableModel::taskFromVariant(QVariant(QString::number(quintptr(task)))), task);
    }

    void updateRepaintsTheWholeRowLater()
    {
        for (const char* name : {"a", "b", "c"})
            m_model->appendTask(newTask(QString::fromLatin1(name)));
        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        m_model->updateTask(m_tasks[1].get());
        QCOMPARE(changed.count(), 0);
        QTRY_COMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex(), m_model->index(1, 0));
        QCOMPARE(changed.at(0).at(1).toModelIndex(), m_model->index(1, 3));
        QVERIFY(changed.at(0).at(2).value<QVector<int>>().isEmpty());
    }

    void updateForARemovedRecordDoesNothing()
    {
        Task* gone = newTask(QStringLiteral("gone"));
        m_model->appendTask(gone);
        m_model->appendTask(newTask(QStringLiteral("stays")));
        m_model->updateTask(gone);
        m_model->takeTask(0);

        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        m_model->updateTask(m_tasks[1].get()); // posted after, so it proves the first has run
        QTRY_COMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex(), m_model->index(0, 0));
    }

    void takeOutOfRangeChangesNothing_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("negative") << -1;
        QTest::newRow("row count") << 2;
        QTest::newRow("far beyond") << 1000;
    }

    void takeOutOfRangeChangesNothing()
    {
        QFETCH(int, row);
        m_model->appendTask(newTask(QStringLiteral("a")));
        m_model->appendTask(newTask(QStringLiteral("b")));
        QSignalSpy removing(m_model.get(), &QAbstractItemModel::rowsAboutToBeRemoved);
        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        QCOMPARE(m_model->takeTask(row), nullptr);
        QCOMPARE(m_model->rowCount(), 2);
        QCOMPARE(removing.count() + changed.count(), 0);
    }

    void clearingAnEmptyModelIsSilent()
    {
        QSignalSpy removing(m_model.get(), &QAbstractItemModel::rowsAboutToBeRemoved);
        QSignalSpy removed(m_model.get(), &QAbstractItemModel::rowsRemoved);
        m_model->clearTasks();
        QCOMPARE(removing.count() + removed.count(), 0);
    }

private:
    Task* newTask(const QString& name);

    std::unique_ptr<NxSpeechToTextTableModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    std::vector<std::unique_ptr<Task>> m_tasks;
};

Task* SpeechToTextTableModelTest::newTask(const QString& name)
{
    m_tasks.push_back(std::make_unique<Task>());
    m_tasks.back()->fileName = name;
    return m_tasks.back().get();
}

QTEST_MAIN(SpeechToTextTableModelTest)
#include "tst_speechtotexttablemodel.moc"
