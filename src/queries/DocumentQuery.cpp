#include "DocumentQuery.h"

#include "Database.h"
#include "DocumentSide.h"
#include "ReportQuery.h"

namespace {

// Header columns with the figures of the kind; the range (and the return prefix) as condition.
RowSet ListDocuments(Database& db, const DocumentSide& side, const QString& columns, DanKind kind,
                     QString condition, const SqlParams& params)
{
    const QString figures = kind == ReturnKind ? QStringLiteral("-ShuLiang as ShuLiang,-jinE as jinE")
                                               : QStringLiteral("ShuLiang,jinE");
    if (kind == ReturnKind)
        condition += QStringLiteral(" and ") + side.returnCondition(QStringLiteral("dh"));
    return SelectRows(db,
                      QStringLiteral("select autoid,dh,in_date,%1,%2 from %3 where %4 order by +autoid")
                          .arg(figures, columns, side.header, condition),
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
            : QStringLiteral(" and (%1 or %2)")
                  .arg(ContainsCondition(QStringLiteral("KeHu"), QStringLiteral(":text")),
                       ContainsCondition(QStringLiteral("KeHuPhone"), QStringLiteral(":text")));
        params.append({QStringLiteral(":text"), kind == ReturnKind ? text : LikeEscaped(text)});
    }
    return ListDocuments(db, SalesSide(), QStringLiteral("KeHu,yewuyuan,KeHuPhone,KeHuAddress,QK,Remark"), kind,
                         condition, params);
}

RowSet ListCaiGouDan(Database& db, DanKind kind, const QDate& from, const QDate& to)
{
    return ListDocuments(db, PurchaseSide(), QStringLiteral("GYS,QK,Remark"), kind, DateCondition(),
                         DateParams(from, to));
}
