#include "DocumentStore.h"
#include "Ledger.h"
#include "TestDb.h"

#include <QTest>

namespace {

const QString P = QStringLiteral("北辰");
const QString C = QStringLiteral("挂机空调");
const QString G = QStringLiteral("KFR-35");

struct Row {
    int ShuLiang;
    double PJCB;
    QVariant NewCB;
};

Row Read(Database& db)
{
    QSqlQuery q = db.exec(QStringLiteral("select ShuLiang,PJCB,NewCB from Log_KuCun"));
    q.next();
    return {q.value(0).toInt(), q.value(1).toDouble(), q.value(2)};
}

TShangPinItem Line(int qty, double price)
{
    return TestDb::line(P, C, G, qty, price);
}

}  // namespace

class TestLedger : public QObject {
    Q_OBJECT
private slots:
    void lookups()
    {
        TestDb t;
        t.addGoods(P, C, G, 7, 100);
        QCOMPARE(GetKuCunShuLiang(t.db, P, C, G), 7);
        QCOMPARE(GetPJCB(t.db, P, C, G), 100_yuan);
        QCOMPARE(GetKuCunShuLiang(t.db, P, C, QStringLiteral("none")), 0);
        QCOMPARE(GetPJCB(t.db, P, C, QStringLiteral("none")), 0_yuan);
        // a goods key without a row is left alone by postings
        SubKuCun(t.db, P, C, QStringLiteral("none"), 3);
        AddKuCun(t.db, P, C, QStringLiteral("none"), 3, 10_yuan);
        QCOMPARE(t.count(QStringLiteral("Log_KuCun")), 1);
    }

    // Postings from an opening row: quantity, average cost and latest price afterwards.
    void addKuCun_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("a");
        QTest::addColumn<int>("q");
        QTest::addColumn<double>("p");
        QTest::addColumn<int>("m");
        QTest::addColumn<double>("average");
        QTest::newRow("purchase") << 10 << 100.0 << 5 << 130.0 << 15 << 110.0;
        QTest::newRow("purchase return") << 15 << 110.0 << -5 << 130.0 << 10 << 100.0;
        QTest::newRow("rounded to cents") << 1 << 10.0 << 2 << 10.01 << 3 << 10.01;
        QTest::newRow("return to zero keeps average") << 5 << 50.0 << -5 << 60.0 << 0 << 50.0;
        QTest::newRow("reversal of sold-out purchase") << 0 << 80.0 << -10 << 130.0 << -10 << 130.0;
        QTest::newRow("negative stock enters with its sign") << -2 << 100.0 << 4 << 120.0 << 2 << 140.0;
    }
    void addKuCun()
    {
        QFETCH(int, n);
        QFETCH(double, a);
        QFETCH(int, q);
        QFETCH(double, p);
        QFETCH(int, m);
        QFETCH(double, average);
        TestDb t;
        t.addGoods(P, C, G, n, a);
        AddKuCun(t.db, P, C, G, q, Money::fromYuan(p));
        const Row r = Read(t.db);
        QCOMPARE(r.ShuLiang, m);
        QCOMPARE(r.PJCB, average);
        QCOMPARE(r.NewCB.toDouble(), p);
    }

    // Purchase of 5 at 130 onto 10 at 100, then its return: back to 10 at 100.00.
    void purchaseThenReturn()
    {
        TestDb t;
        t.addGoods(P, C, G, 10, 100);
        QVERIFY(Read(t.db).NewCB.isNull());
        AddKuCun(t.db, P, C, G, 5, 130_yuan);
        AddKuCun(t.db, P, C, G, -5, 130_yuan);
        const Row r = Read(t.db);
        QCOMPARE(r.ShuLiang, 10);
        QCOMPARE(r.PJCB, 100.0);
        QCOMPARE(r.NewCB.toDouble(), 130.0);
    }

    // A sale of 3 from 7 at 100.00 records cost 100.00 and leaves 4; a sales return of 2 raises
    // the stock to 9 and takes the goods back at the current average. Deleting either document
    // gives the stock back; the average stays.
    void salesPostings_data()
    {
        QTest::addColumn<QString>("dh");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("qty");
        QTest::addColumn<int>("stockAfterSave");
        QTest::newRow("sale") << "xs240501001" << int(ForwardKind) << 3 << 4;
        QTest::newRow("sales return") << "xt240501001" << int(ReturnKind) << 2 << 9;
    }
    void salesPostings()
    {
        QFETCH(QString, dh);
        QFETCH(int, kind);
        QFETCH(int, qty);
        QFETCH(int, stockAfterSave);
        TestDb t;
        t.addGoods(P, C, G, 7, 100);
        TXiaoShouDan d;
        d.dh = dh;
        d.in_date = QDate(2024, 5, 1);
        QVERIFY(SaveXiaoShouDocument(t.db, d, {Line(qty, 150)}, DanKind(kind)));
        QCOMPARE(t.db.scalar(QStringLiteral("select CB from Log_XiaoShou")).toDouble(), 100.0);
        QCOMPARE(Read(t.db).ShuLiang, stockAfterSave);
        QCOMPARE(Read(t.db).PJCB, 100.0);
        DeleteXiaoShouDocument(t.db, d.dh);
        QCOMPARE(Read(t.db).ShuLiang, 7);
    }

    // Deleting a purchase of 5 at 130 from 15 at 110.00 gives 10 at 100.00, latest price 130.
    void deletePurchase()
    {
        TestDb t;
        t.addGoods(P, C, G, 10, 100);
        TCaiGouDan d;
        d.dh = QStringLiteral("cg240501001");
        d.in_date = QDate(2024, 5, 1);
        QVERIFY(SaveCaiGouDocument(t.db, d, {Line(5, 130)}, ForwardKind));
        QCOMPARE(Read(t.db).ShuLiang, 15);
        QCOMPARE(Read(t.db).PJCB, 110.0);
        DeleteCaiGouDocument(t.db, d.dh);
        const Row r = Read(t.db);
        QCOMPARE(r.ShuLiang, 10);
        QCOMPARE(r.PJCB, 100.0);
        QCOMPARE(r.NewCB.toDouble(), 130.0);
    }
};

QTEST_GUILESS_MAIN(TestLedger)
#include "test_ledger.moc"
