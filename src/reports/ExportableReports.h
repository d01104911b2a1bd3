#pragma once

#include "PrintReport.h"
#include "Records.h"

#include <QDate>
#include <QString>
#include <QVector>

class Database;

// The reports that unattended work writes to a file (qinglan --export NAME), each under a short
// name that stays the same from one version to the next.

// What a report is asked for: the date range of the dated reports, the brand and product of
// the profit reports that cover one brand or product (and of the stock list, where they narrow it),
// and the number of the document whose printout is asked for.
struct ReportArguments {
    QDate from;
    QDate to;
    QString brand;
    QString product;
    QString number;
};

struct ExportableReport {
    const char* name;     // "sales", "profit-brands", ...
    const char* caption;  // what it lists, for the usage text (UTF-8)
    ReportForm form;
    DanKind kind;         // the return documents (ReturnKind) or all (ForwardKind) of the document lists
    bool dated;           // lists the business of from..to
    bool needsBrand;
    bool needsProduct;
    bool needsNumber;     // one document's printout
};

const QVector<ExportableReport>& ExportableReports();

// The report of that name (letter case ignored), or nullptr.
const ExportableReport* FindExportableReport(const QString& name);

// The printout of a report as its window makes it: the rows read at once (DbError on failure),
// the title with the company name or the date range, today's date and the totals summed from the
// rows as the window sums its cells. A document's printout is the one its query window prints (a
// return with positive figures); a number no document has is refused with DbError.
ReportRequest ExportableReportRequest(Database& db, const TGsInfo& info, const ExportableReport& report,
                                      const ReportArguments& args);

// The rows of a report as its sheet file takes them (WriteReportRows), read only when written: the
// long lists (sales, purchases, their returns, profit by document) hand their main rows over in
// pieces as they are read, so that ten years are written without being held; the others, and a
// document's lines, are read at once. db and report must outlive the request.
ReportRequest ExportableRowsRequest(Database& db, const TGsInfo& info, const ExportableReport& report,
                                    const ReportArguments& args);
