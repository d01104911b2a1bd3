// The report engine on its page model: pagination, repeated bands, row and page numbers, empty
// data, master-detail documents, page set-up, value texts and PDF output.
#include "BandedReport.h"
#include "FieldText.h"
#include "PagePainter.h"
#include "ReportPrinting.h"
#include "ReportForms.h"
#include "ReportSamples.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using namespace ReportSamples;

namespace {

ReportData Single(RowSet rows)
{
    return ReportData{std::move(rows), {}};
}

ReportData Documents(int count, int linesEach)
{
    return ReportData{SalesHeaders(count), [linesEach](int row) {
                          return SalesLines(QStringLiteral("xs%1").arg(row), linesEach);
                      }};
}

BandedReport StockReport()
{
    BandedReport report(ReportFormLayout(ReportForm::CXKC));
    report.setLabel("TitleQRLabel", "晴岚电器库存查询");
    report.setLabel("DateQRLabel", "2024-03-15");
    report.setLabel("SumSLQRLabel", "1234");
    report.setLabel("SumJEQRLabel", "56789.5 元");
    return report;
}

// Every text of the page lies inside the margins of the page set-up.
bool InsideMargins(const PageModel& model, const ReportPage& page)
{
    const ReportPageSetup& s = model.setup;
    const QSizeF size = s.pageSizeMm();
    const QRectF area(s.leftMargin, s.topMargin, size.width() - s.leftMargin - s.rightMargin,
                      size.height() - s.topMargin - s.bottomMargin);
    for (const PageText& t : page.texts)
        if (!area.adjusted(-0.01, -0.01, 0.01, 0.01).contains(t.rect))
            return false;
    return true;
}

}  // namespace

class TestReportEngine : public QObject {
    Q_OBJECT
private slots:
    void rowNumbersContinueAcrossPages()
    {
        const PageModel model = StockReport().layOut(Single(StockRows(130)));
        QVERIFY(model.pageCount() >= 3);
        QStringList numbers;
        for (const ReportPage& page : model.pages) {
            const QStringList onPage = SourceTexts(page, "COUNT");
            QVERIFY(!onPage.isEmpty());
            numbers << onPage;
        }
        QStringList expected;
        for (int i = 1; i <= 130; ++i)
            expected << QString::number(i);
        QCOMPARE(numbers, expected);
    }

    void footerAndColumnHeaderOnEveryPage()
    {
        const PageModel model = StockReport().layOut(Single(StockRows(130)));
        for (int p = 0; p < model.pageCount(); ++p) {
            const ReportPage& page = model.pages[p];
            QCOMPARE(SourceTexts(page, "PAGENUMBER"), QStringList{QString::number(p + 1)});
            QCOMPARE(BandTexts(page, BandKind::ColumnHeader),
                     (QStringList{"序号", "品牌", "产品", "规格", "数量", "平均成本", "总成本"}));
            QCOMPARE(SourceTexts(page, "TitleQRLabel").size(), p == 0 ? 1 : 0);
            // The footer is below every other band of the page, the header above every row.
            double footerTop = 1e9, headerBottom = 0, bodyTop = 1e9, bodyBottom = 0;
            for (const PageText& t : page.texts) {
                if (t.band == BandKind::PageFooter)
                    footerTop = qMin(footerTop, t.rect.top());
                else if (t.band == BandKind::ColumnHeader)
                    headerBottom = qMax(headerBottom, t.rect.bottom());
                else if (t.band == BandKind::Detail || t.band == BandKind::Summary) {
                    bodyTop = qMin(bodyTop, t.rect.top());
                    bodyBottom = qMax(bodyBottom, t.rect.bottom());
                }
            }
            QVERIFY(bodyBottom <= footerTop);
            QVERIFY(headerBottom <= bodyTop);
            QVERIFY(InsideMargins(model, page));
        }
        // The summary prints once, after the last row, on the last page.
        QCOMPARE(SourceTexts(model.pages.last(), "SumJEQRLabel"), QStringList{"56789.5 元"});
        for (int p = 0; p + 1 < model.pageCount(); ++p)
            QVERIFY(SourceTexts(model.pages[p], "SumJEQRLabel").isEmpty());
    }

    void emptyDatasetPrintsTitleSummaryAndFooter_data()
    {
        QTest::addColumn<int>("form");
        for (ReportForm f : AllReportForms())
            QTest::newRow(qPrintable(ReportFormLayout(f).name)) << int(f);
    }

