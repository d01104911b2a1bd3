// Report data of documents, document lists, receivables and payables.

#include "DocumentSide.h"
#include "ReportData.h"
#include "ReportQuery.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

const QString AllEntry = QStringLiteral("所有");

// Columns of a document's lines, qualified with alias ("" or "b."); a return shows its
// quantities and amounts as positive figures.
QString SalesLineColumns(DanKind kind, const QString& alias)
{
    return kind == ReturnKind
        ? QStringLiteral("%1autoid,%1dh,%1in_date,%1PinPai,%1chanpin,%1guige,%1danjia,%1CB,"
                         "-%1shuliang as shuliang,-%1jinE as jinE").arg(alias)
        : alias + u'*';
}

QString PurchaseLineColumns(DanKind kind, const QString& alias)
{
    return kind == ReturnKind
        ? QStringLiteral("%1autoid,%1dh,%1in_date,%1PinPai,%1chanpin,%1guige,%1danjia,"
                         "-%1shuliang as shuliang,-%1jinE as jinE").arg(alias)
        : alias + u'*';
}

// Lines of one document.
QString OneDocumentSql(const QString& columns, const QString& table)
{
    return QStringLiteral("select %1 from %2 where dh=:dh order by autoid").arg(columns, table);
}

// The lines an account list shows for an open document.
const QString OpenLineColumns = QStringLiteral("b.PinPai,b.chanpin,b.guige,b.danjia,b.ShuLiang,b.jinE");

const QString Lines = QStringLiteral("b.");

// The dated documents of a list (headers as alias a); in kind ReturnKind only the side's returns.
QString ListCondition(DanKind kind, const DocumentSide& side)
{
    QString w = DateCondition(QStringLiteral("a."));
    if (kind == ReturnKind)
        w += QStringLiteral(" and ") + side.returnCondition(QStringLiteral("a.dh"));
    return w;
}

// The open documents (amount owed not 0) of one customer or supplier, or of all, with their lines.
ReportData OpenDocuments(Database& db, const QString& table, const QString& lineTable, const QString& column,
                         const QString& name)
{
    QString condition = QStringLiteral("a.QK<>0");
    SqlParams params;
    if (!name.isEmpty() && name != AllEntry) {
        condition += QStringLiteral(" and a.%1=:name").arg(column);
        params.append({QStringLiteral(":name"), name});
    }
    // "+autoid": the partial index on the open documents reads them, rather than the whole table
    // in entry order.
    RowSet documents =
        ReadRows(db, QStringLiteral("select * from %1 a where %2 order by +autoid").arg(table, condition), params);
    return MasterDetail(db, std::move(documents), DocumentLinesSql(table, lineTable, OpenLineColumns, condition), params);
}

// The lines of the listed documents: the numbers go in as one JSON array, each finding its lines
// through the number index.
ReportData ListedDocumentLines(Database& db, RowSet documents, const QString& lineTable, const QString& columns)
{
    QJsonArray numbers;
    const int dh = documents.columnIndex(QStringLiteral("dh"));
    for (const QVector<QVariant>& row : std::as_const(documents.rows))
        numbers.append(row.value(dh).toString());
    const QString sql =
        QStringLiteral("select n.value,b.autoid,%1 from json_each(:numbers) n cross join %2 b on b.dh=n.value")
            .arg(columns, lineTable);
    const QString list = QString::fromUtf8(QJsonDocument(numbers).toJson(QJsonDocument::Compact));
    return MasterDetail(db, std::move(documents), sql, {{QStringLiteral(":numbers"), list}});
}

// The statements of a dated document list: its documents and the lines of all of them.
struct ListStatements {
    QString master;
    QString lines;
    SqlParams params;
};

