// Report data of documents, document lists, receivables and payables.

#include "ReportData.h"
#include "ReportQuery.h"

namespace {

const QString SalesPrefix = QStringLiteral("xt");
const QString PurchasePrefix = QStringLiteral("ct");
const QString AllEntry = QStringLiteral("所有");

// Lines of one document; a return shows its quantities and amounts as positive figures.
QString SalesLinesSql(DanKind kind)
{
    return kind == ReturnKind
        ? QStringLiteral("select autoid,dh,in_date,PinPai,chanpin,guige,danjia,CB,"
                         "-shuliang as shuliang,-jinE as jinE from Log_XiaoShou where dh=:dh order by autoid")
        : QStringLiteral("select * from Log_XiaoShou where dh=:dh order by autoid");
}

QString PurchaseLinesSql(DanKind kind)
{
    return kind == ReturnKind
        ? QStringLiteral("select autoid,dh,in_date,PinPai,chanpin,guige,danjia,"
                         "-shuliang as shuliang,-jinE as jinE from Log_CaiGou where dh=:dh order by autoid")
        : QStringLiteral("select * from Log_CaiGou where dh=:dh order by autoid");
}

// The dated documents of a list; in kind ReturnKind only those whose number has the return prefix.
QString ListCondition(DanKind kind, SqlParams& params, const QString& returnPrefix)
{
    QString w = DateCondition();
    if (kind == ReturnKind) {
        w += QStringLiteral(" and substr(dh,1,2)=:prefix");
        params.append({QStringLiteral(":prefix"), returnPrefix});
    }
    return w;
}

// The open documents (amount owed not 0) of one customer or supplier, or of all.
ReportDataset OpenDocuments(Database& db, const QString& table, const QString& column,
                            const QString& name)
{
    QString sql = QStringLiteral("select * from %1 where QK<>0").arg(table);
    SqlParams params;
    if (!name.isEmpty() && name != AllEntry) {
        sql += QStringLiteral(" and %1=:name").arg(column);
        params.append({QStringLiteral(":name"), name});
    }
    return SelectRows(db, sql + QStringLiteral(" order by autoid"), params);
}

}  // namespace

ReportDataset PrepareBB_XSDJ(Database& db, const QString& dh, DanKind kind)
{
    return SelectRows(db, SalesLinesSql(kind), {{QStringLiteral(":dh"), dh}});
}

ReportDataset PrepareBB_CGDJ(Database& db, const QString& dh, DanKind kind)
{
    return SelectRows(db, PurchaseLinesSql(kind), {{QStringLiteral(":dh"), dh}});
}

ReportData PrepareBB_CXXS(Database& db, const QString& filter, DanKind kind, const QDate& from,
                          const QDate& to)
{
    SqlParams params = DateParams(from, to);
    QString w = ListCondition(kind, params, SalesPrefix);
    const QString text = filter.trimmed();
    if (!text.isEmpty()) {
        w += QStringLiteral(" and (KeHu like '%' || :text || '%' or KeHuPhone like '%' || :text || '%')");
        params.append({QStringLiteral(":text"), text});
    }
    const QString figures = kind == ReturnKind ? QStringLiteral("-shuliang as shuliang,-jinE as jinE")
                                               : QStringLiteral("shuliang,jinE");
    const QString master =
        QStringLiteral("select autoid,dh,in_date,%1,KeHu,yewuyuan,KeHuPhone,KeHuAddress,QK,Remark "
                       "from Log_XiaoShouDan where %2 order by autoid")
            .arg(figures, w);
    return MasterDetail(db, SelectRows(db, master, params), SalesLinesSql(kind));
}

ReportData PrepareBB_CXCG(Database& db, DanKind kind, const QDate& from, const QDate& to)
{
    SqlParams params = DateParams(from, to);
    const QString w = ListCondition(kind, params, PurchasePrefix);
    const QString columns = kind == ReturnKind
        ? QStringLiteral("autoid,dh,in_date,-shuliang as shuliang,-jinE as jinE,GYS,QK,Remark")
        : QStringLiteral("*");
    const QString master =
        QStringLiteral("select %1 from Log_CaiGouDan where %2 order by autoid").arg(columns, w);
    return MasterDetail(db, SelectRows(db, master, params), PurchaseLinesSql(kind));
}

ReportData PrepareBB_XSYSK(Database& db, const QString& KeHu)
{
    return MasterDetail(db, OpenDocuments(db, QStringLiteral("Log_XiaoShouDan"), QStringLiteral("KeHu"), KeHu),
                        QStringLiteral("select PinPai,chanpin,guige,danjia,ShuLiang,jinE from Log_XiaoShou "
                                       "where dh=:dh order by autoid"));
}

ReportData PrepareBB_CGYFK(Database& db, const QString& GYS)
{
    return MasterDetail(db, OpenDocuments(db, QStringLiteral("Log_CaiGouDan"), QStringLiteral("GYS"), GYS),
                        QStringLiteral("select PinPai,chanpin,guige,danjia,ShuLiang,jinE from Log_CaiGou "
                                       "where dh=:dh order by autoid"));
}