    void emptyDatasetPrintsTitleSummaryAndFooter()
    {
        QFETCH(int, form);
        const ReportLayout& layout = ReportFormLayout(ReportForm(form));
        BandedReport report(layout);
        QStringList summaryLabels;
        if (const LayoutBand* summary = layout.band(BandKind::Summary))
            for (const LayoutLine& line : summary->lines)
                for (const LayoutCell& c : line.cells)
                    if (c.kind == CellKind::Label) {
                        report.setLabel(c.text, c.text + " text");
                        summaryLabels << c.text;
                    }
        const QString title = layout.name == "TBB_XSDJForm" ? "CaptionQRLabel" : "TitleQRLabel";
        report.setLabel(title, "标题");
        const bool masterDetail = IsMasterDetailForm(ReportForm(form));
        const PageModel model = report.layOut(
            masterDetail ? ReportData{RowSet{}, [](int) { return RowSet{}; }} : ReportData{});
        QCOMPARE(model.pageCount(), 1);
        const ReportPage& page = model.pages.first();
        QCOMPARE(SourceTexts(page, title), QStringList{"标题"});
        for (const QString& label : summaryLabels)
            QCOMPARE(SourceTexts(page, label), QStringList{label + " text"});
        if (layout.band(BandKind::PageFooter))  // the receipt slip has no page footer
            QCOMPARE(SourceTexts(page, "PAGENUMBER"), QStringList{"1"});
        QVERIFY(BandTexts(page, BandKind::Detail).isEmpty());
        QVERIFY(SourceTexts(page, "COUNT").isEmpty());
    }

    void documentWithoutLinesPrintsHeaderAndLineCaptions_data()
    {
        QTest::addColumn<int>("form");
        QTest::newRow("sales list") << int(ReportForm::CXXS);
        QTest::newRow("receivables") << int(ReportForm::XSYSK);
        QTest::newRow("profit by document") << int(ReportForm::CXXSLR_XSD);
    }

    void documentWithoutLinesPrintsHeaderAndLineCaptions()
    {
        QFETCH(int, form);
        BandedReport report(ReportFormLayout(ReportForm(form)));
        // The second document has no lines.
        const ReportData data{SalesHeaders(2), [](int row) {
                                  return row == 0 ? SalesLines("xs240315001", 2) : RowSet{};
                              }};
        const PageModel model = report.layOut(data);
        QCOMPARE(model.pageCount(), 1);
        const ReportPage& page = model.pages.first();
        QCOMPARE(SourceTexts(page, "dh"), (QStringList{"xs240315001", "xs240315002"}));
        QCOMPARE(SourceTexts(page, "COUNT"), (QStringList{"1", "2"}));
        QCOMPARE(BandTexts(page, BandKind::Detail).count("品牌"), 2);
        QCOMPARE(SourceTexts(page, "pinpai").size(), 2);  // the lines of the first document only
        // The second document's header follows the first document's lines.
        double lastLine = 0, secondHeader = 0;
        for (const PageText& t : page.texts) {
            if (t.band == BandKind::SubDetail)
                lastLine = qMax(lastLine, t.rect.bottom());
            if (t.source == "dh" && t.text == "xs240315002")
                secondHeader = t.rect.top();
        }
        QVERIFY(secondHeader > lastLine);
    }

    void masterDetailRowNumbersCountDocuments()
    {
        BandedReport report(ReportFormLayout(ReportForm::CXCG));
        const PageModel model = report.layOut(Documents(40, 5));
        QVERIFY(model.pageCount() > 2);
        QStringList numbers, lines;
        for (const ReportPage& page : model.pages) {
            numbers << SourceTexts(page, "COUNT");
            lines << SourceTexts(page, "guige");
            QVERIFY(BandTexts(page, BandKind::ColumnHeader).isEmpty());
            // No document header is left at the foot of a page without its first line.
            QCOMPARE(page.texts.last().band, BandKind::PageFooter);
            double lastHeader = 0, lastLine = 0;
            for (const PageText& t : page.texts) {
                if (t.source == "dh")
                    lastHeader = t.rect.top();
                if (t.band == BandKind::SubDetail)
                    lastLine = t.rect.top();
            }
            QVERIFY(lastLine > lastHeader);
        }
        QCOMPARE(numbers.size(), 40);
        QCOMPARE(numbers.first(), "1");
        QCOMPARE(numbers.last(), "40");
        QCOMPARE(lines.size(), 200);
    }

