#include "NxDataColumns.h"
#include "NxTestHome.h"
#include "NxUsageAllowance.h"

#include <QTest>

#include <limits>

class UsageAllowanceTest : public QObject
{
    Q_OBJECT

private slots:
    void topUpAddsAndStopsAtTheLargestCount_data()
    {
        constexpr int Largest = std::numeric_limits<int>::max();
        columns<int, int, int>({"left", "bought", "expected"});

        QTest::newRow("a purchase adds") << 100 << 50 << 150;
        QTest::newRow("a negative purchase adds nothing") << 100 << -50 << 100;
        QTest::newRow("reaching the largest count exactly") << Largest - 10 << 10 << Largest;
        QTest::newRow("passing the largest count stops there") << Largest - 10 << 11 << Largest;
    }

    void topUpAddsAndStopsAtTheLargestCount()
    {
        QFETCH(int, left); QFETCH(int, bought); QFETCH(int, expected);

        NxUsageAllowance& allowance = NxUsageAllowance::instance();
        // Brought to `left` through the allowance's own operations.
        QVERIFY(allowance.consumeSeconds(allowance.seconds()));
        QVERIFY(allowance.consumeCharacters(allowance.characters()));
        allowance.topUp(left, left);

        allowance.topUp(bought, 0);
        QCOMPARE(allowance.seconds(), expected);
        QCOMPARE(allowance.characters(), left);
        allowance.topUp(0, bought);
        QCOMPARE(allowance.characters(), expected);
    }

private:
    NxTestHome m_home;
};

QTEST_GUILESS_MAIN(UsageAllowanceTest)
#include "tst_usageallowance.moc"
