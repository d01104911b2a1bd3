#include "ClearDataStore.h"

#include "AuditLog.h"
#include "Database.h"
#include "Ledger.h"
#include "MonthKey.h"

namespace {

// The tables cleared with a month, each selected by its own in_date.
const char* const MonthTables[] = {"Log_XiaoShouDan", "Log_XiaoShou", "Log_CaiGouDan", "Log_CaiGou",
                                   "Log_ShouZhi"};

}  // namespace

QStringList ListUnclearedJieQun(Database& db)
{
    QSqlQuery q = db.exec(QStringLiteral("select JQM from Log_JieQun where ClearState=:ClearState order by JQM"),
                          {{QStringLiteral(":ClearState"), 1}});
    QStringList keys;
    while (q.next())
        keys << q.value(0).toString();
    return keys;
}

MonthOwing GetMonthOwing(Database& db, const QString& key)
{
    const SqlParams month = MonthParams(key);
    const auto owing = [&](const char* table, int& count, double& total) {
        QSqlQuery q = db.exec(QStringLiteral("select count(*), coalesce(sum(QK),0) from %1 "
                                             "where in_date>=:first and in_date<:next and QK<>0")
                                  .arg(QLatin1String(table)),
                              month);
        q.next();
        count = q.value(0).toInt();
        total = q.value(1).toDouble();
    };
    MonthOwing result;
    owing("Log_XiaoShouDan", result.salesCount, result.salesOwed);
    owing("Log_CaiGouDan", result.purchaseCount, result.purchaseOwed);
    return result;
}

void ClearMonthData(Database& db, const QString& key, const Progress& progress)
{
    const SqlParams month = MonthParams(key);
    Transaction t(db);
    // The goods items keep the stock the month's lines moved, as opening quantity.
    for (const char* lines : {"Log_XiaoShou", "Log_CaiGou"})
        CarryIntoOpeningStock(db, QLatin1String(lines), QStringLiteral("in_date>=:first and in_date<:next"), month);
    QVector<int> deleted;
    for (const char* table : MonthTables) {
        if (progress)
            progress(int(deleted.size()), int(std::size(MonthTables)));
        deleted << db.exec(QStringLiteral("delete from %1 where in_date>=:first and in_date<:next").arg(QLatin1String(table)),
                           month)
                       .numRowsAffected();
    }
    db.exec(QStringLiteral("update Log_JieQun set ClearState=:ClearState where JQM=:JQM"),
            {{QStringLiteral(":ClearState"), 2}, {QStringLiteral(":JQM"), key}});
    WriteAudit(db, QStringLiteral("清除月份数据"), key.left(4) + QStringLiteral("年") + key.mid(4, 2) + QStringLiteral("月"),
               QStringLiteral("销售单%1张(明细%2行), 采购单%3张(明细%4行), 收支记录%5条")
                   .arg(deleted[0])
                   .arg(deleted[1])
                   .arg(deleted[2])
                   .arg(deleted[3])
                   .arg(deleted[4]));
    t.commit();
    if (progress)
        progress(int(std::size(MonthTables)), int(std::size(MonthTables)));
}
