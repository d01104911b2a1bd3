#pragma once

// The report data routines: each prepares the rows of the report layout it is named after.
// They only read the database; every value goes into the statements as a bound parameter.
// Dates are inclusive bounds on in_date. Profit figures are unrounded; the margin column "lrr"
// is the finished text of MarginText (see MarginText.h), one per row from the row's own figures,
// and "margin" the same margin as the windows show it (Margin).
// The lines of a master-detail report (ReportData::details) are read with the master rows, all
// in one statement, and handed out by master row from memory.

#include "Records.h"  // DanKind
#include "ReportRows.h"

#include <QDate>
#include <QString>
#include <functional>

class Database;

// --- Documents and document lists -------------------------------------------------------------
// Kind ReturnKind selects return documents and shows their quantities and amounts negated, so
// returns print as positive figures; kind ForwardKind shows the stored signs.

// Lines of one sales document (sale or sales return).
RowSet PrepareBB_XSDJ(Database& db, const QString& dh, DanKind kind);
// Lines of one purchase document (purchase or purchase return).
RowSet PrepareBB_CGDJ(Database& db, const QString& dh, DanKind kind);

// The documents a query window lists (rows with their numbers in a "dh" column) with their lines,
// read in one statement for all of them: each document's lines as PrepareBB_XSDJ (PrepareBB_CGDJ)
// gives them for the kind.
ReportData PrepareBB_XSDJLines(Database& db, RowSet documents, DanKind kind);
ReportData PrepareBB_CGDJLines(Database& db, RowSet documents, DanKind kind);

// Sales documents dated from..to with their lines. Kind ForwardKind lists every document of the
// range (returns with their stored negative figures); ReturnKind only the "xt" documents. A filter
// text (trimmed) keeps the documents whose customer name or phone contains it.
ReportData PrepareBB_CXXS(Database& db, const QString& filter, DanKind kind, const QDate& from,
                          const QDate& to);
// Purchase documents dated from..to with their lines; ReturnKind only the "ct" documents.
ReportData PrepareBB_CXCG(Database& db, DanKind kind, const QDate& from, const QDate& to);

// --- Main rows of the long lists, piece by piece ----------------------------------------------
// The main rows of PrepareBB_CXXS, PrepareBB_CXCG and PrepareBB_CXXSLR_XSD, without their lines,
// handed to take in pieces as they are read: a long range is written to a file without being held.
using RowPieces = std::function<void(const RowSet& piece)>;
void StreamBB_CXXS(Database& db, const QString& filter, DanKind kind, const QDate& from, const QDate& to,
                   const RowPieces& take);
void StreamBB_CXCG(Database& db, DanKind kind, const QDate& from, const QDate& to, const RowPieces& take);
void StreamBB_CXXSLR_XSD(Database& db, const QDate& from, const QDate& to, const RowPieces& take);

// --- Stock --------------------------------------------------------------------------------------
// Stock rows with their total cost zcb. "所有品牌", "所有产品", "所有型号" (or an empty text) set no
// condition. orderBy "产品" orders by product, brand, spec; "规格" by spec, brand, product; any
// other text by brand, product, spec.
RowSet PrepareBB_CXKC(Database& db, const QString& PinPai, const QString& ChanPin,
                             const QString& GuiGe, const QString& orderBy);

// --- Sales profit -------------------------------------------------------------------------------
// Per sales document dated from..to: cost cb, amount, profit LR and margin lrr; the lines carry
// their cost zcb, profit and margin.
ReportData PrepareBB_CXXSLR_XSD(Database& db, const QDate& from, const QDate& to);

// Sales lines dated from..to grouped by goods item, brand, product or spec, each group with its
// quantity ZSL, cost ZCB, amount ZJE, profit LR and margin lrr. The brand report covers one
// product, the product report one brand, the spec report one brand and product.
RowSet PrepareBB_CXXSLR_SP(Database& db, const QDate& from, const QDate& to);
RowSet PrepareBB_CXXSLR_PP(Database& db, const QString& chanpin, const QDate& from,
                                  const QDate& to);
RowSet PrepareBB_CXXSLR_CP(Database& db, const QString& PinPai, const QDate& from,
                                  const QDate& to);
RowSet PrepareBB_CXXSLR_GG(Database& db, const QString& PinPai, const QString& chanpin,
                                  const QDate& from, const QDate& to);
// Grouped by customer of the documents dated from..to; a filter text (trimmed) other than
// "全部" and "所有" keeps the customers whose name contains it.
RowSet PrepareBB_CXXSLR_KH(Database& db, const QString& filter, const QDate& from,
                                  const QDate& to);

// Employee performance: sales lines of the documents dated from..to grouped by salesperson and
// product class; an employee other than "全部" and "所有" (and not blank) keeps that salesperson.
RowSet PrepareBB_YGYJ(Database& db, const QString& yewuyuan, const QDate& from,
                             const QDate& to);

// --- Receivables and payables -------------------------------------------------------------------
// Documents still open (amount owed not 0) with their lines, stored signs kept; a customer or
// supplier other than "所有" (and not empty) keeps that one's documents.
ReportData PrepareBB_XSYSK(Database& db, const QString& KeHu);
ReportData PrepareBB_CGYFK(Database& db, const QString& GYS);

// The statement of one customer: every open sales document of the customer in date order, each
// followed by its receipts. Columns in_date, dh, ZY (摘要: "销售", "退货" or "收款"), jinE (the
// document's amount; empty on a receipt), SK (received: on a document row what was received when
// it was saved, empty when nothing; on a receipt row its amount) and YE (the balance after the
// row, to the cent). After each document's receipts the balance has grown by the document's
// amount owed, so the last balance is what the customer owes on all of them.
RowSet PrepareBB_KHDZD(Database& db, const QString& KeHu);

// Totals of a statement: the amounts, the receipts and the last balance, each to the cent.
struct StatementTotals {
    double jinE = 0;
    double SK = 0;
    double YE = 0;
};
StatementTotals TotalsOfStatement(const RowSet& statement);
