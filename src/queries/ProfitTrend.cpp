#include "ProfitTrend.h"

#include "ChineseOrder.h"
#include "Database.h"
#include "NumberText.h"

#include <QHash>
#include <algorithm>

namespace {

const QString Dated = QStringLiteral("in_date>=:from and in_date<=:to");

SqlParams Range(const QDate& from, const QDate& to)
{
    return {{QStringLiteral(":from"), SqlDate(from)}, {QStringLiteral(":to"), SqlDate(to)}};
}

double Cents(double x)
{
    return RoundFloat(2, x);
}

}  // namespace

QVector<MonthProfit> MonthlyProfit(Database& db, const QDate& from, const QDate& to)
{
    QVector<MonthProfit> months;
    if (from > to)
        return months;
    QHash<QString, int> byKey;
    for (QDate m(from.year(), from.month(), 1); m <= to; m = m.addMonths(1)) {
        byKey.insert(m.toString(QStringLiteral("yyyy-MM")), int(months.size()));
        months.append({m, 0, 0});
    }
    QSqlQuery q = db.exec(QStringLiteral("select substr(in_date,1,7) as month,sum(jinE) as ZJE,sum(CB*shuliang) as ZCB"
                                         " from Log_XiaoShou where %1 group by substr(in_date,1,7)")
                              .arg(Dated),
                          Range(from, to));
    while (q.next()) {
        const int i = byKey.value(q.value(0).toString(), -1);
        if (i < 0)
            continue;
        const double amount = q.value(1).toDouble();
        months[i].amount = Cents(amount);
        months[i].profit = Cents(amount - q.value(2).toDouble());
    }
    return months;
}

QVector<RankedProfit> TopProfit(Database& db, ProfitRanking by, const QDate& from, const QDate& to, int count)
{
    // The groups are few (brands, product names); they are ranked here on their figures to the
    // cent, so that binary noise in a sum never decides between two equal profits.
    const QString column = by == ProfitRanking::PinPai ? QStringLiteral("PinPai") : QStringLiteral("chanpin");
    QSqlQuery q = db.exec(QStringLiteral("select %1,sum(jinE),sum(CB*shuliang) from Log_XiaoShou where %2 group by %1")
                              .arg(column, Dated),
                          Range(from, to));
    QVector<RankedProfit> ranked;
    while (q.next()) {
        const double amount = q.value(1).toDouble();
        ranked.append({q.value(0).toString(), Cents(amount), Cents(amount - q.value(2).toDouble())});
    }
    std::sort(ranked.begin(), ranked.end(), [](const RankedProfit& a, const RankedProfit& b) {
        if (a.profit != b.profit)
            return a.profit > b.profit;
        return CompareChinese(a.name.toUtf8().toStdString(), b.name.toUtf8().toStdString()) < 0;
    });
    if (ranked.size() > count)
        ranked.resize(qMax(0, count));
    return ranked;
}
