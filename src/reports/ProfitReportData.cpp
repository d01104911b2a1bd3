// Report data of the sales profit statistics and the employee performance.

#include "ReportData.h"
#include "ReportQuery.h"

#include <QStringList>
#include <utility>

namespace {

// One grouped profit report: sales lines of a source grouped by some columns, each group with
// quantity ZSL, cost ZCB, amount ZJE, profit LR and margin lrr.
struct ProfitGrouping {
    QVector<std::pair<QString, QString>> groups;  // expression and the column it prints as
    QString source;                               // from clause holding the lines
    QString lines;                                // qualifier of the lines' columns ("", "b.", "c.")
    QString condition;
    SqlParams params;
};

ReportDataset GroupedProfit(Database& db, const ProfitGrouping& g)
{
    QStringList selected, grouped, names;
    for (const auto& [expression, name] : g.groups) {
        selected << expression + QStringLiteral(" as ") + name;
        grouped << expression;
        names << name;
    }
    const QString sums = QStringLiteral("sum(%1shuliang) as ZSL,sum(%1CB*%1shuliang) as ZCB,sum(%1jinE) as ZJE")
                             .arg(g.lines);
    const QString order = u' ' + QLatin1String(ChineseOrder);
    const QString sql = QStringLiteral("select %1,ZSL,ZCB,ZJE,ZJE-ZCB as LR from "
                                       "(select %2,%3 from %4 where %5 group by %6) order by %7")
                            .arg(names.join(u','), selected.join(u','), sums, g.source, g.condition,
                                 grouped.join(u','), names.join(order + u',') + order);
    ReportDataset d = SelectRows(db, sql, g.params);
    AppendMarginColumn(d);
    return d;
}

// Lines of the sales documents, grouped on the lines themselves.
ProfitGrouping LineGrouping(const QStringList& columns, const QDate& from, const QDate& to)
{
    ProfitGrouping g;
    for (const QString& c : columns)
        g.groups.append({c, c});
    g.source = QStringLiteral("Log_XiaoShou");
    g.condition = DateCondition();
    g.params = DateParams(from, to);
    return g;
}

void AddEquals(ProfitGrouping& g, const QString& column, const QString& value)
{
    g.condition += QStringLiteral(" and %1=:%1").arg(column);
    g.params.append({u':' + column, value});
}

// A filter text of the statistics windows: "全部" and "所有" mean no filter.
bool IsFilter(const QString& trimmed)
{
    return !trimmed.isEmpty() && trimmed != QStringLiteral("全部") && trimmed != QStringLiteral("所有");
}

void DocumentMargin(ReportDataset& d)
{
    AppendMarginColumn(d, QStringLiteral("LR"), QStringLiteral("jinE"));
}

}  // namespace

ReportData PrepareBB_CXXSLR_XSD(Database& db, const QDate& from, const QDate& to)
{
    const QString master = QStringLiteral(
        "select c.dh as dh,c.in_date as in_date,c.KeHu as KeHu,c.yewuyuan as yewuyuan,"
        "c.shuliang as shuliang,d.zcb as cb,c.jinE as jinE,c.jinE-d.zcb as LR"
        " from Log_XiaoShouDan c left join"
        " (select a.dh as dh,sum(b.cb*b.shuliang) as zcb from Log_XiaoShouDan a"
        " left join Log_XiaoShou b on a.dh=b.dh group by a.dh) d"
        " on c.dh=d.dh where %1 order by c.autoid")
                               .arg(DateCondition(QStringLiteral("c.")));
    ReportDataset documents = SelectRows(db, master, DateParams(from, to));
    DocumentMargin(documents);
    return MasterDetail(db, std::move(documents),
                        QStringLiteral("select PinPai,chanpin,guige,danjia,ShuLiang,cb*ShuLiang as zcb,jinE,"
                                       "jinE-cb*ShuLiang as LR from Log_XiaoShou where dh=:dh order by autoid"),
                        &DocumentMargin);
}

ReportDataset PrepareBB_CXXSLR_SP(Database& db, const QDate& from, const QDate& to)
{
    return GroupedProfit(db, LineGrouping({QStringLiteral("PinPai"), QStringLiteral("chanpin"), QStringLiteral("guige")},
                                          from, to));
}

ReportDataset PrepareBB_CXXSLR_PP(Database& db, const QString& chanpin, const QDate& from, const QDate& to)
{
    ProfitGrouping g = LineGrouping({QStringLiteral("PinPai")}, from, to);
    AddEquals(g, QStringLiteral("chanpin"), chanpin);
    return GroupedProfit(db, g);
}

ReportDataset PrepareBB_CXXSLR_CP(Database& db, const QString& PinPai, const QDate& from, const QDate& to)
{
    ProfitGrouping g = LineGrouping({QStringLiteral("chanpin")}, from, to);
    AddEquals(g, QStringLiteral("PinPai"), PinPai);
    return GroupedProfit(db, g);
}

ReportDataset PrepareBB_CXXSLR_GG(Database& db, const QString& PinPai, const QString& chanpin,
                                  const QDate& from, const QDate& to)
{
    ProfitGrouping g = LineGrouping({QStringLiteral("guige")}, from, to);
    AddEquals(g, QStringLiteral("PinPai"), PinPai);
    AddEquals(g, QStringLiteral("chanpin"), chanpin);
    return GroupedProfit(db, g);
}

ReportDataset PrepareBB_CXXSLR_KH(Database& db, const QString& filter, const QDate& from, const QDate& to)
{
    ProfitGrouping g;
    g.groups = {{QStringLiteral("a.KeHu"), QStringLiteral("KeHu")}};
    g.source = QStringLiteral("Log_XiaoShouDan a left join Log_XiaoShou b on a.dh=b.dh");
    g.lines = QStringLiteral("b.");
    g.condition = DateCondition(QStringLiteral("a."));
    g.params = DateParams(from, to);
    const QString text = filter.trimmed();
    if (IsFilter(text)) {
        g.condition += QStringLiteral(" and a.KeHu like '%' || :text || '%'");
        g.params.append({QStringLiteral(":text"), text});
    }
    return GroupedProfit(db, g);
}

ReportDataset PrepareBB_YGYJ(Database& db, const QString& yewuyuan, const QDate& from, const QDate& to)
{
    ProfitGrouping g;
    g.groups = {{QStringLiteral("c.yewuyuan"), QStringLiteral("yewuyuan")},
                {QStringLiteral("d.CPType"), QStringLiteral("CPType")}};
    // Each line with its document's date and salesperson; the product class comes from the goods
    // master row of the same brand and product.
    g.source = QStringLiteral(
        "(select a.dh as dh,a.in_date as in_date,a.yewuyuan as yewuyuan,b.PinPai as PinPai,"
        "b.chanpin as chanpin,b.guige as guige,b.CB as CB,b.shuliang as shuliang,b.jinE as jinE"
        " from Log_XiaoShouDan a left join Log_XiaoShou b on a.dh=b.dh) c"
        " left join Base_ChanPin d on c.PinPai=d.PinPai and c.chanpin=d.ChanPin");
    g.lines = QStringLiteral("c.");
    g.condition = DateCondition(QStringLiteral("c."));
    g.params = DateParams(from, to);
    if (IsFilter(yewuyuan.trimmed())) {
        g.condition += QStringLiteral(" and c.yewuyuan=:yewuyuan");
        g.params.append({QStringLiteral(":yewuyuan"), yewuyuan});
    }
    return GroupedProfit(db, g);
}
