#include "AccountsFixture.h"
#include "AccountsStore.h"
#include "AuditLog.h"
#include "NumberText.h"
#include "ReportData.h"
#include "ShouZhiStore.h"
#include "TestDb.h"
#include "TestFaults.h"

#include <QTest>

Q_DECLARE_METATYPE(AccountSide)

namespace {

const QString DH = QStringLiteral("xs240501001");
QString Zhou() { return QStringLiteral("老周's电器行"); }
QString Hotel() { return QStringLiteral("明湖宾馆"); }

}  // namespace

class TestAccountsData : public QObject {
    Q_OBJECT
private slots:
    void partPayment_data()
    {
        QTest::addColumn<AccountSide>("side");
        QTest::addColumn<double>("owed");
        QTest::addColumn<double>("paid");
        QTest::addColumn<double>("rest");
        QTest::addColumn<int>("history");  // rows kept after the payment (one was there before)
        for (AccountSide side : {AccountSide::Receivable, AccountSide::Payable}) {
            const QByteArray s = side == AccountSide::Receivable ? "receipt " : "payment ";
            QTest::newRow(s + "leaves a balance") << side << 100.0 << 30.0 << 70.0 << 2;
            QTest::newRow(s + "settles exactly") << side << 100.0 << 100.0 << 0.0 << 0;
            QTest::newRow(s + "overpays") << side << 100.0 << 150.0 << -50.0 << 2;
            QTest::newRow(s + "negative raises the debt") << side << 100.0 << -20.0 << 120.0 << 2;
            QTest::newRow(s + "zero is recorded") << side << 100.0 << 0.0 << 100.0 << 2;
            QTest::newRow(s + "kept to the cent") << side << 100.7 << 30.4 << 70.3 << 2;
            QTest::newRow(s + "binary residue settles") << side << 100.7 - 30.4 << 70.3 << 0.0 << 0;
            QTest::newRow(s + "return settled") << side << -500.0 << -500.0 << 0.0 << 0;
        }
    }

    // The amount owed is stored to the cent; the history keeps a row while the document stays
    // open and is emptied when it is settled.
    void partPayment()
    {
        QFETCH(AccountSide, side);
        QFETCH(double, owed);
        QFETCH(double, paid);
        QFETCH(double, rest);
        QFETCH(int, history);
        TestDb t;
        AddOpenDocument(t.db, side, DH, QStringLiteral("张建国"), owed);
        RecordPartPayment(t.db, side, DH, 1_yuan, {2024, 5, 2});  // an earlier receipt
        t.db.exec(QStringLiteral("update %1 set QK=:qk").arg(SideOf(side).header), {{QStringLiteral(":qk"), owed}});

        QCOMPARE(RecordPartPayment(t.db, side, DH, Money::fromYuan(paid), {2024, 5, 9}), Money::fromYuan(rest));
        QCOMPARE(StoredQK(t.db, side, DH), rest);
        QCOMPARE(HistoryRows(t.db, side, DH), history);
        if (history) {
            const RowSet rows = PartPayments(t.db, side, DH);
            QCOMPARE(rows.value(rows.rowCount() - 1, QStringLiteral("in_date")).toString(), QStringLiteral("2024-05-09"));
            QCOMPARE(rows.value(rows.rowCount() - 1, QStringLiteral("JinE")).toDouble(), paid);
        }
        QCOMPARE(OpenDocuments(t.db, side, AllParties()).rowCount(), rest != 0 ? 1 : 0);
    }

    void writeOffSettlesAndEmptiesHistory()
    {
        for (AccountSide side : {AccountSide::Receivable, AccountSide::Payable}) {
            TestDb t;
            AddOpenDocument(t.db, side, DH, QStringLiteral("明湖宾馆"), -3500);
            RecordPartPayment(t.db, side, DH, -100_yuan, {2024, 5, 3});
            WriteOffOwed(t.db, side, DH);
            QCOMPARE(StoredQK(t.db, side, DH), 0.0);
            QCOMPARE(HistoryRows(t.db, side, DH), 0);
            QVERIFY(OwingParties(t.db, side).isEmpty());
        }
    }

