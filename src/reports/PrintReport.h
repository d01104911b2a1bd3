#pragma once

#include "ReportRows.h"
#include "ReportForms.h"

#include <QHash>
#include <QString>
#include <functional>
#include <optional>

struct AppContext;
struct TGsInfo;
struct TXSDPrintSet;
class QDate;
class Database;
class QWidget;

enum class ReportOutput { Print, Preview };

// What a window hands over for one printout.
struct ReportRequest {
    ReportForm form = ReportForm::CXKC;
    // A layout of its own instead of the form's (lists without a form: GridListLayout).
    std::optional<ReportLayout> layout;
    // The report's rows: a report data routine, or the rows the window's last list returned.
    std::function<ReportData()> prepare;
    // The report's main rows in pieces as they are read, for writing a long range to a sheet file
    // without holding it (WriteReportRows); when empty, the main rows of prepare() are written.
    std::function<void(const std::function<void(const RowSet& piece)>& take)> streamRows;
    // Instead of prepare, a report data routine that may take long: run off the window's thread
    // on a connection of its own (RunInBackground; "取消" prints nothing).
    std::function<ReportData(Database& db)> read;
    // Texts of the placeholder labels, by label name.
    QHash<QString, QString> labels;
    // The sales document's enterprise profile as WrapText gives it (lines separated by line
    // breaks; the double carriage return between two pieces counts as one break).
    QString memo;
};

// The print sequence of every printout:
// 1. nothing happens when the caller found nothing to print;
// 2. the rows are prepared (a database error is shown in the error box and nothing prints);
// 3. the report is created;
// 4. the sales document takes the page set-up of the print settings (a page too small for a
//    report is refused with a message and the document prints on its own A4 page); the receipt
//    slip takes the roll width of the print settings and the length its lines need;
// 5. the labels (and the memo) are set and the pages laid out (the lines of each document of a
//    master-detail report are read here: a database error from steps 2 to 5 is shown in the
//    error box and nothing prints); a long layout lets the window repaint and, after a moment,
//    shows a progress window whose "取消" prints nothing (BusySteps);
// 6. the report is printed (print dialog, then a progress window) or previewed (modal preview,
//    from which the operator may print or export a PDF);
// 7. the report is freed.
// Returns false when nothing was printed or shown.
bool PrintReport(AppContext& context, QWidget* parent, bool somethingToPrint, const ReportRequest& request,
                 ReportOutput output);

// The receipt slip of the request (ReportForm::XSXP) printed as the settings say: laid out on their
// roll, then through the print dialog (ReceiptPrinter 0), or as an ESC/POS picture straight to the
// receipt printer with the cut and, when set, the cash drawer kick. A printer that did not take it
// is told through the context's prompts with the reason ("小票没有打印：…"); what was saved before
// stays as it is. PrintReport prints every slip this way with the context's settings.
bool PrintReceipt(AppContext& context, QWidget* parent, const ReportRequest& request, const TXSDPrintSet& set);

// A receipt slip of two sample lines under the shop's name, for trying a receipt printer.
ReportRequest ReceiptTestPage(const TGsInfo& shop, const QDate& day);

// Steps 2 to 5 of the sequence above, then the pages written to a PDF file, without any window
// (for unattended work; a database error goes to the context's prompts, a file that cannot be
// written is told in *error and left out). False when nothing was written.
bool WriteReportPdf(AppContext& context, const ReportRequest& request, const QString& path, QString* error);

// The report's rows (step 2, or streamRows as they are read) written to a sheet file without any
// window: .csv or .xlsx by the name (TableFileWriter), one column per field of the layout's detail
// band, headed by its caption. A database error goes to the context's prompts; a file that cannot
// be written is told in *error. False when nothing was written; no partial file is left.
bool WriteReportRows(AppContext& context, const ReportRequest& request, const QString& path, QString* error);

// The memo lines of a WrapText result.
QStringList MemoLines(const QString& wrapped);
