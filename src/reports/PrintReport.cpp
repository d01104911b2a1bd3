#include "PrintReport.h"

#include "AppContext.h"
#include "BackgroundWork.h"
#include "BandedReport.h"
#include "EscPos.h"
#include "Database.h"
#include "FormLayouts.h"
#include "GuardedConnect.h"
#include "PagePainter.h"
#include "ReportExport.h"
#include "ReportPreviewDialog.h"
#include "ReceiptTransport.h"
#include "ReportPrinting.h"

#include <QRegularExpression>
#include <optional>

QStringList MemoLines(const QString& wrapped)
{
    if (wrapped.isEmpty())
        return {};
    static const QRegularExpression breaks(QStringLiteral("\r\r|\r\n|\r|\n"));
    return wrapped.split(breaks);
}

namespace {

// Steps 2 to 5 of the sequence: the rows prepared, the report created, set up and laid out. The
// rows are read in two places, both guarded: the report's own rows, and the lines of each
// document of a master-detail report while the pages are laid out. A database error is shown in
// the error box and nothing is laid out. The report's rows come along for the export, made into
// its table only when exported.
struct LaidOut {
    PageModel model;
    std::function<ExportTable()> rows;
};

ReportLayout LayoutOf(const ReportRequest& request)
{
    return request.layout ? *request.layout : ReportFormLayout(request.form);
}

// The layout printed: the sales document's page carries its number as a barcode when the print
// settings say so.
ReportLayout PrintedLayout(const AppContext& context, const ReportRequest& request)
{
    if (request.form == ReportForm::XSDJ && !request.layout && context.XSDPrintSet.NumberBarcode == 1)
        return SalesDocumentLayoutWithNumberBarcode();
    return LayoutOf(request);
}

const QString Preparing = QStringLiteral("正在准备打印...");

// The report's rows (step 2): with a window, a reading routine runs off its thread; nothing when
// the operator cancelled it.
std::optional<ReportData> Rows(AppContext& context, QWidget* parent, const ReportRequest& request)
{
    if (request.read)
        return parent ? RunInBackground(context, parent, Preparing, request.read) : request.read(context.db());
    return request.prepare ? request.prepare() : ReportData();
}

// Steps 2 to 5; with a window, the layout lets its event loop run (BusySteps).
std::optional<LaidOut> LayOut(AppContext& context, QWidget* parent, const ReportRequest& request,
                              int rollWidth)
{
    std::optional<LaidOut> laidOut;
    RunGuarded(context, parent, [&] {
        std::optional<ReportData> rows = Rows(context, parent, request);
        if (!rows)
            return;
        const ReportData& data = *rows;

        const ReportLayout layout = PrintedLayout(context, request);
        BandedReport report(layout);
        for (auto it = request.labels.cbegin(); it != request.labels.cend(); ++it)
            report.setLabel(it.key(), it.value());
        if (!request.memo.isEmpty())
            report.setMemoLines(QString::fromLatin1(ProfileMemo), MemoLines(request.memo));
        if (request.form == ReportForm::XSDJ) {
            // Paper too small for the title, one line and the footer together is refused: a
            // band is never drawn over another.
            BandedReport onPaper = report;
            onPaper.setPageSetup(ReportPageSetup::fromPrintSet(context.XSDPrintSet));
            if (onPaper.pageSetup().isUsable() && onPaper.fitsPage())
                report = onPaper;
            else
                context.prompts->message(parent,
                                         QStringLiteral("销售单打印设置的纸张太小或边距太大，本次按A4纸打印。"));
        } else if (request.form == ReportForm::XSXP) {
            report.setPageSetup(ReceiptPageSetup(rollWidth, data.master.rowCount()));
        }
        std::optional<BusySteps> steps;
        if (parent)
            steps.emplace(parent, Preparing);
        try {
            laidOut = LaidOut{request.form == ReportForm::XSXP
                                  ? report.layOutOnRoll(data)
                                  : report.layOut(data, [&] { steps ? steps->step() : void(); }),
                              [layout, rows = data.master] { return ReportExportTable(layout, rows); }};
        } catch (const WorkCancelled&) {
            laidOut.reset();
        }
    });
    return laidOut;
}

}  // namespace

