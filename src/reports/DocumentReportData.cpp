// Report data of documents, document lists, receivables and payables.

#include "DocumentLists.h"
#include "ReportData.h"
#include "ReportQuery.h"

namespace {

// Columns of a document's lines, qualified with alias ("" or "b."); a return shows its
// quantities and amounts as positive figures.
QString SalesLineColumns(DanKind kind, const QString& alias)
{
    return kind == ReturnKind
        ? QStringLiteral("%1autoid,%1dh,%1in_date,%1PinPai,%1chanpin,%1guige,%1danjia,%1CB,").arg(alias)
              + ShownFigures(kind, alias)
        : alias + u'*';
}

QString PurchaseLineColumns(DanKind kind, const QString& alias)
{
    return kind == ReturnKind
        ? QStringLiteral("%1autoid,%1dh,%1in_date,%1PinPai,%1chanpin,%1guige,%1danjia,").arg(alias)
              + ShownFigures(kind, alias)
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

// The open documents of one customer or supplier, or of all, with their lines.
ReportData OpenDocumentsWithLines(Database& db, const DocumentSide& side, const QString& party)
{
    const DocumentSelection open = OpenDocumentsOf(side, party);
    // "+autoid": the partial index on the open documents reads them, rather than the whole table
    // in entry order.
    RowSet documents = ReadRows(
        db, QStringLiteral("select * from %1 a where %2 order by +autoid").arg(side.header, open.condition), open.params);
    return MasterDetail(db, std::move(documents),
                        DocumentLinesSql(db, side.header, side.lines, OpenLineColumns, open.condition), open.params);
}

// The lines of the listed documents, read with one statement.
ReportData ListedDocumentLines(Database& db, RowSet documents, const DocumentSide& side, const QString& columns)
{
    const SqlParams numbers = ListedNumbers(documents);
    return MasterDetail(db, std::move(documents), ListedLinesSql(db, side, columns), numbers);
}

// The statements of a dated document list: its documents and the lines of all of them.
struct ListStatements {
    QString master;
    QString lines;
    SqlParams params;
};

ListStatements SalesList(const Database& db, const QString& filter, DanKind kind, const QDate& from, const QDate& to)
{
    DocumentSelection dated = DatedDocuments(SalesSide(), kind, from, to);
    AddContains(dated, {QStringLiteral("KeHu"), QStringLiteral("KeHuPhone")}, filter);
    ListStatements list;
    list.params = dated.params;
    list.master = QStringLiteral("select autoid,dh,in_date,%1,KeHu,yewuyuan,KeHuPhone,KeHuAddress,QK,Remark "
                                 "from Log_XiaoShouDan a where %2 order by +autoid")
                      .arg(ShownFigures(kind), dated.condition);
    list.lines = DocumentLinesSql(db, SalesSide().header, SalesSide().lines, SalesLineColumns(kind, Lines), dated.condition);
    return list;
}

ListStatements PurchaseList(const Database& db, DanKind kind, const QDate& from, const QDate& to)
{
    const DocumentSelection dated = DatedDocuments(PurchaseSide(), kind, from, to);
    ListStatements list;
    list.params = dated.params;
    const QString columns = kind == ReturnKind
        ? QStringLiteral("autoid,dh,in_date,%1,GYS,QK,Remark").arg(ShownFigures(kind))
        : QStringLiteral("*");
    list.master = QStringLiteral("select %1 from Log_CaiGouDan a where %2 order by +autoid").arg(columns, dated.condition);
    list.lines =
        DocumentLinesSql(db, PurchaseSide().header, PurchaseSide().lines, PurchaseLineColumns(kind, Lines), dated.condition);
    return list;
}

}  // namespace

ReportData PrepareBB_XSDJLines(Database& db, RowSet documents, DanKind kind)
{
    return ListedDocumentLines(db, std::move(documents), SalesSide(), SalesLineColumns(kind, Lines));
}

ReportData PrepareBB_CGDJLines(Database& db, RowSet documents, DanKind kind)
{
    return ListedDocumentLines(db, std::move(documents), PurchaseSide(), PurchaseLineColumns(kind, Lines));
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
    const ListStatements list = SalesList(db, filter, kind, from, to);
    return MasterDetail(db, ReadRows(db, list.master, list.params), list.lines, list.params);
}

ReportData PrepareBB_CXCG(Database& db, DanKind kind, const QDate& from, const QDate& to)
{
    const ListStatements list = PurchaseList(db, kind, from, to);
    return MasterDetail(db, ReadRows(db, list.master, list.params), list.lines, list.params);
}

void StreamBB_CXXS(Database& db, const QString& filter, DanKind kind, const QDate& from, const QDate& to,
                   const RowPieces& take)
{
    const ListStatements list = SalesList(db, filter, kind, from, to);
    ReadRowPieces(db, list.master, list.params, take);
}

void StreamBB_CXCG(Database& db, DanKind kind, const QDate& from, const QDate& to, const RowPieces& take)
{
    const ListStatements list = PurchaseList(db, kind, from, to);
    ReadRowPieces(db, list.master, list.params, take);
}

ReportData PrepareBB_XSYSK(Database& db, const QString& KeHu)
{
    return OpenDocumentsWithLines(db, SalesSide(), KeHu);
}

ReportData PrepareBB_CGYFK(Database& db, const QString& GYS)
{
    return OpenDocumentsWithLines(db, PurchaseSide(), GYS);
}
