// Report data of the stock list.

#include "ReportData.h"
#include "ReportQuery.h"

#include <QStringList>

namespace {

// An all-entry of the goods lists sets no condition.
bool IsSet(const QString& value, const char* allEntry)
{
    return !value.isEmpty() && value != QString::fromUtf8(allEntry);
}

QString StockOrder(const Database& db, const QString& orderBy)
{
    QStringList columns{QStringLiteral("PinPai"), QStringLiteral("ChanPin"), QStringLiteral("GuiGe")};
    if (orderBy == QStringLiteral("产品"))
        columns = {QStringLiteral("ChanPin"), QStringLiteral("PinPai"), QStringLiteral("GuiGe")};
    else if (orderBy == QStringLiteral("规格"))
        columns = {QStringLiteral("GuiGe"), QStringLiteral("PinPai"), QStringLiteral("ChanPin")};
    for (QString& column : columns)
        column = db.chineseOrder(column);
    return QStringLiteral("order by ") + columns.join(u',');
}

}  // namespace

RowSet PrepareBB_CXKC(Database& db, const QString& PinPai, const QString& ChanPin,
                             const QString& GuiGe, const QString& orderBy)
{
    QStringList terms;
    SqlParams params;
    const auto add = [&](const QString& column, const QString& value, const char* allEntry) {
        if (!IsSet(value, allEntry))
            return;
        terms << QStringLiteral("%1=:%1").arg(column);
        params.append({u':' + column, value});
    };
    add(QStringLiteral("PinPai"), PinPai, "所有品牌");
    add(QStringLiteral("ChanPin"), ChanPin, "所有产品");
    add(QStringLiteral("GuiGe"), GuiGe, "所有型号");

    // A figure without a value (the latest cost of goods never purchased) counts as 0.
    QString sql = QStringLiteral("select PinPai,ChanPin,GuiGe,coalesce(ShuLiang,0) as ShuLiang,coalesce(PJCB,0) as PJCB,"
                                 "coalesce(NewCB,0) as NewCB,coalesce(pjcb*ShuLiang,0) as zcb from Log_KuCun");
    if (!terms.isEmpty())
        sql += QStringLiteral(" where ") + terms.join(QStringLiteral(" and "));
    return ReadRows(db, sql + QStringLiteral("\n ") + StockOrder(db, orderBy), params);
}