    void statement_data()
    {
        QTest::addColumn<QString>("customer");
        QTest::addColumn<QStringList>("rows");  // date dh kind amount received balance
        QTest::addColumn<QStringList>("totals");
        QTest::newRow("documents, part receipts, an overpaid one and a return")
            << Zhou()
            << QStringList{"2024-04-01 xs240401001 销售 1000 200 800", "2024-04-05 xs240401001 收款  300 500",
                           "2024-04-02 xs240402001 销售 500.5  1000.5", "2024-04-06 xs240402001 收款  600.5 400",
                           "2024-04-03 xt240403001 退货 -300  100"}
            << QStringList{"1200.5", "1100.5", "100"};
        QTest::newRow("one document") << Hotel() << QStringList{"2024-04-01 xs240401002 销售 50  50"}
                                      << QStringList{"50", "0", "50"};
        QTest::newRow("nothing open") << QStringLiteral("张建国") << QStringList{} << QStringList{"0", "0", "0"};
    }

    // The statement worked by hand: each open document (by date) with its receipts under it, what
    // was received when it was saved, the running balance ending on the amount owed in total.
    void statement()
    {
        QFETCH(QString, customer);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, totals);
        const AccountSide s = AccountSide::Receivable;
        TestDb t;
        AddOpenDocument(t.db, s, "xs240401001", Zhou(), 800, {2024, 4, 1}, 1000);  // 200 received when saved
        AddOpenDocument(t.db, s, "xt240403001", Zhou(), -300, {2024, 4, 3});       // entered before the next
        AddOpenDocument(t.db, s, "xs240402001", Zhou(), 500.5, {2024, 4, 2});
        AddOpenDocument(t.db, s, "xs240404001", Zhou(), 0, {2024, 4, 4}, 200);      // settled
        AddOpenDocument(t.db, s, "xs240401002", Hotel(), 50, {2024, 4, 1});
        AddOpenDocument(t.db, s, "xs240301001", QStringLiteral("张建国"), 70, {2024, 3, 1});
        RecordPartPayment(t.db, s, "xs240401001", 300_yuan, {2024, 4, 5});
        RecordPartPayment(t.db, s, "xs240402001", 600.5_yuan, {2024, 4, 6});  // overpaid: owed -100
        RecordPartPayment(t.db, s, "xs240301001", 70_yuan, {2024, 3, 9});        // settled

