// The figures of the profit trend chart on a small shop worked by hand.

#include "DocumentStore.h"
#include "ProfitTrend.h"
#include "TestDb.h"

#include <QTest>

namespace {

// Sales lines at these costs: 甲牌 空调 1000, 乙牌 冰箱 2000, 丙牌 空调 500, 丁牌 风扇 100.
//   2026-01-10 甲牌 空调 2 × 1500      amount 3000    profit 1000
//   2026-01-31 乙牌 冰箱 1 × 2100.1    amount 2100.1  profit 100.1
//   2026-03-01 丙牌 空调 1 × 800       amount 800     profit 300
//   2026-03-02 甲牌 空调 returned 1    amount -1500   profit -500
//   2026-03-05 丁牌 风扇 4 × 175       amount 700     profit 300
//   2026-04-01 乙牌 冰箱 1 × 3000      amount 3000    profit 1000
struct TrendShop : TestDb {
    TrendShop()
    {
        addGoods(QStringLiteral("甲牌"), QStringLiteral("空调"), QStringLiteral("A"), 10, 1000);
        addGoods(QStringLiteral("乙牌"), QStringLiteral("冰箱"), QStringLiteral("B"), 10, 2000);
        addGoods(QStringLiteral("丙牌"), QStringLiteral("空调"), QStringLiteral("C"), 10, 500);
        addGoods(QStringLiteral("丁牌"), QStringLiteral("风扇"), QStringLiteral("D"), 10, 100);
        sell("xs260110001", {2026, 1, 10}, line(QStringLiteral("甲牌"), QStringLiteral("空调"), QStringLiteral("A"), 2, 1500));
        sell("xs260131001", {2026, 1, 31}, line(QStringLiteral("乙牌"), QStringLiteral("冰箱"), QStringLiteral("B"), 1, 2100.1));
        sell("xs260301001", {2026, 3, 1}, line(QStringLiteral("丙牌"), QStringLiteral("空调"), QStringLiteral("C"), 1, 800));
        sell("xt260302001", {2026, 3, 2}, line(QStringLiteral("甲牌"), QStringLiteral("空调"), QStringLiteral("A"), 1, 1500),
             ReturnKind);
        sell("xs260305001", {2026, 3, 5}, line(QStringLiteral("丁牌"), QStringLiteral("风扇"), QStringLiteral("D"), 4, 175));
        sell("xs260401001", {2026, 4, 1}, line(QStringLiteral("乙牌"), QStringLiteral("冰箱"), QStringLiteral("B"), 1, 3000));
    }

    void sell(const char* dh, QDate day, const TShangPinItem& item, DanKind kind = ForwardKind)
    {
        TXiaoShouDan d;
        d.dh = QString::fromLatin1(dh);
        d.in_date = day;
        d.KeHu = QStringLiteral("客户");
        d.shuliang = item.shuliang;
        d.jinE = item.jinE;
        QVERIFY(SaveXiaoShouDocument(db, d, {item}, kind));
    }
};

using Months = QVector<std::tuple<QString, double, double>>;
using Ranking = QVector<std::tuple<QString, double, double>>;

Months MonthsOf(const QVector<MonthProfit>& figures)
{
    Months m;
    for (const MonthProfit& f : figures)
        m.append({f.month.toString(QStringLiteral("yyyy-MM-dd")), f.amount, f.profit});
    return m;
}

Ranking RankingOf(const QVector<RankedProfit>& figures)
{
    Ranking r;
    for (const RankedProfit& f : figures)
        r.append({f.name, f.amount, f.profit});
    return r;
}

}  // namespace

class TestProfitTrend : public QObject {
    Q_OBJECT
private slots:
    // Every month the range touches, an empty month with 0, returns with their signs; each
    // month's sums to the cent (100.1, not 100.09999999999991).
    void monthly_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<Months>("months");
        QTest::newRow("whole quarter") << QDate(2026, 1, 1) << QDate(2026, 3, 31)
                                       << Months{{"2026-01-01", 5100.1, 1100.1}, {"2026-02-01", 0, 0},
                                                 {"2026-03-01", 0, 100}};
        QTest::newRow("mid-month bounds") << QDate(2026, 1, 15) << QDate(2026, 3, 1)
                                          << Months{{"2026-01-01", 2100.1, 100.1}, {"2026-02-01", 0, 0},
                                                    {"2026-03-01", 800, 300}};
        QTest::newRow("one day") << QDate(2026, 4, 1) << QDate(2026, 4, 1) << Months{{"2026-04-01", 3000, 1000}};
        QTest::newRow("reversed") << QDate(2026, 3, 31) << QDate(2026, 1, 1) << Months{};
    }
    void monthly()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(Months, months);
        TrendShop shop;
        QCOMPARE(MonthsOf(MonthlyProfit(shop.db, from, to)), months);
    }

    // Highest profit first, equal profits in Chinese order (丙 bing before 丁 ding), at most count.
    void top_data()
    {
        QTest::addColumn<int>("by");
        QTest::addColumn<int>("count");
        QTest::addColumn<Ranking>("ranking");
        QTest::newRow("brands") << int(ProfitRanking::PinPai) << 10
                                << Ranking{{"甲牌", 1500, 500}, {"丙牌", 800, 300}, {"丁牌", 700, 300},
                                           {"乙牌", 2100.1, 100.1}};
        QTest::newRow("first two brands") << int(ProfitRanking::PinPai) << 2
                                          << Ranking{{"甲牌", 1500, 500}, {"丙牌", 800, 300}};
        QTest::newRow("products over every brand") << int(ProfitRanking::ChanPin) << 10
                                                   << Ranking{{"空调", 2300, 800}, {"风扇", 700, 300},
                                                              {"冰箱", 2100.1, 100.1}};
    }
    void top()
    {
        QFETCH(int, by);
        QFETCH(int, count);
        QFETCH(Ranking, ranking);
        TrendShop shop;
        QCOMPARE(RankingOf(TopProfit(shop.db, ProfitRanking(by), {2026, 1, 1}, {2026, 3, 31}, count)), ranking);
    }

    void topOfReversedRangeIsEmpty()
    {
        TrendShop shop;
        QVERIFY(TopProfit(shop.db, ProfitRanking::PinPai, {2026, 3, 31}, {2026, 1, 1}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestProfitTrend)
#include "test_profittrend.moc"
