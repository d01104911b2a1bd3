#include "CheckStore.h"

#include "Database.h"

namespace {

// Headers whose totals differ from their lines (beyond half a cent), and lines without a header.
void CheckDocuments(Database& db, const QString& header, const QString& lines, QStringList& faults)
{
    QSqlQuery q = db.exec(QStringLiteral("select h.dh, h.shuliang, coalesce(l.sl,0), h.jinE, coalesce(l.je,0) from %1 h "
                                         "left join (select dh, sum(shuliang) as sl, sum(jinE) as je from %2 group by dh) l "
                                         "on l.dh=h.dh where h.shuliang<>coalesce(l.sl,0) or abs(h.jinE-coalesce(l.je,0))>0.005 "
                                         "order by h.dh")
                              .arg(header, lines));
    while (q.next())
        faults << QStringLiteral("%1 单据 %2 的合计(数量 %3, 金额 %4)与明细(数量 %5, 金额 %6)不符")
                      .arg(header, q.value(0).toString(), q.value(1).toString(), q.value(3).toString(),
                           q.value(2).toString(), q.value(4).toString());
    QSqlQuery orphans = db.exec(QStringLiteral("select distinct dh from %1 where dh not in (select dh from %2) order by dh")
                                    .arg(lines, header));
    while (orphans.next())
        faults << QStringLiteral("%1 有单号 %2 的明细, 但没有单据").arg(lines, orphans.value(0).toString());
}

}  // namespace

QStringList CheckDatabase(Database& db)
{
    QStringList faults;
    QSqlQuery integrity = db.exec(QStringLiteral("PRAGMA integrity_check"));
    while (integrity.next())
        if (const QString line = integrity.value(0).toString(); line != QLatin1String("ok"))
            faults << line;
    if (!faults.isEmpty())
        return faults;
    CheckDocuments(db, QStringLiteral("Log_XiaoShouDan"), QStringLiteral("Log_XiaoShou"), faults);
    CheckDocuments(db, QStringLiteral("Log_CaiGouDan"), QStringLiteral("Log_CaiGou"), faults);
    return faults;
}