    void salesDocumentPageSetup_data()
    {
        QTest::addColumn<int>("paperSize");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSizeF>("page");
        QTest::newRow("custom 150x200") << 27 << 150 << 200 << 0 << QSizeF(150, 200);
        QTest::newRow("custom landscape") << 27 << 150 << 200 << 1 << QSizeF(200, 150);
        QTest::newRow("A5 ignores the typed size") << 11 << 300 << 300 << 0 << QSizeF(148, 210);
        QTest::newRow("B5 landscape") << 13 << 182 << 257 << 1 << QSizeF(257, 182);
        QTest::newRow("A3") << 8 << 297 << 420 << 0 << QSizeF(297, 420);
    }

    void salesDocumentPageSetup()
    {
        QFETCH(int, paperSize);
        QFETCH(int, width);
        QFETCH(int, length);
        QFETCH(int, orientation);
        QFETCH(QSizeF, page);
        ReportPageSetup setup;
        setup.paperSize = paperSize;
        setup.width = width;
        setup.length = length;
        setup.orientation = orientation;
        setup.topMargin = 5;
        setup.bottomMargin = 6;
        setup.leftMargin = 7;
        setup.rightMargin = 8;
        BandedReport report(ReportFormLayout(ReportForm::XSDJ), setup);
        report.setLabel("CaptionQRLabel", "晴岚电器销售单");
        report.setMemoLines("QRMemo1", {"    本公司经营各类家用电器。", "    欢迎惠顾。"});
        const PageModel model = report.layOut(Single(SalesLines("xs240315001", 60)));
        QCOMPARE(model.setup.pageSizeMm(), page);
        const QPageLayout pl = model.setup.pageLayout();
        QCOMPARE(pl.fullRect(QPageLayout::Millimeter).size().toSize(), page.toSize());
        QStringList numbers;
        for (const ReportPage& p : model.pages) {
            QVERIFY(InsideMargins(model, p));
            QCOMPARE(SourceTexts(p, "QRMemo1").size(), 2);
            numbers << SourceTexts(p, "COUNT");
        }
        QCOMPARE(numbers.size(), 60);
        // The line table spans the printable width.
        double right = 0;
        for (const PageRule& r : model.pages.first().rules)
            right = qMax(right, r.line.x2());
        QCOMPARE(right, page.width() - 8);
    }

    void pageTooSmallForItsBandsStillEnds()
    {
        // A footer memo taller than the page: every row still prints once and pagination ends.
        BandedReport report(ReportFormLayout(ReportForm::XSDJ));
        QStringList memo;
        for (int i = 0; i < 80; ++i)
            memo << QStringLiteral("第%1行").arg(i);
        report.setMemoLines("QRMemo1", memo);
        const PageModel model = report.layOut(Single(SalesLines("xs240315001", 3)));
        QStringList numbers;
        for (const ReportPage& p : model.pages)
            numbers << SourceTexts(p, "COUNT");
        QCOMPARE(numbers, (QStringList{"1", "2", "3"}));
        QVERIFY(model.pageCount() <= 5);
    }

    void rowTallerThanPageGoesOnOverPages()
    {
        // A goods item whose spec wraps onto more lines than an A5 page holds, between two
        // ordinary rows: it goes on over the pages, every line above the footer, nothing lost.
        RowSet rows = StockRows(3);
        QString spec;
        for (int i = 0; i < 400; ++i)
            spec += QStringLiteral("型号%1-").arg(i, 3, 10, QLatin1Char('0'));
        rows.rows[1][2] = spec;
        ReportPageSetup a5;
        a5.paperSize = 11;
        a5.width = 148;
        a5.length = 210;
        const PageModel model = BandedReport(ReportFormLayout(ReportForm::CXKC), a5).layOut(Single(rows));
        QVERIFY(model.pageCount() >= 3);
        QString printed;
        QStringList numbers;
        for (const ReportPage& page : model.pages) {
            double footerTop = 1e9;
            for (const PageText& t : page.texts)
                if (t.band == BandKind::PageFooter)
                    footerTop = qMin(footerTop, t.rect.top());
            for (const PageText& t : page.texts)
                if (t.band == BandKind::Detail)
                    QVERIFY2(t.rect.bottom() <= footerTop + 1e-6, qPrintable(t.text));
            for (const PageRule& r : page.rules)
                if (r.band == BandKind::Detail)
                    QVERIFY(qMax(r.line.y1(), r.line.y2()) <= footerTop + 1e-6);
            QVERIFY(InsideMargins(model, page));
            printed += SourceTexts(page, "guige").join(QString());
            numbers << SourceTexts(page, "COUNT");
        }
        QCOMPARE(printed, QStringLiteral("BCD-100") + spec + QStringLiteral("BCD-102"));
        QCOMPARE(numbers, (QStringList{"1", "2", "3"}));
    }

