#include "DocumentQuery.h"

#include "Database.h"
#include "DocumentLists.h"

namespace {

// Header columns with the figures of the kind, of the selected documents in the order saved.
RowSet ListDocuments(Database& db, const DocumentSide& side, const QString& columns, DanKind kind,
                     const DocumentSelection& selection)
{
    return SelectRows(db,
                      QStringLiteral("select autoid,dh,in_date,%1,%2 from %3 a where %4 order by +autoid")
                          .arg(ShownFigures(kind), columns, side.header, selection.condition),
                      selection.params);
}

}  // namespace

RowSet ListXiaoShouDan(Database& db, DanKind kind, const QString& filter, const QDate& from, const QDate& to)
{
    DocumentSelection dated = DatedDocuments(SalesSide(), kind, from, to);
    const QString text = filter.trimmed();
    if (kind == ForwardKind) {
        AddContains(dated, {QStringLiteral("KeHu"), QStringLiteral("KeHuPhone")}, text);
    } else if (!text.isEmpty()) {
        // The returns' list finds one customer by the whole name; the telephone is not searched.
        dated.condition += QStringLiteral(" and a.KeHu=:text");
        dated.params.append({QStringLiteral(":text"), text});
    }
    return ListDocuments(db, SalesSide(), QStringLiteral("KeHu,yewuyuan,KeHuPhone,KeHuAddress,QK,Remark"), kind, dated);
}

RowSet ListCaiGouDan(Database& db, DanKind kind, const QDate& from, const QDate& to)
{
    return ListDocuments(db, PurchaseSide(), QStringLiteral("GYS,QK,Remark"), kind,
                         DatedDocuments(PurchaseSide(), kind, from, to));
}
