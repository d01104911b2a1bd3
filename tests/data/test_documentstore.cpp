#include "DocumentStore.h"
#include "Ledger.h"
#include "TestDb.h"
#include "TestFaults.h"

#include <QTest>

namespace {

const QString P = QStringLiteral("雪峰");
const QString C = QStringLiteral("三门冰箱");

TShangPinItem Line(const QString& guige, int qty, double price)
{
    return TestDb::line(P, C, guige, qty, price);
}

TXiaoShouDan Sale(const QString& dh, int qty, double amount, double owed)
{
    return TestDb::sale(dh, qty, amount, owed, QStringLiteral("O'Brien 张"));
}

}  // namespace

class TestDocumentStore : public QObject {
    Q_OBJECT
private slots:
    // Two lines of 1 and 2 units at 100: stored negative, stock raised by 1 and 2.
    void salesReturnStoredNegative()
    {
        TestDb t;
        t.addGoods(P, C, QStringLiteral("A"), 5, 80);
        t.addGoods(P, C, QStringLiteral("B"), 5, 80);
        QVERIFY(SaveXiaoShouDocument(t.db, Sale(QStringLiteral(" xt240501001 "), 3, 300, 300),
                                     {Line(QStringLiteral("A"), 1, 100), Line(QStringLiteral("B"), 2, 100)},
                                     ReturnKind));
        QSqlQuery h = t.db.exec(QStringLiteral("select dh,shuliang,jinE,QK,KeHu,in_date from Log_XiaoShouDan"));
        QVERIFY(h.next());
        QCOMPARE(h.value(0).toString(), QStringLiteral("xt240501001"));
        QCOMPARE(h.value(1).toInt(), -3);
        QCOMPARE(h.value(2).toDouble(), -300.0);
        QCOMPARE(h.value(3).toDouble(), -300.0);
        QCOMPARE(h.value(4).toString(), QStringLiteral("O'Brien 张"));
        QCOMPARE(h.value(5).toString(), QStringLiteral("2024-05-01"));
        const QVector<TShangPinItem> lines = XiaoShouLines(t.db, QStringLiteral("xt240501001"));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].shuliang, -1);
        QCOMPARE(lines[1].shuliang, -2);
        QCOMPARE(lines[1].jinE, -200_yuan);
        QCOMPARE(lines[1].danjia, 100_yuan);
        QCOMPARE(lines[1].CB, 80_yuan);
        QCOMPARE(lines[1].in_date, QDate(2024, 5, 1));
        QCOMPARE(GetKuCunShuLiang(t.db, P, C, QStringLiteral("A")), 6);
        QCOMPARE(GetKuCunShuLiang(t.db, P, C, QStringLiteral("B")), 7);
    }

    // A purchase line carries the document's date and no cost; a return is stored negative.
    void purchaseLines()
    {
        TestDb t;
        t.addGoods(P, C, QStringLiteral("A"), 2, 0);
        TCaiGouDan d;
        d.dh = QStringLiteral("ct240501001");
        d.shuliang = 2;
        d.jinE = 200_yuan;
        d.QK = 50_yuan;
        d.GYS = QStringLiteral("雪峰家电省代理");
        d.in_date = QDate(2024, 5, 1);
        QVERIFY(SaveCaiGouDocument(t.db, d, {Line(QStringLiteral("A"), 2, 100)}, ReturnKind));
        QSqlQuery h = t.db.exec(QStringLiteral("select shuliang,jinE,QK from Log_CaiGouDan"));
        QVERIFY(h.next());
        QCOMPARE(h.value(0).toInt(), -2);
        QCOMPARE(h.value(1).toDouble(), -200.0);
        QCOMPARE(h.value(2).toDouble(), -50.0);
        QSqlQuery l = t.db.exec(QStringLiteral("select shuliang,jinE,danjia,in_date from Log_CaiGou"));
        QVERIFY(l.next());
        QCOMPARE(l.value(0).toInt(), -2);
        QCOMPARE(l.value(1).toDouble(), -200.0);
        QCOMPARE(l.value(2).toDouble(), 100.0);
        QCOMPARE(l.value(3).toString(), QStringLiteral("2024-05-01"));
        QCOMPARE(GetKuCunShuLiang(t.db, P, C, QStringLiteral("A")), 0);
    }

    // The two header tables are independent; a used number is refused and nothing is written.
    void numberChecks()
    {
        TestDb t;
        t.addGoods(P, C, QStringLiteral("A"), 5, 80);
        TCaiGouDan c;
        c.dh = QStringLiteral("xs240501001");
        c.in_date = QDate(2024, 5, 1);
        QVERIFY(SaveCaiGouDocument(t.db, c, {}, ForwardKind));
        QVERIFY(IsNewXiaoShouDH(t.db, QStringLiteral("xs240501001")));
        QVERIFY(!IsNewCaiGouDH(t.db, QStringLiteral("XS240501001")));
        QVERIFY(SaveXiaoShouDocument(t.db, Sale(QStringLiteral("xs240501001"), 1, 100, 0),
                                     {Line(QStringLiteral("A"), 1, 100)}, ForwardKind));
        QVERIFY(!SaveXiaoShouDocument(t.db, Sale(QStringLiteral("xs240501001 "), 1, 100, 0),
                                      {Line(QStringLiteral("A"), 1, 100)}, ForwardKind));
        QCOMPARE(t.count(QStringLiteral("Log_XiaoShou")), 1);
        QCOMPARE(GetKuCunShuLiang(t.db, P, C, QStringLiteral("A")), 4);
        QVERIFY_THROWS_EXCEPTION(DbError, SaveXiaoShouDocument(t.db, Sale(QStringLiteral("  "), 1, 100, 0),
                                                               {Line(QStringLiteral("A"), 1, 100)}, ForwardKind));
    }

    // A statement that fails half-way leaves nothing of the document and none of its postings.
    void failedSaveLeavesNothing()
    {
        TestDb t;
        t.addGoods(P, C, QStringLiteral("A"), 5, 80);
        t.addGoods(P, C, QStringLiteral("B"), 5, 80);
        RefuseWrites(t.db, QStringLiteral("Log_XiaoShou"), QStringLiteral("insert"), QStringLiteral("disk full"),
                     QStringLiteral("new.guige='B'"));
        QVERIFY_THROWS_EXCEPTION(DbError,
                                 SaveXiaoShouDocument(t.db, Sale(QStringLiteral("xs240501001"), 2, 200, 0),
                                                      {Line(QStringLiteral("A"), 1, 100), Line(QStringLiteral("B"), 1, 100)},
                                                      ForwardKind));
        QCOMPARE(t.count(QStringLiteral("Log_XiaoShouDan")), 0);
        QCOMPARE(t.count(QStringLiteral("Log_XiaoShou")), 0);
        QCOMPARE(GetKuCunShuLiang(t.db, P, C, QStringLiteral("A")), 5);

        RefuseWrites(t.db, QStringLiteral("Log_CaiGou"), QStringLiteral("insert"), QStringLiteral("disk full"),
                     QStringLiteral("new.guige='B'"));
        TCaiGouDan c;
        c.dh = QStringLiteral("cg240501001");
        c.in_date = QDate(2024, 5, 1);
        QVERIFY_THROWS_EXCEPTION(DbError, SaveCaiGouDocument(t.db, c,
                                                             {Line(QStringLiteral("A"), 3, 90), Line(QStringLiteral("B"), 1, 90)},
                                                             ForwardKind));
        QCOMPARE(t.count(QStringLiteral("Log_CaiGouDan")), 0);
        QCOMPARE(GetKuCunShuLiang(t.db, P, C, QStringLiteral("A")), 5);
        QCOMPARE(GetPJCB(t.db, P, C, QStringLiteral("A")), 80_yuan);
    }

    // Deleting removes the header and every line with that number; receipts stay.
    void deleteDocument()
    {
        TestDb t;
        t.addGoods(P, C, QStringLiteral("A"), 9, 80);
        QVERIFY(SaveXiaoShouDocument(t.db, Sale(QStringLiteral("xs240501001"), 3, 300, 100),
                                     {Line(QStringLiteral("A"), 1, 100), Line(QStringLiteral("A"), 2, 100)}, ForwardKind));
        QVERIFY(SaveXiaoShouDocument(t.db, Sale(QStringLiteral("xs240501002"), 1, 100, 0),
                                     {Line(QStringLiteral("A"), 1, 100)}, ForwardKind));
        t.db.exec(QStringLiteral("insert into Log_SKGuoCheng(DH,in_date,JinE) values('xs240501001','2024-05-02',50)"));
        QCOMPARE(GetKuCunShuLiang(t.db, P, C, QStringLiteral("A")), 5);
        DeleteXiaoShouDocument(t.db, QStringLiteral("xs240501001"));
        QCOMPARE(t.count(QStringLiteral("Log_XiaoShouDan")), 1);
        QCOMPARE(t.count(QStringLiteral("Log_XiaoShou")), 1);
        QCOMPARE(t.count(QStringLiteral("Log_SKGuoCheng")), 1);
        QCOMPARE(GetKuCunShuLiang(t.db, P, C, QStringLiteral("A")), 8);
        DeleteXiaoShouDocument(t.db, QStringLiteral("xs240501009"));  // no such number: nothing happens
        QCOMPARE(t.count(QStringLiteral("Log_XiaoShouDan")), 1);
    }
};

QTEST_GUILESS_MAIN(TestDocumentStore)
#include "test_documentstore.moc"