    void unusablePageSetup_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("margin");
        QTest::addColumn<bool>("usable");
        QTest::newRow("A4 custom") << 210 << 297 << 10 << true;
        QTest::newRow("zero width") << 0 << 297 << 10 << false;
        QTest::newRow("margins eat the page") << 100 << 100 << 45 << false;
        QTest::newRow("small but usable") << 60 << 60 << 10 << true;
    }

    void unusablePageSetup()
    {
        QFETCH(int, width);
        QFETCH(int, length);
        QFETCH(int, margin);
        QFETCH(bool, usable);
        ReportPageSetup s;
        s.paperSize = CustomPaperSize;
        s.width = width;
        s.length = length;
        s.topMargin = s.bottomMargin = s.leftMargin = s.rightMargin = margin;
        QCOMPARE(s.isUsable(), usable);
    }

    void fieldsMatchColumnsWithoutCaseAndPrintDefaultText()
    {
        RowSet rows;
        rows.columns = {"PINPAI", "ChanPin", "GUIGE", "ShuLiang", "pjcb", "NewCB", "ZCB"};
        rows.rows.append({"海安", "冰箱", "BCD-215", 3, 1500.0, 1520.0, 4500.75});
        rows.rows.append({"美悦", QVariant(), "KFR-35", -2, 12.5, 0.1 + 0.2, QVariant()});
        const PageModel model = StockReport().layOut(Single(rows));
        const ReportPage& page = model.pages.first();
        QCOMPARE(SourceTexts(page, "pinpai"), (QStringList{"海安", "美悦"}));
        QCOMPARE(SourceTexts(page, "chanpin"), (QStringList{"冰箱", ""}));
        QCOMPARE(SourceTexts(page, "shuliang"), (QStringList{"3", "-2"}));
        QCOMPARE(SourceTexts(page, "PJCB"), (QStringList{"1500", "12.5"}));
        QCOMPARE(SourceTexts(page, "zcb"), (QStringList{"4500.75", ""}));
    }

    void fieldText_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole double") << QVariant(1500.0) << "1500";
        QTest::newRow("double") << QVariant(0.1 + 0.2) << "0.3";
        QTest::newRow("binary noise") << QVariant(541.360000000001) << "541.36";
        QTest::newRow("to the cent") << QVariant(2136.7533333) << "2136.75";
        QTest::newRow("negative") << QVariant(-12.345000001) << "-12.35";
        QTest::newRow("integer") << QVariant(qlonglong(42)) << "42";
        QTest::newRow("date") << QVariant(QDate(2024, 3, 5)) << "2024-03-05";
        QTest::newRow("text") << QVariant(QString(".50%")) << ".50%";
        QTest::newRow("null") << QVariant(QMetaType(QMetaType::QString)) << "";
        QTest::newRow("missing") << QVariant() << "";
    }

    void fieldText()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        QCOMPARE(FieldText(value), text);
    }

    // The print dialog's page range and copies: pages 2..3 of 4, twice, are 4 sheets; a
    // range alone is its pages only.
    void printsTheChosenPages_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("sheets");
        QTest::newRow("page 2") << 2 << 2 << 1 << 1;
        QTest::newRow("pages 2-3 twice") << 2 << 3 << 2 << 4;
        QTest::newRow("all") << 0 << 0 << 1 << -1;
    }
    void printsTheChosenPages()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, copies);
        QFETCH(int, sheets);
        const PageModel model = StockReport().layOut(Single(StockRows(150)));
        QVERIFY(model.pageCount() >= 3);
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        SetUpPrinter(printer, model);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("range.pdf"));
        if (from > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(from, to);
        }
        printer.setCopyCount(copies);
        QVERIFY(PrintPages(printer, model, nullptr));
        QFile file(dir.filePath("range.pdf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QCOMPARE(int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page ")
                     + pdf.count("/Type /Page>")),
                 sheets < 0 ? model.pageCount() : sheets);
    }

    void writesPdf()
    {
        QTemporaryDir dir;
        const PageModel model = StockReport().layOut(Single(StockRows(100)));
        const QString path = dir.filePath("stock.pdf");
        QVERIFY(WritePdf(model, path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page ")
                     + pdf.count("/Type /Page>")),
                 model.pageCount());
        QVERIFY(!WritePdf(model, dir.filePath("no/such/folder/stock.pdf")));
    }
};

QTEST_MAIN(TestReportEngine)
#include "tst_report_engine.moc"