        const RowSet statement = PrepareBB_KHDZD(t.db, customer);
        QStringList shown;
        for (const QVector<QVariant>& r : statement.rows) {
            QStringList cells;
            for (const QVariant& v : r)
                cells << (v.isNull() ? QString() : v.typeId() == QMetaType::Double ? FormatGeneral(v.toDouble()) : v.toString());
            shown << cells.join(' ');
        }
        QCOMPARE(shown, rows);
        const StatementTotals sum = TotalsOfStatement(statement);
        QCOMPARE((QStringList{FormatGeneral(sum.jinE), FormatGeneral(sum.SK), FormatGeneral(sum.YE)}), totals);
        double owed = 0;
        for (const QVector<QVariant>& d : OpenDocuments(t.db, s, customer).rows)
            owed += d[5].toDouble();
        QCOMPARE(sum.YE, owed);
    }

    // Every receipt, payment and write-off is in the audit log with its operator, the document,
    // the amounts and the date, also once the settled document's history rows are gone.
    void auditLog()
    {
        for (AccountSide side : {AccountSide::Receivable, AccountSide::Payable}) {
            const bool r = side == AccountSide::Receivable;
            TestDb t;
            t.db.setOperator(QStringLiteral("王店员"));
            AddOpenDocument(t.db, side, DH, Hotel(), 100.7);
            AddOpenDocument(t.db, side, QStringLiteral("d2"), Zhou(), -50);
            RecordPartPayment(t.db, side, DH, 30.4_yuan, {2024, 5, 2});
            RecordPartPayment(t.db, side, DH, 70.3_yuan, {2024, 5, 9});
            WriteOffOwed(t.db, side, QStringLiteral("d2"));
            const QVector<AuditEntry> log = ReadAudit(t.db);
            QCOMPARE(log.size(), 3);
            QCOMPARE(log[0].operatorName, QStringLiteral("王店员"));
            QCOMPARE(log[0].action, r ? QStringLiteral("冲减应收款") : QStringLiteral("冲减应付款"));
            QCOMPARE(log[0].object, DH);
            QCOMPARE(log[0].before, QStringLiteral("欠款 100.7"));
            QCOMPARE(log[0].after, (r ? QStringLiteral("收款") : QStringLiteral("付款")) + QStringLiteral(" 30.4 (2024-05-02), 欠款 70.3"));
            QCOMPARE(log[1].after, (r ? QStringLiteral("收款") : QStringLiteral("付款")) + QStringLiteral(" 70.3 (2024-05-09), 欠款 0"));
            QCOMPARE(HistoryRows(t.db, side, DH), 0);
            QCOMPARE(log[2].action, r ? QStringLiteral("核消应收款") : QStringLiteral("核消应付款"));
            QCOMPARE(log[2].object, QStringLiteral("d2"));
            QCOMPARE(log[2].before, QStringLiteral("欠款 -50"));
            QCOMPARE(log[2].after, QStringLiteral("欠款 0"));
        }
    }

    // A failure of the history statement leaves the amount owed as it was.
    void failureLeavesBothUnchanged()
    {
        for (AccountSide side : {AccountSide::Receivable, AccountSide::Payable}) {
            TestDb t;
            AddOpenDocument(t.db, side, DH, QStringLiteral("张建国"), 100);
            RecordPartPayment(t.db, side, DH, 0_yuan, {2024, 5, 1});
            for (const char* when : {"insert", "delete"})
                RefuseWrites(t.db, SideOf(side).history, QLatin1String(when), QStringLiteral("disk full"));
            QVERIFY_THROWS_EXCEPTION(DbError, RecordPartPayment(t.db, side, DH, 30_yuan, {2024, 5, 2}));
            QVERIFY_THROWS_EXCEPTION(DbError, RecordPartPayment(t.db, side, DH, 100_yuan, {2024, 5, 2}));
            QVERIFY_THROWS_EXCEPTION(DbError, WriteOffOwed(t.db, side, DH));
            QCOMPARE(StoredQK(t.db, side, DH), 100.0);
            QCOMPARE(HistoryRows(t.db, side, DH), 1);
            QCOMPARE(ReadAudit(t.db).size(), 1);  // the receipt of 0 before the failures
        }
    }

    // A receipt or write-off for a document deleted meanwhile is refused and writes nothing,
    // instead of leaving a receipt row and a log entry for a document that is not there.
    void missingDocumentRefused()
    {
        for (AccountSide side : {AccountSide::Receivable, AccountSide::Payable}) {
            TestDb t;
            QVERIFY_THROWS_EXCEPTION(DbError, RecordPartPayment(t.db, side, DH, 30_yuan, {2024, 5, 2}));
            QVERIFY_THROWS_EXCEPTION(DbError, WriteOffOwed(t.db, side, DH));
            QCOMPARE(HistoryRows(t.db, side, DH), 0);
            QCOMPARE(ReadAudit(t.db).size(), 0);
        }
    }

    // Names are values: quotes and wildcards select their own documents only.
    void partiesAndTheirDocuments()
    {
        for (AccountSide side : {AccountSide::Receivable, AccountSide::Payable}) {
            TestDb t;
            AddOpenDocument(t.db, side, QStringLiteral("d1"), QStringLiteral("老周's电器行"), 100);
            AddOpenDocument(t.db, side, QStringLiteral("d2"), QStringLiteral("100%_商行"), -40);
            AddOpenDocument(t.db, side, QStringLiteral("d3"), QStringLiteral("100a商行"), 10);
            AddOpenDocument(t.db, side, QStringLiteral("d4"), QStringLiteral("老周's电器行"), 0);  // settled
            AddOpenDocument(t.db, side, QStringLiteral("d5"), QStringLiteral("老周's电器行"), 5);
            QCOMPARE(OwingParties(t.db, side).size(), 3);
            const RowSet zhou = OpenDocuments(t.db, side, QStringLiteral("老周's电器行"));
            QCOMPARE(zhou.rowCount(), 2);
            QCOMPARE(zhou.value(0, QStringLiteral("dh")).toString(), QStringLiteral("d1"));
            QCOMPARE(zhou.value(1, QStringLiteral("dh")).toString(), QStringLiteral("d5"));
            const RowSet wild = OpenDocuments(t.db, side, QStringLiteral("100%_商行"));
            QCOMPARE(wild.rowCount(), 1);
            QCOMPARE(wild.value(0, QStringLiteral("QK")).toDouble(), -40.0);
            QCOMPARE(OpenDocuments(t.db, side, AllParties()).rowCount(), 4);
            QCOMPARE(OpenDocuments(t.db, side, QString()).rowCount(), 4);
        }
    }

    void historyOrderedByDateThenEntry()
    {
        TestDb t;
        AddOpenDocument(t.db, AccountSide::Receivable, DH, QStringLiteral("张建国"), 100);
        RecordPartPayment(t.db, AccountSide::Receivable, DH, 10_yuan, {2024, 5, 9});
        RecordPartPayment(t.db, AccountSide::Receivable, DH, 20_yuan, {2024, 5, 3});
        RecordPartPayment(t.db, AccountSide::Receivable, DH, 30_yuan, {2024, 5, 9});
        const RowSet rows = PartPayments(t.db, AccountSide::Receivable, DH);
        QCOMPARE(rows.rowCount(), 3);
        QCOMPARE(rows.value(0, QStringLiteral("JinE")).toDouble(), 20.0);
        QCOMPARE(rows.value(1, QStringLiteral("JinE")).toDouble(), 10.0);
        QCOMPARE(rows.value(2, QStringLiteral("JinE")).toDouble(), 30.0);
        QVERIFY(PartPayments(t.db, AccountSide::Payable, DH).isEmpty());
    }

    // Band limits fall on 30, 60 and 90 days; returns count with their sign; the last row totals.
    void ageingBands()
    {
        TestDb t;
        const QDate today(2024, 6, 30);
        const auto add = [&](const char* dh, const QString& party, int age, double QK) {
            AddOpenDocument(t.db, AccountSide::Receivable, QString::fromLatin1(dh), party, QK, today.addDays(-age));
        };
        add("a", Zhou(), 0, 100);
        add("b", Zhou(), 30, 10.1);
        add("c", Zhou(), 31, 20);
        add("d", Hotel(), 60, 30);
        add("e", Hotel(), 61, 40);
        add("f", Zhou(), 90, 50);
        add("g", Zhou(), 91, 60.2);
        add("h", Hotel(), 400, -70);
        add("i", Hotel(), -3, 5);
        const RowSet rows = Ageing(OpenDocuments(t.db, AccountSide::Receivable, AllParties()), AccountSide::Receivable, today);
        QCOMPARE(rows.rowCount(), 3);
        const auto bands = [&](int r) {
            QVector<double> v;
            for (const char* c : {"B1", "B2", "B3", "B4", "total"})
                v << rows.value(r, QLatin1String(c)).toDouble();
            return v;
        };
        QCOMPARE(rows.value(0, QStringLiteral("party")).toString(), Zhou());
        QCOMPARE(bands(0), QVector<double>({110.1, 20, 50, 60.2, 240.3}));
        QCOMPARE(rows.value(1, QStringLiteral("party")).toString(), Hotel());
        QCOMPARE(bands(1), QVector<double>({5, 30, 40, -70, 5}));
        QCOMPARE(rows.value(2, QStringLiteral("party")).toString(), QStringLiteral("合计"));
        QCOMPARE(bands(2), QVector<double>({115.1, 50, 90, -9.8, 245.3}));
    }

    void items()
    {
        TestDb t;
        InsertBaseShouZhi(t.db, QStringLiteral("房租"));
        InsertBaseShouZhi(t.db, QStringLiteral("安装费's"));
        InsertBaseShouZhi(t.db, QStringLiteral("Abc"));
        QCOMPARE(ShouZhiItems(t.db), QStringList({QStringLiteral("房租"), QStringLiteral("安装费's"), QStringLiteral("Abc")}));
        QVERIFY(BaseShouZhiExists(t.db, QStringLiteral("ABC")));
        QVERIFY(!BaseShouZhiExists(t.db, QStringLiteral("A_c")));
        DeleteBaseShouZhi(t.db, QStringLiteral("安装费's"));
        QCOMPARE(ShouZhiItems(t.db), QStringList({QStringLiteral("房租"), QStringLiteral("Abc")}));
    }

    void entries()
    {
        TestDb t;
        TShouZhi e{QStringLiteral("sz240501001"), ExpenseType(), {2024, 5, 1}, QStringLiteral("房租"), 3000_yuan,
                   QStringLiteral("五月\n房租")};
        InsertShouZhi(t.db, e);
        QSqlQuery q = t.db.exec(QStringLiteral("select dh,type,in_date,Item,JinE,remark from Log_ShouZhi"));
        QVERIFY(q.next());
        QCOMPARE(q.value(1).toString(), QStringLiteral("支出"));
        QCOMPARE(q.value(2).toString(), QStringLiteral("2024-05-01"));
        QCOMPARE(q.value(4).toDouble(), 3000.0);
        QCOMPARE(q.value(5).toString(), QStringLiteral("五月\n房租"));
        DeleteShouZhi(t.db, e.dh);
        QCOMPARE(t.count(QStringLiteral("Log_ShouZhi")), 0);
    }
};

QTEST_GUILESS_MAIN(TestAccountsData)
#include "test_accountsdata.moc"
