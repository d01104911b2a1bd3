// Stock-taking: counts kept as they are entered, the differences, and the posting of the count as
// one audited stock correction, with sales at another counter between count and confirmation.
#include "AuditLog.h"
#include "DocumentStore.h"
#include "Ledger.h"
#include "StockCount.h"
#include "TestDb.h"

#include <QtTest>

namespace {

const GoodsKey Air{"北辰", "挂机空调", "KFR-35GW"};
const GoodsKey Fridge{"海川", "冰箱", "BCD-215"};
const GoodsKey Washer{"海川", "洗衣机", "XQB60"};

// One entry of a count: a scan (Add 1) or a quantity typed (Set).
struct Entry {
    GoodsKey goods;
    int quantity;
    CountEntry kind;
};

void AddCatalogue(TestDb& t)
{
    t.addGoods(Air.PinPai, Air.ChanPin, Air.GuiGe, 5, 2100);
    t.addGoods(Fridge.PinPai, Fridge.ChanPin, Fridge.GuiGe, 3, 1500.5);
    t.addGoods(Washer.PinPai, Washer.ChanPin, Washer.GuiGe, 0, 900);
}

int Stock(TestDb& t, const GoodsKey& g)
{
    return GetKuCunShuLiang(t.db, g.PinPai, g.ChanPin, g.GuiGe);
}

int Opening(TestDb& t, const GoodsKey& g)
{
    return t.db.scalar(QStringLiteral("select QCShuLiang from Log_KuCun where GuiGe=:g"), {{QStringLiteral(":g"), g.GuiGe}}).toInt();
}

}  // namespace

Q_DECLARE_METATYPE(QVector<Entry>)

