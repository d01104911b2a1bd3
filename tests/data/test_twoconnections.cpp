// Two copies of the program on one database file: each acts on what its window read earlier,
// and the rules inside the transactions keep the figures whole.

#include "DocumentStore.h"
#include "Ledger.h"
#include "PartPayments.h"
#include "TestDb.h"

#include <QTest>
#include <QThread>

#include <atomic>
#include <thread>

namespace {

const QString P = QStringLiteral("北辰");
const QString C = QStringLiteral("挂机空调");
const QString G = QStringLiteral("KFR-35");
const QDate Day(2024, 5, 1);

TXiaoShouDan Sale(const QString& dh, int qty, double amount, double owed)
{
    return TestDb::sale(dh, qty, amount, owed, QStringLiteral("明湖宾馆"));
}

// Sells qty units at 500 under the next free number; false when the save refused it.
bool SellLast(Database& db, int qty)
{
    try {
        return !SaveXiaoShouDocument(db, Sale(QStringLiteral("xs240501001"), qty, qty * 500.0, 0),
                                     {TestDb::line(P, C, G, qty, 500)}, ForwardKind, TakenNumber::TakeNext)
                    .isEmpty();
    } catch (const DbError&) {
        return false;
    }
}

struct SecondCopy {
    Database db{QStringLiteral("second copy")};
    explicit SecondCopy(const DatabaseTarget& target) { db.open(target); }
};

}  // namespace

class TestTwoConnections : public QObject {
    Q_OBJECT
private slots:
    // Both copies read 4 in stock and each sells the last units in turns: no stock below 0, no
    // number used twice, every sale that was saved is in the stock.
    void lastUnitsInTurns()
    {
        TestDb t;
        t.addGoods(P, C, G, 4, 300);
        SecondCopy other(t.db.target());
        QCOMPARE(GetKuCunShuLiang(t.db, P, C, G), 4);
        QCOMPARE(GetKuCunShuLiang(other.db, P, C, G), 4);
        QVERIFY(SellLast(t.db, 3));
        QVERIFY(!SellLast(other.db, 3));  // its window still shows 4
        QVERIFY(SellLast(other.db, 1));
        QVERIFY(!SellLast(t.db, 1));
        QCOMPARE(GetKuCunShuLiang(t.db, P, C, G), 0);
        QCOMPARE(t.db.scalar("select count(distinct dh) from Log_XiaoShouDan").toInt(), 2);
        QCOMPARE(t.db.scalar("select sum(shuliang) from Log_XiaoShou").toInt(), 4);
    }

    // Both copies show the sale owing 2000 and record a receipt against it: both count.
    void receiptsInTurns()
    {
        TestDb t;
        t.addGoods(P, C, G, 4, 300);
        SecondCopy other(t.db.target());
        QVERIFY(SaveXiaoShouDocument(t.db, Sale(QStringLiteral("xs240501001"), 4, 2000, 2000),
                                     {TestDb::line(P, C, G, 4, 500)}, ForwardKind));
        QCOMPARE(RecordPartPayment(t.db, AccountSide::Receivable, "xs240501001", 99.5_yuan, Day), 1900.5_yuan);
        QCOMPARE(RecordPartPayment(other.db, AccountSide::Receivable, "xs240501001", 100_yuan, Day), 1800.5_yuan);
        QCOMPARE(t.db.scalar("select QK from Log_XiaoShouDan").toDouble(), 1800.5);
        QCOMPARE(t.db.scalar("select CJ from Log_XiaoShouDan").toDouble(), 199.5);
        QCOMPARE(t.db.scalar("select count(*) from Log_SKGuoCheng").toInt(), 2);
        WriteOffOwed(other.db, AccountSide::Receivable, "xs240501001");
        QCOMPARE(t.db.scalar("select QK from Log_XiaoShouDan").toDouble(), 0.0);
        QCOMPARE(t.db.scalar("select round(jinE-SS-CJ,2) from Log_XiaoShouDan").toDouble(), 0.0);
    }

    // While one copy saves (its transaction open), the other's save waits for it instead of
    // reading the stock before it changes, then finds what is left.
    void saveWaitsForTheOther()
    {
        TestDb t;
        t.addGoods(P, C, G, 4, 300);
        const DatabaseTarget target = t.db.target();
        std::atomic<int> result{-1};
        std::atomic<bool> started{false};
        std::thread second;
        int whileFirstOpen = -2;
        {
            Transaction first(t.db);
            QVERIFY(SellLast(t.db, 4));
            second = std::thread([&] {
                SecondCopy other(target);
                started = true;
                result = SellLast(other.db, 2) ? 1 : 0;
            });
            while (!started)
                QThread::msleep(5);
            QThread::msleep(300);
            whileFirstOpen = result;
            first.commit();
        }
        second.join();
        QCOMPARE(whileFirstOpen, -1);  // it was still waiting for the write lock
        QCOMPARE(result.load(), 0);
        QCOMPARE(GetKuCunShuLiang(t.db, P, C, G), 0);
        QCOMPARE(t.count("Log_XiaoShouDan"), 1);
    }
};

QTEST_GUILESS_MAIN(TestTwoConnections)
#include "test_twoconnections.moc"
