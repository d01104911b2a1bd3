// A document's life on both sides, save, receipt, write-off and delete, with figures worked by
// hand; and the rules that hold inside the save whoever calls it.

#include "AuditLog.h"
#include "DocNumbers.h"
#include "DocumentStore.h"
#include "Ledger.h"
#include "PartPayments.h"
#include "TestDb.h"

#include <QTest>

Q_DECLARE_METATYPE(AccountSide)
Q_DECLARE_METATYPE(DanKind)
Q_DECLARE_METATYPE(Money)

namespace {

const QString P = QStringLiteral("雪峰");
const QString C = QStringLiteral("三门冰箱");
const QString G = QStringLiteral("BCD-218");
const QDate Day(2024, 5, 1);

using Lines = QVector<std::pair<int, Money>>;  // quantity, unit price as entered

QVector<TShangPinItem> Items(const Lines& lines)
{
    QVector<TShangPinItem> items;
    for (const auto& [qty, price] : lines)
        items << TestDb::line(P, C, G, qty, price.yuan());
    return items;
}

// Saves a document of the side as the window enters it: positive figures, owed = amount - paid.
QString Save(Database& db, AccountSide side, DanKind kind, const QString& dh, const Lines& lines, Money amount,
             Money paid, TakenNumber taken = TakenNumber::Refuse)
{
    const QVector<TShangPinItem> items = Items(lines);
    int qty = 0;
    for (const TShangPinItem& it : items)
        qty += it.shuliang;
    if (side == AccountSide::Receivable) {
        TXiaoShouDan h;
        h.dh = dh;
        h.shuliang = qty;
        h.jinE = amount;
        h.QK = amount - paid;
        h.KeHu = QStringLiteral("明湖宾馆");
        h.yewuyuan = QStringLiteral("王磊");
        h.in_date = Day;
        return SaveXiaoShouDocument(db, h, items, kind, taken);
    }
    TCaiGouDan h;
    h.dh = dh;
    h.shuliang = qty;
    h.jinE = amount;
    h.QK = amount - paid;
    h.GYS = QStringLiteral("华东家电批发");
    h.in_date = Day;
    return SaveCaiGouDocument(db, h, items, kind, taken);
}

Money Owed(Database& db, AccountSide side, const QString& dh)
{
    return Money::fromYuan(
        db.scalar(QStringLiteral("select QK from %1 where dh=:dh").arg(SideOf(side).header), {{":dh", dh}}).toDouble());
}

// What the stored figures say is owed: amount - paid when saving - receipts and write-offs.
Money OwedByFigures(Database& db, AccountSide side, const QString& dh)
{
    return Money::fromYuan(db.scalar(QStringLiteral("select jinE-SS-CJ from %1 where dh=:dh").arg(SideOf(side).header),
                                     {{":dh", dh}})
                               .toDouble());
}

void Delete(Database& db, AccountSide side, const QString& dh)
{
    side == AccountSide::Receivable ? DeleteXiaoShouDocument(db, dh) : DeleteCaiGouDocument(db, dh);
}

}  // namespace

class TestDocumentCore : public QObject {
    Q_OBJECT
private slots:
    void documentLife_data()
    {
        QTest::addColumn<AccountSide>("side");
        QTest::addColumn<DanKind>("kind");
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<Money>("amount");
        QTest::addColumn<Money>("paid");
        QTest::addColumn<QString>("number");    // the day's first number of the kind
        QTest::addColumn<int>("stock");         // after saving, from 10 at 100.00
        QTest::addColumn<Money>("cost");       // average cost after saving (a sale keeps it on its lines)
        QTest::addColumn<Money>("owed");       // stored amount owed after saving
        QTest::addColumn<Money>("receipt");
        QTest::addColumn<Money>("afterReceipt");
        QTest::addColumn<Money>("costAfterDelete");
        const AccountSide sales = AccountSide::Receivable, purchases = AccountSide::Payable;
        // 3 x 129.99 + 2 x 0.01 = 389.99; 389.99 - 100.10 = 289.89; less 89.89 = 200.
        QTest::newRow("sale of two lines of one item")
            << sales << ForwardKind << Lines{{3, 129.99_yuan}, {2, 0.01_yuan}} << 389.99_yuan << 100.10_yuan
            << "xs240501001" << 5 << 100_yuan << 289.89_yuan << 89.89_yuan << 200_yuan << 100_yuan;
        // Stored negated: owed -301; a refund of 1.25 leaves -299.75.
        QTest::newRow("sales return") << sales << ReturnKind << Lines{{2, 150.5_yuan}} << 301_yuan << 0_yuan
                                      << "xt240501001" << 12 << 100_yuan << -301_yuan << -1.25_yuan << -299.75_yuan
                                      << 100_yuan;
        // (10 x 100 + 5 x 130) / 15 = 110; deleting: (15 x 110 - 5 x 130) / 10 = 100.
        QTest::newRow("purchase paid in part") << purchases << ForwardKind << Lines{{5, 130_yuan}} << 650_yuan
                                               << 600.5_yuan << "cg240501001" << 15 << 110_yuan << 49.5_yuan
                                               << 49.5_yuan << 0_yuan << 100_yuan;
        // (1000 - 4 x 87.33) / 6 = 108.4466... -> 108.45; deleting: (6 x 108.45 + 4 x 87.33) / 10 = 100.002 -> 100.
        QTest::newRow("purchase return") << purchases << ReturnKind << Lines{{4, 87.33_yuan}} << 349.32_yuan
                                         << 0_yuan << "ct240501001" << 6 << 108.45_yuan << -349.32_yuan
                                         << -49.32_yuan << -300_yuan << 100_yuan;
    }

