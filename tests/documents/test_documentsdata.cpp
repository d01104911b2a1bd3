// Data routines of the document windows: finding goods by model number and the stock check of a
// new line against the lines already entered.
#include "DocumentDraft.h"
#include "GoodsFinder.h"
#include "LineStock.h"
#include "TestDb.h"

#include <QtTest>

namespace {

QStringList Specs(const QVector<GoodsKey>& keys)
{
    QStringList out;
    for (const GoodsKey& k : keys)
        out << k.GuiGe;
    return out;
}

GoodsFinder Catalogue()
{
    return GoodsFinder({{"北辰", "挂机空调", "KFR-35GW"},
                        {"北辰", "挂机空调", "KFR-35GW/A"},
                        {"北辰", "柜机空调", "KFR-72LW"},
                        {"海川", "冰箱", "BCD 215"},
                        {"海川", "冰箱", "bcd-458"},
                        {"海川", "洗衣机", "XQB60"}});
}

}  // namespace

class TestDocumentsData : public QObject {
    Q_OBJECT
private slots:
    void find_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("specs");
        QTest::newRow("part, case ignored") << "kfr-35" << QStringList{"KFR-35GW", "KFR-35GW/A"};
        QTest::newRow("whole spec first") << "KFR-35GW/A" << QStringList{"KFR-35GW/A"};
        QTest::newRow("exact before partial") << "kfr-35gw" << QStringList{"KFR-35GW", "KFR-35GW/A"};
        QTest::newRow("blanks ignored both ways") << " bcd215 " << QStringList{"BCD 215"};
        QTest::newRow("blank typed inside") << "BCD- 4" << QStringList{"bcd-458"};
        QTest::newRow("nothing") << "zz" << QStringList{};
        QTest::newRow("empty text finds nothing") << "  " << QStringList{};
    }
    void find()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, specs);
        QCOMPARE(Specs(Catalogue().find(typed)), specs);
    }

    // A scanned or typed code picks one goods item, or none when it is not clear which.
    void pick_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("spec");  // empty: nothing picked
        QTest::newRow("exact wins over longer specs") << "KFR-35GW" << "KFR-35GW";
        QTest::newRow("one partial") << "72l" << "KFR-72LW";
        QTest::newRow("several partial") << "kfr" << "";
        QTest::newRow("none") << "123" << "";
        QTest::newRow("scanner case and blanks") << "xqb 60" << "XQB60";
    }
    void pick()
    {
        QFETCH(QString, code);
        QFETCH(QString, spec);
        GoodsKey found;
        QCOMPARE(Catalogue().pick(code, &found), !spec.isEmpty());
        if (!spec.isEmpty())
            QCOMPARE(found.GuiGe, spec);
    }

    void loadsTheCatalogue()
    {
        TestDb t;
        t.addGoods("北辰", "挂机空调", "KFR-35GW", 5, 1800);
        t.addGoods("海川", "冰箱", "BCD-215", 2, 1500);
        const GoodsFinder finder = GoodsFinder::load(t.db);
        QCOMPARE(finder.size(), 2);
        const QVector<GoodsKey> hit = finder.find("bcd");
        QCOMPARE(hit.size(), 1);
        QCOMPARE(hit[0].PinPai, QStringLiteral("海川"));
        QCOMPARE(hit[0].ChanPin, QStringLiteral("冰箱"));
    }

    // Units already on the document count against the stock: two lines of 3 from a stock of 5
    // are refused at the second line; other goods do not count; keys compare without case.
    void stockCountsTheLinesOnTheDocument_data()
    {
        QTest::addColumn<int>("onLines");   // units of the same item on earlier lines
        QTest::addColumn<int>("asked");
        QTest::addColumn<bool>("covered");
        QTest::newRow("alone within stock") << 0 << 5 << true;
        QTest::newRow("alone above stock") << 0 << 6 << false;
        QTest::newRow("split line above stock") << 3 << 3 << false;
        QTest::newRow("split line up to the stock") << 3 << 2 << true;
    }
    void stockCountsTheLinesOnTheDocument()
    {
        QFETCH(int, onLines);
        QFETCH(int, asked);
        QFETCH(bool, covered);
        TestDb t;
        t.addGoods("Haian", "冰箱", "BCD-215", 5, 1500);
        t.addGoods("Haian", "冰箱", "BCD-458", 1, 2500);
        QVector<TShangPinItem> lines{TestDb::line("Haian", "冰箱", "BCD-458", 9, 2600)};
        if (onLines > 0)
            lines << TestDb::line("haian", "冰箱", "bcd-215", onLines, 1600);
        QCOMPARE(QuantityOnLines(lines, TestDb::line("HAIAN", "冰箱", "BCD-215", 0, 0)), onLines);
        QCOMPARE(StockCoversLine(t.db, TestDb::line("Haian", "冰箱", "BCD-215", asked, 1600), lines), covered);
    }

    // The draft's totals are sums of cents: ten lines of 0.1 make exactly 1, a new line counts the
    // whole amount as paid, and the amount owed is what is left of the amount paid, to the cent.
    void draftTotals()
    {
        DocumentDraft d;
        for (int i = 0; i < 10; ++i)
            d.addLine(TestDb::line("Haian", "冰箱", "BCD-215", 1, 0.1));
        // A price typed as 33.335: its line keeps the price to the cent and the amount 100.005 -> 100.01.
        TShangPinItem odd = TestDb::line("Haian", "冰箱", "BCD-458", 3, 33.335);
        odd.jinE = Money::fromYuan(3 * 33.335);
        d.addLine(odd);
        QCOMPARE(d.quantity(), 13);
        QCOMPARE(d.amount(), Money::fromCents(10101));
        QCOMPARE(d.lines().constLast().jinE, 100.01_yuan);
        QCOMPARE(d.owed(), Money());
        d.setPaid(50.004);
        QCOMPARE(d.owed(), Money::fromCents(5101));  // 101.01 - 50.004 = 51.006 -> 51.01
        d.removeLine(10);
        QCOMPARE(d.amount(), Money::fromCents(100));
        QCOMPARE(d.owed(), Money());
        d.removeLine(10);  // no such line
        QCOMPARE(d.lines().size(), 10);
        d.clear();
        QCOMPARE(d.amount(), Money());
        QCOMPARE(d.quantity(), 0);
    }
};

QTEST_GUILESS_MAIN(TestDocumentsData)
#include "test_documentsdata.moc"
