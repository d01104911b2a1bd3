// The print sequence every printing window calls: check, prepare, page set-up of the sales
// document, labels and memo, preview (with PDF export) and the refusals.
#include "AppContext.h"
#include "BandedReport.h"
#include "Database.h"
#include "PageView.h"
#include "PrintReport.h"
#include "ReportPreviewDialog.h"
#include "ReportSamples.h"
#include "TableFile.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace ReportSamples;

namespace {

// Runs the print sequence as a preview, takes the page model shown and closes the preview.
struct PreviewRun {
    bool result = false;
    bool shown = false;
    PageModel model;
    int previewPages = 0;
    QString pdfHeader;
    ExportTable rows;
    bool offersExport = false;
    QRect page;      // the first page as the preview opens, in its view's coordinates
    QSize viewport;  // the view's visible area
};

PreviewRun Preview(AppContext& context, const ReportRequest& request, bool somethingToPrint = true,
                   const QString& pdfPath = {})
{
    PreviewRun run;
    QObject scope;  // a timer still waiting when no dialog came up goes with this scope
    QTimer::singleShot(0, &scope, [&] {
        if (auto* dialog = qobject_cast<ReportPreviewDialog*>(QApplication::activeModalWidget())) {
            run.shown = true;
            run.model = dialog->model();
            run.previewPages = dialog->previewWidget()->pageCount();
            run.rows = dialog->rows();
            run.offersExport = dialog->findChild<QAction*>(QStringLiteral("ExportXlsxAction")) != nullptr
                               && dialog->findChild<QAction*>(QStringLiteral("ExportCsvAction")) != nullptr;
            const PageView* view = dialog->previewWidget();
            run.page = view->pageRect(1);
            run.viewport = view->viewport()->size();
            if (!pdfPath.isEmpty())
                dialog->exportPdf(pdfPath);
            dialog->reject();
        }
    });
    run.result = PrintReport(context, nullptr, somethingToPrint, request, ReportOutput::Preview);
    QCoreApplication::processEvents();
    return run;
}

ReportRequest SalesDocument()
{
    ReportRequest r;
    r.form = ReportForm::XSDJ;
    r.prepare = [] { return ReportData{SalesLines("xs240315001", 40), {}}; };
    r.labels = {{"CaptionQRLabel", "晴岚电器销售单"}, {"DHQRLabel", "xs240315001"}, {"SumJEQRLabel", "99999"}};
    r.memo = QStringLiteral("    本公司经营各类家用电器\r\r欢迎惠顾");
    return r;
}

}  // namespace

class TestPrintReport : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    RecordingPrompts m_prompts;

    std::unique_ptr<AppContext> makeContext()
    {
        auto context = std::make_unique<AppContext>(m_dir.path());
        context->prompts = &m_prompts;
        m_prompts.clear();
        return context;
    }

