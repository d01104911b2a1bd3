// Report data of the sales profit statistics and the employee performance.

#include "ReportData.h"
#include "ReportQuery.h"

#include <QStringList>
#include <utility>

namespace {

// One grouped profit report: sales lines of a source grouped by some columns, each group with
// quantity ZSL, cost ZCB, amount ZJE, profit LR and margin lrr.
//
// The date index drives the statement (the dated lines are read, then grouped) unless goodsFirst
// is set: a unary "+" on the grouping and goods columns keeps any other index from being chosen
// to save the grouping's sort, which would walk every line of ten years for a day's report.
// Sums of money depend in their last digit on the order of adding; entryOrder, when given, is
// the order in which each group adds its lines (that of the index once driving the statement),
// so that the figures do not change with the plan.
struct ProfitGrouping {
    QVector<std::pair<QString, QString>> groups;  // expression and the column it prints as
    QString source;                               // from clause holding the lines
    QString lines;                                // qualifier of the lines' columns ("", "b.", "c.")
    QString condition;
    SqlParams params;
    bool goodsFirst = false;                      // the goods index drives (brand and product given)
    QString entryOrder;
};

RowSet GroupedProfit(Database& db, const ProfitGrouping& g)
{
    QStringList selected, grouped, names;
    for (const auto& [expression, name] : g.groups) {
        selected << expression + QStringLiteral(" as ") + name;
        grouped << (g.goodsFirst ? expression : db.unindexed(expression));
        names << name;
    }
    QString source = g.source;
    QString condition = g.condition;
    QString lines = g.lines;
    if (!g.entryOrder.isEmpty()) {
        // The dated lines in their order of adding, then grouped.
        source = QStringLiteral("(select %1,%2shuliang as shuliang,%2CB as CB,%2jinE as jinE from %3 where %4 "
                                "order by %5) as dated")
                     .arg(selected.join(u','), g.lines, g.source, g.condition, g.entryOrder);
        condition = QStringLiteral("1=1");
        lines.clear();
        selected = names;
        grouped.clear();
        for (const QString& name : names)
            grouped << db.unindexed(name);
    }
    const QString sums = QStringLiteral("sum(%1shuliang) as ZSL,sum(%1CB*%1shuliang) as ZCB,sum(%1jinE) as ZJE")
                             .arg(lines);
    QStringList order;
    for (const QString& name : names)
        order << db.chineseOrder(name);
    const QString sql = QStringLiteral("select %1,ZSL,ZCB,ZJE,ZJE-ZCB as LR from "
                                       "(select %2,%3 from %4 where %5 group by %6) as grouped order by %7")
                            .arg(names.join(u','), selected.join(u','), sums, source, condition,
                                 grouped.join(u','), order.join(u','));
    RowSet d = ReadRows(db, sql, g.params);
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

void AddEquals(const Database& db, ProfitGrouping& g, const QString& column, const QString& value)
{
    g.condition += QStringLiteral(" and %1=:%2").arg(g.goodsFirst ? column : db.unindexed(column), column);
    g.params.append({u':' + column, value});
}

// Over a long range the lines of one brand (and product) are fewer than the dated lines, so the
// goods index drives; over up to two years the date index does.
bool GoodsFirst(const QDate& from, const QDate& to)
{
    return from.daysTo(to) > 731;
}

// A filter text of the statistics windows: "全部" and "所有" mean no filter.
bool IsFilter(const QString& trimmed)
{
    return !trimmed.isEmpty() && trimmed != QStringLiteral("全部") && trimmed != QStringLiteral("所有");
}

void DocumentMargin(RowSet& d)
{
    AppendMarginColumn(d, QStringLiteral("LR"), QStringLiteral("jinE"));
}

// The dated documents first, each with the cost of its lines; then in entry order.
QString ProfitDocumentsSql()
{
    return QStringLiteral(
               "with d as materialized (select a.autoid as autoid,a.dh as dh,a.in_date as in_date,a.KeHu as KeHu,"
               "a.yewuyuan as yewuyuan,a.shuliang as shuliang,a.jinE as jinE,"
               "(select sum(b.cb*b.shuliang) from Log_XiaoShou b where b.dh=a.dh) as zcb"
               " from Log_XiaoShouDan a where %1)"
               " select dh,in_date,KeHu,yewuyuan,shuliang,zcb as cb,jinE,jinE-zcb as LR from d order by autoid")
        .arg(DateCondition(QStringLiteral("a.")));
}

}  // namespace

ReportData PrepareBB_CXXSLR_XSD(Database& db, const QDate& from, const QDate& to)
{
    const SqlParams params = DateParams(from, to);
    RowSet documents = ReadRows(db, ProfitDocumentsSql(), params);
    DocumentMargin(documents);
    return MasterDetail(db, std::move(documents),
                        DocumentLinesSql(db, QStringLiteral("Log_XiaoShouDan"), QStringLiteral("Log_XiaoShou"),
                                         QStringLiteral("b.PinPai,b.chanpin,b.guige,b.danjia,b.ShuLiang,"
                                                        "b.cb*b.ShuLiang as zcb,b.jinE,b.jinE-b.cb*b.ShuLiang as LR"),
                                         DateCondition(QStringLiteral("a."))),
                        params, &DocumentMargin);
}

void StreamBB_CXXSLR_XSD(Database& db, const QDate& from, const QDate& to, const RowPieces& take)
{
    ReadRowPieces(db, ProfitDocumentsSql(), DateParams(from, to), [&take](RowSet& piece) {
        DocumentMargin(piece);
        take(piece);
    });
}

RowSet PrepareBB_CXXSLR_SP(Database& db, const QDate& from, const QDate& to)
{
    return GroupedProfit(db, LineGrouping({QStringLiteral("PinPai"), QStringLiteral("chanpin"), QStringLiteral("guige")},
                                          from, to));
}

RowSet PrepareBB_CXXSLR_PP(Database& db, const QString& chanpin, const QDate& from, const QDate& to)
{
    ProfitGrouping g = LineGrouping({QStringLiteral("PinPai")}, from, to);
    AddEquals(db, g, QStringLiteral("chanpin"), chanpin);
    return GroupedProfit(db, g);
}

RowSet PrepareBB_CXXSLR_CP(Database& db, const QString& PinPai, const QDate& from, const QDate& to)
{
    ProfitGrouping g = LineGrouping({QStringLiteral("chanpin")}, from, to);
    g.goodsFirst = GoodsFirst(from, to);
    if (!g.goodsFirst)
        g.entryOrder = QStringLiteral("chanpin,guige,autoid");
    AddEquals(db, g, QStringLiteral("PinPai"), PinPai);
    return GroupedProfit(db, g);
}

RowSet PrepareBB_CXXSLR_GG(Database& db, const QString& PinPai, const QString& chanpin,
                                  const QDate& from, const QDate& to)
{
    ProfitGrouping g = LineGrouping({QStringLiteral("guige")}, from, to);
    g.goodsFirst = GoodsFirst(from, to);
    if (!g.goodsFirst)
        g.entryOrder = QStringLiteral("guige,autoid");
    AddEquals(db, g, QStringLiteral("PinPai"), PinPai);
    AddEquals(db, g, QStringLiteral("chanpin"), chanpin);
    return GroupedProfit(db, g);
}

RowSet PrepareBB_CXXSLR_KH(Database& db, const QString& filter, const QDate& from, const QDate& to)
{
    ProfitGrouping g;
    g.groups = {{QStringLiteral("h.KeHu"), QStringLiteral("KeHu")}};
    QString documents = DateCondition();
    g.params = DateParams(from, to);
    const QString text = filter.trimmed();
    if (IsFilter(text)) {
        documents += QStringLiteral(" and ") + ContainsCondition(QStringLiteral("KeHu"), QStringLiteral(":text"));
        g.params.append({QStringLiteral(":text"), LikeEscaped(text)});
    }
    // The dated documents in entry order, each followed by its lines in entry order: the
    // grouping's sort keeps the rows of one customer in the order they come, so each customer
    // adds its lines as the customer index once gave them.
    g.source = QStringLiteral("(select dh,KeHu from Log_XiaoShouDan where %1 order by +autoid) h "
                              "left join Log_XiaoShou b on h.dh=b.dh")
                   .arg(documents);
    g.lines = QStringLiteral("b.");
    g.condition = QStringLiteral("1=1");
    return GroupedProfit(db, g);
}

RowSet PrepareBB_YGYJ(Database& db, const QString& yewuyuan, const QDate& from, const QDate& to)
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