bool PrintReport(AppContext& context, QWidget* parent, bool somethingToPrint, const ReportRequest& request,
                 ReportOutput output)
{
    if (!somethingToPrint)
        return false;
    if (request.form == ReportForm::XSXP && output == ReportOutput::Print)
        return PrintReceipt(context, parent, request, context.XSDPrintSet);
    std::optional<LaidOut> laidOut = LayOut(context, parent, request, context.XSDPrintSet.ReceiptWidth);
    if (!laidOut)
        return false;

    const PageModel& model = laidOut->model;
    if (output == ReportOutput::Print)
        return PrintWithDialog(model, parent);
    ReportPreviewDialog preview(model, [&](const QString& text) { context.prompts->message(parent, text); },
                                parent);
    preview.offerRows(std::move(laidOut->rows));
    preview.exec();
    return true;
}

bool PrintReceipt(AppContext& context, QWidget* parent, const ReportRequest& request, const TXSDPrintSet& set)
{
    const std::optional<LaidOut> laidOut = LayOut(context, parent, request, set.ReceiptWidth);
    if (!laidOut)
        return false;
    const std::unique_ptr<ReceiptTransport> printer = TransportFor(ReceiptConnection(set.ReceiptPrinter), set.ReceiptTarget);
    if (!printer)
        return PrintWithDialog(laidOut->model, parent);
    const QString why = printer->send(
        EscPosJob(SlipRaster(laidOut->model, set.ReceiptWidth), EscPosFinish{true, set.ReceiptDrawer}));
    if (!why.isEmpty())
        context.prompts->error(parent, QStringLiteral("小票没有打印：") + why);
    return why.isEmpty();
}

ReportRequest ReceiptTestPage(const TGsInfo& shop, const QDate& day)
{
    ReportRequest r;
    r.form = ReportForm::XSXP;
    RowSet rows;
    rows.columns = {QStringLiteral("pinpai"), QStringLiteral("chanpin"), QStringLiteral("guige"),
                    QStringLiteral("shuliang"), QStringLiteral("danjia"), QStringLiteral("jinE")};
    rows.rows = {{QStringLiteral("测试品牌"), QStringLiteral("挂机空调"), QStringLiteral("KFR-35GW/测试"), 1, 2999.0, 2999.0},
                 {QStringLiteral("测试品牌"), QStringLiteral("双门冰箱"), QStringLiteral("BCD-215"), 2, 1500.5, 3001.0}};
    r.prepare = [rows] { return ReportData{rows, {}}; };
    r.labels = {{QStringLiteral("TitleQRLabel"), shop.GSName.isEmpty() ? QStringLiteral("晴岚家电") : shop.GSName},
                {QStringLiteral("SlipQRLabel"), QStringLiteral("打印测试页")},
                {QStringLiteral("DHQRLabel"), QStringLiteral("（测试，非单据）")},
                {QStringLiteral("DateQRLabel"), day.toString(QStringLiteral("yyyy-MM-dd"))},
                {QStringLiteral("SumSLCaptionQRLabel"), QStringLiteral("合计数量:")},
                {QStringLiteral("SumSLQRLabel"), QStringLiteral("3")},
                {QStringLiteral("SumJECaptionQRLabel"), QStringLiteral("合计金额:")},
                {QStringLiteral("SumJEQRLabel"), QStringLiteral("6000")},
                {QStringLiteral("SSCaptionQRLabel"), QStringLiteral("实收:")},
                {QStringLiteral("SSQRLabel"), QStringLiteral("6000")},
                {QStringLiteral("BalanceCaptionQRLabel"), QStringLiteral("找零:")},
                {QStringLiteral("BalanceQRLabel"), QStringLiteral("0")}};
    return r;
}

bool WriteReportPdf(AppContext& context, const ReportRequest& request, const QString& path, QString* error)
{
    const std::optional<LaidOut> laidOut = LayOut(context, nullptr, request, context.XSDPrintSet.ReceiptWidth);
    return laidOut && WritePdf(laidOut->model, path, error);
}

bool WriteReportRows(AppContext& context, const ReportRequest& request, const QString& path, QString* error)
{
    bool written = false;
    RunGuarded(context, nullptr, [&] {
        const ReportRowExport exporter(LayoutOf(request));
        TableFileWriter file(TableFileWriter::KindOf(path), path, exporter.header());
        int number = 1;
        const auto take = [&](const RowSet& piece) {
            exporter.forEachRow(piece, number, [&file](const QStringList& cells, const QVector<GridFormat>& formats) {
                file.addRow(cells, formats);
            });
            number += piece.rowCount();
        };
        if (request.streamRows)
            request.streamRows(take);
        else if (std::optional<ReportData> rows = Rows(context, nullptr, request))
            take(rows->master);
        written = file.finish(error);
    });
    return written;
}