    // Save, a receipt, a write-off of the rest and the delete, with numbers, stock, cost and
    // amount owed exact to the cent and the stored figures agreeing at every step.
    void documentLife()
    {
        QFETCH(AccountSide, side);
        QFETCH(DanKind, kind);
        QFETCH(Lines, lines);
        QFETCH(Money, amount);
        QFETCH(Money, paid);
        QFETCH(QString, number);
        QFETCH(int, stock);
        QFETCH(Money, cost);
        QFETCH(Money, owed);
        QFETCH(Money, receipt);
        QFETCH(Money, afterReceipt);
        QFETCH(Money, costAfterDelete);
        TestDb t;
        t.addGoods(P, C, G, 10, 100);
        const DocumentSide& s = SideOf(side);

        const QString dh = Save(t.db, side, kind, NextDH(t.db, s, kind, Day), lines, amount, paid);
        QCOMPARE(dh, number);
        QCOMPARE(GetKuCunShuLiang(t.db, P, C, G), stock);
        QCOMPARE(GetPJCB(t.db, P, C, G), cost);
        if (side == AccountSide::Receivable)
            for (const TShangPinItem& line : XiaoShouLines(t.db, dh))
                QCOMPARE(line.CB, cost);
        QCOMPARE(Owed(t.db, side, dh), owed);
        QCOMPARE(OwedByFigures(t.db, side, dh), owed);

        QCOMPARE(RecordPartPayment(t.db, side, dh, receipt, Day.addDays(3)), afterReceipt);
        QCOMPARE(Owed(t.db, side, dh), afterReceipt);
        QCOMPARE(OwedByFigures(t.db, side, dh), afterReceipt);

        WriteOffOwed(t.db, side, dh);
        QCOMPARE(Owed(t.db, side, dh), 0_yuan);
        QCOMPARE(OwedByFigures(t.db, side, dh), 0_yuan);

        Delete(t.db, side, dh);
        QCOMPARE(t.count(s.header), 0);
        QCOMPARE(t.count(s.lines), 0);
        QCOMPARE(GetKuCunShuLiang(t.db, P, C, G), 10);
        QCOMPARE(GetPJCB(t.db, P, C, G), costAfterDelete);
        const QVector<AuditEntry> log = ReadAudit(t.db);
        QVERIFY(!log.isEmpty());
        QCOMPARE(log.last().action, QStringLiteral("删除%1单").arg(s.captionOf(kind)));
        QCOMPARE(log.last().object, dh);
    }

    void stockRefused_data()
    {
        QTest::addColumn<AccountSide>("side");
        QTest::addColumn<DanKind>("kind");
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<bool>("refused");
        const AccountSide sales = AccountSide::Receivable, purchases = AccountSide::Payable;
        QTest::newRow("sale of the whole stock") << sales << ForwardKind << Lines{{10, 1_yuan}} << false;
        QTest::newRow("sale of one more") << sales << ForwardKind << Lines{{11, 1_yuan}} << true;
        QTest::newRow("two lines of one item together more") << sales << ForwardKind << Lines{{6, 1_yuan}, {5, 1_yuan}} << true;
        QTest::newRow("sales return of more") << sales << ReturnKind << Lines{{50, 1_yuan}} << false;
        QTest::newRow("purchase return of one more") << purchases << ReturnKind << Lines{{11, 1_yuan}} << true;
        QTest::newRow("purchase of more") << purchases << ForwardKind << Lines{{50, 1_yuan}} << false;
    }

    // A document that would take a goods item below nothing is refused by the save itself, naming
    // the goods item and its stock, and writes nothing.
    void stockRefused()
    {
        QFETCH(AccountSide, side);
        QFETCH(DanKind, kind);
        QFETCH(Lines, lines);
        QFETCH(bool, refused);
        TestDb t;
        t.addGoods(P, C, G, 10, 100);
        const QString dh = SideOf(side).prefixOf(kind) + QStringLiteral("240501001");
        if (!refused) {
            QCOMPARE(Save(t.db, side, kind, dh, lines, 0_yuan, 0_yuan), dh);
            return;
        }
        try {
            Save(t.db, side, kind, dh, lines, 0_yuan, 0_yuan);
            QFAIL("the save was not refused");
        } catch (const DbError& e) {
            QVERIFY2(e.text().contains(QStringLiteral("%1 %2 %3").arg(P, C, G)), qPrintable(e.text()));
            QVERIFY2(e.text().contains(QStringLiteral("现有库存 10")), qPrintable(e.text()));
        }
        QCOMPARE(t.count(SideOf(side).header), 0);
        QCOMPARE(t.count(SideOf(side).lines), 0);
        QCOMPARE(GetKuCunShuLiang(t.db, P, C, G), 10);
    }

    // A number typed by hand that is used refuses the save; a proposed one gives way to the next
    // free number of its prefix and day.
    void takenNumber()
    {
        TestDb t;
        t.addGoods(P, C, G, 10, 100);
        for (AccountSide side : {AccountSide::Receivable, AccountSide::Payable}) {
            const DocumentSide& s = SideOf(side);
            const QString first = s.prefixOf(ForwardKind) + QStringLiteral("240501001");
            QCOMPARE(Save(t.db, side, ForwardKind, first, {{1, 10_yuan}}, 10_yuan, 10_yuan), first);
            QCOMPARE(Save(t.db, side, ForwardKind, first, {{1, 10_yuan}}, 10_yuan, 10_yuan), QString());
            QCOMPARE(Save(t.db, side, ForwardKind, first, {{1, 10_yuan}}, 10_yuan, 10_yuan, TakenNumber::TakeNext),
                     s.prefixOf(ForwardKind) + QStringLiteral("240501002"));
            QCOMPARE(t.count(s.header), 2);
        }
    }
};

QTEST_GUILESS_MAIN(TestDocumentCore)
#include "test_documentcore.moc"