class TestStockCount : public QObject {
    Q_OBJECT
private slots:
    // Entries → differences → posted stock; the cost stays, each change is audited, the count is emptied.
    void post_data()
    {
        QTest::addColumn<QVector<Entry>>("entries");
        QTest::addColumn<QVector<int>>("stock");  // air, fridge, washer after posting
        QTest::addColumn<int>("changed");
        const auto add = CountEntry::Add;
        const auto set = CountEntry::Set;
        QTest::newRow("scans short of the book") << QVector<Entry>{{Air, 1, add}, {Air, 1, add}, {Air, 1, add}}
                                                 << QVector<int>{3, 3, 0} << 1;
        QTest::newRow("scans over the book, uncounted untouched")
            << QVector<Entry>{{Washer, 1, add}, {Washer, 1, add}, {Fridge, 1, add}, {Fridge, 1, add}, {Fridge, 1, add}}
            << QVector<int>{5, 3, 2} << 1;
        QTest::newRow("typed quantity replaces, scans add to it")
            << QVector<Entry>{{Air, 1, add}, {Air, 9, set}, {Air, 1, add}, {Fridge, 0, set}} << QVector<int>{10, 0, 0}
            << 2;
        QTest::newRow("count equal to the book changes nothing") << QVector<Entry>{{Fridge, 3, set}}
                                                                << QVector<int>{5, 3, 0} << 0;
    }
    void post()
    {
        QFETCH(QVector<Entry>, entries);
        QFETCH(QVector<int>, stock);
        QFETCH(int, changed);
        TestDb t;
        AddCatalogue(t);
        for (const Entry& e : entries)
            CountGoods(t.db, e.goods, e.quantity, e.kind);
        const RowSet differences = StockCountDifferences(t.db);
        QCOMPARE(differences.rowCount(), changed);
        for (int r = 0; r < differences.rowCount(); ++r) {
            const QString spec = differences.value(r, QStringLiteral("GuiGe")).toString();
            const GoodsKey& g = spec == Air.GuiGe ? Air : spec == Fridge.GuiGe ? Fridge : Washer;
            const int want = stock[g.GuiGe == Air.GuiGe ? 0 : g.GuiGe == Fridge.GuiGe ? 1 : 2];
            QCOMPARE(differences.value(r, QStringLiteral("ChaYi")).toInt(), want - Stock(t, g));
        }

        QCOMPARE(PostStockCount(t.db), changed);
        const QVector<AuditEntry> audit = ReadAudit(t.db);
        QCOMPARE(audit.size(), changed);
        const GoodsKey goods[] = {Air, Fridge, Washer};
        const int before[] = {5, 3, 0};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(Stock(t, goods[i]), stock[i]);
            // Lines do not explain the correction: it moves the opening quantity with the stock.
            QCOMPARE(Opening(t, goods[i]), stock[i]);
            const bool audited = std::any_of(audit.cbegin(), audit.cend(), [&](const AuditEntry& a) {
                return a.action == u"库存盘点" && a.object.endsWith(goods[i].GuiGe)
                    && a.before == QStringLiteral("库存%1").arg(before[i]) && a.after == QStringLiteral("库存%1").arg(stock[i]);
            });
            QCOMPARE(audited, stock[i] != before[i]);
        }
        QCOMPARE(GetPJCB(t.db, Air.PinPai, Air.ChanPin, Air.GuiGe), 2100_yuan);
        QCOMPARE(GetPJCB(t.db, Fridge.PinPai, Fridge.ChanPin, Fridge.GuiGe), 1500.5_yuan);
        QCOMPARE(t.count(QStringLiteral("Log_PanDian")), 0);
    }

    // The rows the window shows: every goods item of the brand, counted or not; the count is kept
    // in the database, so a second connection (the window opened again) sees it where it stopped.
    void rowsAndResume()
    {
        TestDb t;
        AddCatalogue(t);
        const ItemCount first = CountGoods(t.db, Fridge, 1, CountEntry::Add);
        QCOMPARE(first.counted, 1);
        QCOMPARE(first.book, 3);
        QCOMPARE(CountGoods(t.db, Fridge, 1, CountEntry::Add).counted, 2);
        QVERIFY_THROWS_EXCEPTION(DbError, CountGoods(t.db, {"海川", "冰箱", "无此型号"}, 1, CountEntry::Add));

        Database again{QStringLiteral("again")};
        if (t.server)
            again.open(t.server->target);
        else
            again.open(t.dir.filePath(QStringLiteral("db.data")));
        const RowSet rows = StockCountRows(again, QStringLiteral("海川"));
        QCOMPARE(rows.rowCount(), 2);
        QCOMPARE(rows.value(0, QStringLiteral("GuiGe")).toString(), Fridge.GuiGe);
        QCOMPARE(rows.value(0, QStringLiteral("ZhangMian")).toInt(), 3);
        QCOMPARE(rows.value(0, QStringLiteral("ShiPan")).toInt(), 2);
        QCOMPARE(rows.value(0, QStringLiteral("ChaYi")).toInt(), -1);
        QVERIFY(rows.value(1, QStringLiteral("ShiPan")).isNull());  // the washer, not counted
        QCOMPARE(StockCountRows(again).rowCount(), 3);
        QCOMPARE(CountGoods(again, Fridge, 1, CountEntry::Add).counted, 3);
        again.close();

        DiscardStockCount(t.db);
        QCOMPARE(t.count(QStringLiteral("Log_PanDian")), 0);
        QCOMPARE(ReadAudit(t.db).last().action, QStringLiteral("放弃盘点"));
        QCOMPARE(Stock(t, Fridge), 3);
    }

    // A sale saved at another counter after the item was counted takes away what was counted:
    // the difference is posted against the stock at confirmation, so the sale stays.
    void saleBetweenCountAndConfirmation()
    {
        TestDb t;
        AddCatalogue(t);
        for (int i = 0; i < 4; ++i)
            CountGoods(t.db, Air, 1, CountEntry::Add);  // one of the five is missing
        CountGoods(t.db, Fridge, 1, CountEntry::Set);   // two of the three are missing
        SaveXiaoShouDocument(t.db, TestDb::sale(QStringLiteral("xs20240501001"), 3, 6300, 0, QStringLiteral("张三")),
                             {TestDb::line(Air.PinPai, Air.ChanPin, Air.GuiGe, 3, 2100)}, ForwardKind);
        SaveXiaoShouDocument(t.db, TestDb::sale(QStringLiteral("xs20240501002"), 1, 1600, 0, QStringLiteral("张三")),
                             {TestDb::line(Fridge.PinPai, Fridge.ChanPin, Fridge.GuiGe, 1, 1600)}, ForwardKind);
        const CountState state = StockCountState(t.db);
        QCOMPARE(state.counted, 2);
        QCOMPARE(state.changedSince, 2);

        QCOMPARE(PostStockCount(t.db), 2);
        QCOMPARE(Stock(t, Air), 1);     // 5 - 3 sold - 1 missing
        QCOMPARE(Stock(t, Fridge), 0);  // 3 - 1 sold - 2 missing
        // The stock still agrees with the lines and the opening quantity.
        for (const GoodsKey& g : {Air, Fridge})
            QCOMPARE(t.db.scalar(QStringLiteral("select QCShuLiang-coalesce((select sum(shuliang) from Log_XiaoShou s "
                                                "where s.guige=k.GuiGe),0) from Log_KuCun k where GuiGe=:g"),
                                 {{QStringLiteral(":g"), g.GuiGe}})
                         .toInt(),
                     Stock(t, g));
    }

    // More sold after the count than was counted: the stock does not go below nothing.
    void neverBelowNothing()
    {
        TestDb t;
        AddCatalogue(t);
        CountGoods(t.db, Fridge, 0, CountEntry::Set);
        SaveXiaoShouDocument(t.db, TestDb::sale(QStringLiteral("xs20240501001"), 2, 3200, 0, QStringLiteral("张三")),
                             {TestDb::line(Fridge.PinPai, Fridge.ChanPin, Fridge.GuiGe, 2, 1600)}, ForwardKind);
        QCOMPARE(PostStockCount(t.db), 1);
        QCOMPARE(Stock(t, Fridge), 0);
        QCOMPARE(ReadAudit(t.db).last().before, QStringLiteral("库存1"));
    }
};

QTEST_GUILESS_MAIN(TestStockCount)
#include "test_stockcount.moc"
