#include "DocumentQuery.h"

#include "AuditLog.h"
#include "Database.h"
#include "DocumentStore.h"
#include "ReportQuery.h"

namespace {

// Header columns with the figures of the kind; the range (and the return prefix) as condition.
RowSet ListDocuments(Database& db, const QString& table, const QString& columns, DanKind kind,
                     const QString& returnPrefix, QString condition, SqlParams params)
{
    const QString figures = kind == ReturnKind ? QStringLiteral("-ShuLiang as ShuLiang,-jinE as jinE")
                                               : QStringLiteral("ShuLiang,jinE");
    if (kind == ReturnKind) {
        condition += QStringLiteral(" and substr(dh,1,2)=:prefix");
        params.append({QStringLiteral(":prefix"), returnPrefix});
    }
    return SelectRows(db,
                      QStringLiteral("select autoid,dh,in_date,%1,%2 from %3 where %4 order by +autoid")
                          .arg(figures, columns, table, condition),
                      params);
}

}  // namespace

RowSet ListXiaoShouDan(Database& db, DanKind kind, const QString& filter, const QDate& from, const QDate& to)
{
    QString condition = DateCondition();
    SqlParams params = DateParams(from, to);
    const QString text = filter.trimmed();
    if (!text.isEmpty()) {
        condition += kind == ReturnKind
            ? QStringLiteral(" and KeHu=:text")
            : QStringLiteral(" and (instr(KeHu,:text)>0 or instr(KeHuPhone,:text)>0)");
        params.append({QStringLiteral(":text"), text});
    }
    return ListDocuments(db, QStringLiteral("Log_XiaoShouDan"),
                         QStringLiteral("KeHu,yewuyuan,KeHuPhone,KeHuAddress,QK,Remark"), kind,
                         QStringLiteral("xt"), condition, params);
}

RowSet ListCaiGouDan(Database& db, DanKind kind, const QDate& from, const QDate& to)
{
    return ListDocuments(db, QStringLiteral("Log_CaiGouDan"), QStringLiteral("GYS,QK,Remark"), kind,
                         QStringLiteral("ct"), DateCondition(), DateParams(from, to));
}

void DeleteXiaoShouDanAudited(Database& db, const QString& dh)
{
    Transaction t(db);
    DeleteXiaoShouDocument(db, dh);
    WriteAudit(db, dh.startsWith(QStringLiteral("xt"), Qt::CaseInsensitive) ? QStringLiteral("删除销售退货单")
                                                                            : QStringLiteral("删除销售单"),
               dh);
    t.commit();
}

void DeleteCaiGouDanAudited(Database& db, const QString& dh)
{
    Transaction t(db);
    DeleteCaiGouDocument(db, dh);
    WriteAudit(db, dh.startsWith(QStringLiteral("ct"), Qt::CaseInsensitive) ? QStringLiteral("删除采购退货单")
                                                                            : QStringLiteral("删除采购单"),
               dh);
    t.commit();
}