private slots:
    void salesDocumentTakesThePrintSettings()
    {
        auto context = makeContext();
        context->XSDPrintSet = {27, 160, 220, 1, 5, 6, 7, 8};
        const PreviewRun run = Preview(*context, SalesDocument());
        QVERIFY(run.shown);
        QVERIFY(run.result);
        QCOMPARE(run.model.setup.pageSizeMm(), QSizeF(220, 160));
        QCOMPARE(run.model.setup.leftMargin, 7.0);
        QCOMPARE(run.previewPages, run.model.pageCount());
        const ReportPage& first = run.model.pages.first();
        QCOMPARE(SourceTexts(first, "CaptionQRLabel"), QStringList{"晴岚电器销售单"});
        QCOMPARE(SourceTexts(first, "QRMemo1"), (QStringList{"    本公司经营各类家用电器", "欢迎惠顾"}));
        QCOMPARE(SourceTexts(run.model.pages.last(), "SumJEQRLabel"), QStringList{"99999"});
        QCOMPARE(SourceTexts(first, "KHQRLabel"), QStringList{""});  // a label not set prints empty
        QVERIFY(m_prompts.entries.isEmpty());
    }

    void otherReportsKeepTheirOwnPage()
    {
        auto context = makeContext();
        context->XSDPrintSet = {27, 160, 220, 1, 5, 6, 7, 8};
        ReportRequest r = SalesDocument();
        r.form = ReportForm::CGDJ;
        const PreviewRun run = Preview(*context, r);
        QCOMPARE(run.model.setup.pageSizeMm(), QSizeF(210, 297));
        QCOMPARE(run.model.setup.leftMargin, 10.0);
    }

    // Paper with no room, or too little for the title, one line and the footer together (100 x
    // 60 mm with 10 mm margins): the settings are refused with a message and A4 is used, so
    // that no band is ever drawn over another.
    void salesDocumentOnAPageTooSmallPrintsOnA4_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("length");
        QTest::newRow("no paper") << 0 << 0;
        QTest::newRow("100 x 60 mm") << 100 << 60;
    }
    void salesDocumentOnAPageTooSmallPrintsOnA4()
    {
        QFETCH(int, width);
        QFETCH(int, length);
        auto context = makeContext();
        context->XSDPrintSet = {27, width, length, 0, 10, 10, 10, 10};
        const PreviewRun run = Preview(*context, SalesDocument());
        QVERIFY(run.shown);
        QCOMPARE(run.model.setup.pageSizeMm(), QSizeF(210, 297));
        QCOMPARE(m_prompts.entries.size(), 1);
        QCOMPARE(m_prompts.entries.first().kind, RecordingPrompts::Entry::Message);
    }

    void nothingToPrintDoesNothing()
    {
        auto context = makeContext();
        bool prepared = false;
        ReportRequest r = SalesDocument();
        r.prepare = [&] { prepared = true; return ReportData{}; };
        const PreviewRun run = Preview(*context, r, false);
        QVERIFY(!run.result);
        QVERIFY(!run.shown);
        QVERIFY(!prepared);
        QVERIFY(m_prompts.entries.isEmpty());
    }

    // The report's rows, or the lines of a master-detail report read while laying out.
    void databaseErrorIsShownAndNothingPrints_data()
    {
        QTest::addColumn<bool>("inLines");
        QTest::newRow("rows") << false;
        QTest::newRow("document lines") << true;
    }

    void databaseErrorIsShownAndNothingPrints()
    {
        QFETCH(bool, inLines);
        auto context = makeContext();
        ReportRequest r = SalesDocument();
        if (inLines) {
            r.form = ReportForm::CXXS;
            r.prepare = [] {
                return ReportData{SalesHeaders(3), [](int) -> RowSet {
                                      throw DbError("no such table: Log_XiaoShou");
                                  }};
            };
        } else {
            r.prepare = []() -> ReportData { throw DbError("no such table: Log_XiaoShou"); };
        }
        const PreviewRun run = Preview(*context, r);
        QVERIFY(!run.result);
        QVERIFY(!run.shown);
        QCOMPARE(m_prompts.entries.size(), 1);
        QCOMPARE(m_prompts.entries.first().kind, RecordingPrompts::Entry::Error);
        QCOMPARE(m_prompts.last(), "no such table: Log_XiaoShou");
    }

    // A long layout lets the window's event loop run: after a moment a progress window with
    // "取消" comes up. Cancelled, nothing is shown or reported; run to its end, the preview holds
    // the pages a layout without a window makes.
    void longLayoutKeepsTheWindowResponsive_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("cancelled") << true;
        QTest::newRow("run to its end") << false;
    }

    void longLayoutKeepsTheWindowResponsive()
    {
        QFETCH(bool, cancel);
        auto context = makeContext();
        ReportRequest r;
        r.form = ReportForm::CXXS;
        r.prepare = [] {
            return ReportData{SalesHeaders(120), [](int row) {
                                  QThread::msleep(2);  // a document's lines read one at a time
                                  return SalesLines(QStringLiteral("xs%1").arg(row), 2);
                              }};
        };
        QWidget window;
        window.show();
        int ticks = 0;
        QString cancelText;
        int previewPages = -1;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            ++ticks;
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* preview = qobject_cast<ReportPreviewDialog*>(modal)) {
                previewPages = preview->model().pages.size();
                preview->reject();
            } else if (auto* progress = window.findChild<QProgressDialog*>(); progress && progress->isVisible()) {
                auto* button = progress->findChild<QPushButton*>();
                if (cancel && button && cancelText.isEmpty()) {
                    cancelText = button->text();
                    button->click();
                }
            }
        });
        watch.start(10);
        const bool result = PrintReport(*context, &window, true, r, ReportOutput::Preview);
        watch.stop();
        QVERIFY(ticks > 0);
        QCOMPARE(result, !cancel);
        QVERIFY(m_prompts.entries.isEmpty());
        if (cancel) {
            QCOMPARE(cancelText, QStringLiteral("取消"));
            QCOMPARE(previewPages, -1);
        } else {
            const BandedReport report(ReportFormLayout(r.form));
            QCOMPARE(previewPages, report.layOut(r.prepare()).pages.size());
            QVERIFY(previewPages > 1);
        }
    }

    // The preview offers the report's rows for export; the file holds them with the report's
    // captions, Chinese text and numbers, read back cell by cell; WriteReportRows writes the same.
    void previewExportsTheRows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("xlsx") << "库存.xlsx";
        QTest::newRow("csv") << "库存.csv";
    }

    void previewExportsTheRows()
    {
        QFETCH(QString, name);
        auto context = makeContext();
        ReportRequest r;
        r.form = ReportForm::CXKC;
        r.prepare = [] { return ReportData{StockRows(3), {}}; };
        const PreviewRun run = Preview(*context, r);
        QVERIFY(run.offersExport);
        const QString path = m_dir.filePath(name);
        QString error;
        QVERIFY2(WriteTableFile(run.rows, path, &error), qPrintable(error));
        QCOMPARE(ReadTableFile(path), (QVector<QStringList>{{"序号", "品牌", "产品", "规格", "数量", "平均成本", "总成本"},
                                                            {"1", "海安", "冰箱", "BCD-100", "1", "800", "800"},
                                                            {"2", "美悦", "冰箱", "BCD-101", "2", "812.5", "1625"},
                                                            {"3", "歌乐", "冰箱", "BCD-102", "3", "825", "2475"}}));

        // The same rows without a window.
        const QString direct = m_dir.filePath(QStringLiteral("direct-") + name);
        QVERIFY2(WriteReportRows(*context, r, direct, &error), qPrintable(error));
        QCOMPARE(ReadTableFile(direct), ReadTableFile(path));
    }

    // The preview opens with the page's whole width in view: a document page across the window,
    // a till roll at a readable size that shows a good length of the slip, not a few lines.
    void previewOpensOnThePageWidth_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<int>("roll");
        QTest::newRow("slip on 80 mm") << int(ReportForm::XSXP) << 80;
        QTest::newRow("slip on 58 mm") << int(ReportForm::XSXP) << 58;
        QTest::newRow("sales document") << int(ReportForm::XSDJ) << 80;
    }
    void previewOpensOnThePageWidth()
    {
        QFETCH(int, form);
        QFETCH(int, roll);
        auto context = makeContext();
        context->XSDPrintSet.ReceiptWidth = roll;
        ReportRequest r = SalesDocument();
        r.form = ReportForm(form);
        const PreviewRun run = Preview(*context, r);
        QVERIFY(run.shown);
        const QSizeF paper = run.model.setup.pageSizeMm();
        if (r.form == ReportForm::XSDJ) {  // across the window, give or take its scroll bar
            QVERIFY(std::abs(run.page.width() - run.viewport.width()) <= run.viewport.width() / 20);
            return;
        }
        QCOMPARE(paper.width(), double(roll));
        QVERIFY2(run.page.width() <= run.viewport.width(), "the slip is wider than the window");
        const double shownMm = paper.height() * std::min(1.0, double(run.viewport.height()) / run.page.height());
        QVERIFY2(shownMm >= std::min(paper.height(), 100.0), qPrintable(QStringLiteral("%1 mm in view").arg(shownMm)));
    }

    void previewExportsPdf()
    {
        auto context = makeContext();
        const QString path = m_dir.filePath("document.pdf");
        Preview(*context, SalesDocument(), true, path);
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(4) == "%PDF");
        // A file that cannot be written is reported through the prompts.
        Preview(*context, SalesDocument(), true, m_dir.filePath("missing/folder/document.pdf"));
        QCOMPARE(m_prompts.entries.size(), 1);
        QVERIFY(m_prompts.last().startsWith("导出PDF失败"));
    }
};

QTEST_MAIN(TestPrintReport)
#include "tst_print_report.moc"