ListStatements SalesList(const QString& filter, DanKind kind, const QDate& from, const QDate& to)
{
    ListStatements list;
    list.params = DateParams(from, to);
    QString w = ListCondition(kind, SalesSide());
    const QString text = filter.trimmed();
    if (!text.isEmpty()) {
        w += QStringLiteral(" and (%1 or %2)")
                 .arg(ContainsCondition(QStringLiteral("a.KeHu"), QStringLiteral(":text")),
                      ContainsCondition(QStringLiteral("a.KeHuPhone"), QStringLiteral(":text")));
        list.params.append({QStringLiteral(":text"), LikeEscaped(text)});
    }
    const QString figures = kind == ReturnKind ? QStringLiteral("-shuliang as shuliang,-jinE as jinE")
                                               : QStringLiteral("shuliang,jinE");
    list.master = QStringLiteral("select autoid,dh,in_date,%1,KeHu,yewuyuan,KeHuPhone,KeHuAddress,QK,Remark "
                                 "from Log_XiaoShouDan a where %2 order by +autoid")
                      .arg(figures, w);
    list.lines = DocumentLinesSql(QStringLiteral("Log_XiaoShouDan"), QStringLiteral("Log_XiaoShou"),
                                  SalesLineColumns(kind, Lines), w);
    return list;
}

ListStatements PurchaseList(DanKind kind, const QDate& from, const QDate& to)
{
    ListStatements list;
    list.params = DateParams(from, to);
    const QString w = ListCondition(kind, PurchaseSide());
    const QString columns = kind == ReturnKind
        ? QStringLiteral("autoid,dh,in_date,-shuliang as shuliang,-jinE as jinE,GYS,QK,Remark")
        : QStringLiteral("*");
    list.master = QStringLiteral("select %1 from Log_CaiGouDan a where %2 order by +autoid").arg(columns, w);
    list.lines = DocumentLinesSql(QStringLiteral("Log_CaiGouDan"), QStringLiteral("Log_CaiGou"),
                                  PurchaseLineColumns(kind, Lines), w);
    return list;
}

}  // namespace

ReportData PrepareBB_XSDJLines(Database& db, RowSet documents, DanKind kind)
{
    return ListedDocumentLines(db, std::move(documents), QStringLiteral("Log_XiaoShou"), SalesLineColumns(kind, Lines));
}

ReportData PrepareBB_CGDJLines(Database& db, RowSet documents, DanKind kind)
{
    return ListedDocumentLines(db, std::move(documents), QStringLiteral("Log_CaiGou"), PurchaseLineColumns(kind, Lines));
}

RowSet PrepareBB_XSDJ(Database& db, const QString& dh, DanKind kind)
{
    return ReadRows(db, OneDocumentSql(SalesLineColumns(kind, QString()), QStringLiteral("Log_XiaoShou")),
                      {{QStringLiteral(":dh"), dh}});
}

RowSet PrepareBB_CGDJ(Database& db, const QString& dh, DanKind kind)
{
    return ReadRows(db, OneDocumentSql(PurchaseLineColumns(kind, QString()), QStringLiteral("Log_CaiGou")),
                      {{QStringLiteral(":dh"), dh}});
}

ReportData PrepareBB_CXXS(Database& db, const QString& filter, DanKind kind, const QDate& from,
                          const QDate& to)
{
    const ListStatements list = SalesList(filter, kind, from, to);
    return MasterDetail(db, ReadRows(db, list.master, list.params), list.lines, list.params);
}

ReportData PrepareBB_CXCG(Database& db, DanKind kind, const QDate& from, const QDate& to)
{
    const ListStatements list = PurchaseList(kind, from, to);
    return MasterDetail(db, ReadRows(db, list.master, list.params), list.lines, list.params);
}

void StreamBB_CXXS(Database& db, const QString& filter, DanKind kind, const QDate& from, const QDate& to,
                   const RowPieces& take)
{
    const ListStatements list = SalesList(filter, kind, from, to);
    ReadRowPieces(db, list.master, list.params, take);
}

void StreamBB_CXCG(Database& db, DanKind kind, const QDate& from, const QDate& to, const RowPieces& take)
{
    const ListStatements list = PurchaseList(kind, from, to);
    ReadRowPieces(db, list.master, list.params, take);
}

ReportData PrepareBB_XSYSK(Database& db, const QString& KeHu)
{
    return OpenDocuments(db, QStringLiteral("Log_XiaoShouDan"), QStringLiteral("Log_XiaoShou"), QStringLiteral("KeHu"), KeHu);
}

ReportData PrepareBB_CGYFK(Database& db, const QString& GYS)
{
    return OpenDocuments(db, QStringLiteral("Log_CaiGouDan"), QStringLiteral("Log_CaiGou"), QStringLiteral("GYS"), GYS);
}
