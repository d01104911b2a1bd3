// The sales profit window: its six pages against a small shop, the margin rule, the date hint,
// names with quotes and wildcards, print and preview, Enter, and the trend page.

#include "../app/AppFixture.h"
#include "CX_XSLRForm.h"
#include "DocumentStore.h"
#include "FullDisk.h"
#include "GoodsStore.h"
#include "ProfitTrendChart.h"
#include "ReportData.h"
#include "ReportPreviewDialog.h"
#include "StringGrid.h"
#include "TestDb.h"
#include "TestFaults.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsRectItem>
#include <QGraphicsTextItem>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace {

// Names that are values, not SQL.
const QString Brand = QStringLiteral("O'Brien_%");
const QString BrandX = QStringLiteral("O'BrienX");
const QString Product = QStringLiteral("空调'%");
const QString Unsold = QStringLiteral("风扇");
const QString Neil = QStringLiteral("O'Neil_%");
const QString NeilX = QStringLiteral("O'NeilX");
const QDate Day(2001, 3, 5);  // before every demonstration document
const QDate Day2(2001, 3, 6);

void Sell(Database& db, const QString& dh, const QDate& day, const QString& customer, QVector<TShangPinItem> lines,
          DanKind kind = ForwardKind)
{
    TXiaoShouDan d;
    d.dh = dh;
    d.in_date = day;
    d.KeHu = customer;
    d.yewuyuan = QStringLiteral("王");
    for (const TShangPinItem& l : lines) {
        d.shuliang += l.shuliang;
        d.jinE += l.jinE;
    }
    QVERIFY(SaveXiaoShouDocument(db, d, lines, kind));
}

// Costs: Brand/Product G1 100, G2 200; BrandX/Product G1 300; Brand/风扇 is never sold.
//   xs010305001 Neil:  G1 2 × 150 (cost 200), G2 1 × 0 (cost 200)
//   xs010305002 NeilX: BrandX G1 1 × 1200.33 (cost 300)
//   xt010306001 Neil returns G1 1 × 150 (cost 100)
void AddSales(AppFixture& f)
{
    Database& db = f.ctx().db();
    for (const QString& b : {Brand, BrandX}) {
        InsertPinPai(db, b);
        InsertChanPin(db, b, Product, QString());
    }
    InsertChanPin(db, Brand, Unsold, QString());
    InsertGuiGe(db, Brand, Product, QStringLiteral("G1"), 100, 10);
    InsertGuiGe(db, Brand, Product, QStringLiteral("G2"), 200, 10);
    InsertGuiGe(db, BrandX, Product, QStringLiteral("G1"), 300, 10);
    Sell(db, "xs010305001", Day, Neil,
         {TestDb::line(Brand, Product, "G1", 2, 150), TestDb::line(Brand, Product, "G2", 1, 0)});
    Sell(db, "xs010305002", Day, NeilX, {TestDb::line(BrandX, Product, "G1", 1, 1200.33)});
    Sell(db, "xt010306001", Day2, Neil, {TestDb::line(Brand, Product, "G1", 1, 150)}, ReturnKind);
}

QStringList Row(const StringGrid& g, int r)
{
    QStringList cells;
    for (int c = 1; c < g.colCount(); ++c)
        cells << g.cell(c, r);
    return cells;
}

QVector<QStringList> Rows(const StringGrid& g)
{
    QVector<QStringList> rows;
    for (int r = 1; r < g.rowCount(); ++r)
        if (!g.cell(1, r).isEmpty())
            rows << Row(g, r);
    return rows;
}

void Select(StringGrid& g, const QString& name)
{
    for (int r = 1; r < g.rowCount(); ++r)
        if (g.cell(0, r) == name) {
            g.setRow(r);
            return;
        }
    QFAIL(qPrintable(name + " is not listed"));
}

StringGrid* ResultGrid(TCX_XSLRForm& w, int page)
{
    StringGrid* grids[] = {w.documentGrid, w.itemGrid, w.brandGrid, w.productGrid, w.specGrid, w.customerGrid};
    return grids[page];
}

QStringList Totals(TCX_XSLRForm& w, int page)
{
    const QString prefix = QStringList{"", "SP_", "PP_", "CP_", "GG_", "KH_"}[page];
    QStringList texts;
    for (const char* name : {"JELabel", "LRLabel", "LRRLabel", "CBLabel"})
        texts << w.findChild<QLabel*>(prefix + QLatin1String(name))->text();
    return texts;
}

// Shows a page for the range: the page is switched to (which refreshes it), then the names are
// chosen in its selection grids in order.
void ShowPage(TCX_XSLRForm& w, int page, const QDate& from, const QDate& to, const QStringList& chosen = {},
              const QString& filter = {})
{
    w.fromDate->setDate(from);
    w.toDate->setDate(to);
    w.KHEdit->setText(filter);
    if (w.pageTabs->currentIndex() == page)
        QTest::mouseClick(w.countButton, Qt::LeftButton);
    else
        w.pageTabs->setCurrentIndex(page);
    StringGrid* lists[][2] = {{}, {}, {w.brandPageProductList}, {w.productPageBrandList}, {w.specPageBrandList, w.specPageProductList}, {}};
    for (int i = 0; i < chosen.size(); ++i)
        Select(*lists[page][i], chosen[i]);
}

// Runs the click while a watch closes the modal dialog it opens; returns the dialog's class
// name (empty when none opened) and, for a report preview, the texts of its pages.
QString ModalOf(QPushButton* button, QStringList* texts = nullptr)
{
    QString shown;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        shown = QString::fromLatin1(modal->metaObject()->className());
        if (auto* preview = qobject_cast<ReportPreviewDialog*>(modal); preview && texts)
            for (const ReportPage& page : preview->model().pages)
                for (const PageText& t : page.texts)
                    *texts << t.text;
        qobject_cast<QDialog*>(modal)->reject();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();  // the watch runs out here, not in the next test
    return shown;
}

// What a chart view shows: its texts with where they stand, and its bars of the given colour.
struct ChartText {
    QString text;
    QRectF rect;
    QColor color;
};
struct ChartScene {
    QVector<ChartText> texts;
    QVector<QRectF> bars;
};

ChartScene SceneOf(QChartView& view, const QColor& barColor)
{
    ChartScene shown;
    for (QGraphicsItem* item : view.scene()->items()) {
        if (!item->isVisible())
            continue;
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item)) {
            QString plain = text->toPlainText();
            plain.remove(QChar::LineSeparator).remove(u'\n');
            shown.texts.append({plain, text->sceneBoundingRect(), text->defaultTextColor()});
        } else if (auto* bar = dynamic_cast<QGraphicsRectItem*>(item); bar && bar->brush().color() == barColor) {
            shown.bars.append(bar->sceneBoundingRect());
        }
    }
    return shown;
}

const QStringList AllTotals{"1350.33 元", "750.33 元", "55.57 %", "600 元"};
const QStringList BrandTotals{"150 元", "-150 元", "-100 %", "300 元"};

}  // namespace

class TestProfitQuery : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheDocumentsOfThisMonth()
    {
        AppFixture f;
        TCX_XSLRForm w(f.ctx());
        QCOMPARE(w.windowTitle(), QStringLiteral("销售利润查询"));
        QCOMPARE(w.pageTabs->currentIndex(), 0);
        QCOMPARE(w.pageTabs->tabText(6), QStringLiteral("趋势图"));
        QCOMPARE(w.fromDate->date(), QDate(2026, 3, 1));  // the fixture's month
        QCOMPARE(w.toDate->date(), QDate(2026, 3, 18));
        QVERIFY(w.customerQueryButton->isDefault());
    }

    // The statistics run while the window's event loop goes on: with the data locked by another
    // program the timer keeps firing and the progress window comes up; "取消" leaves the page as
    // it was, and once the lock is gone the same click lists what the report routine lists.
    void cancelledStatisticsLeaveThePage()
    {
        AppFixture f;
        AddSales(f);
        TCX_XSLRForm w(f.ctx());
        w.show();
        ShowPage(w, 0, Day, Day2);
        const QVector<QStringList> before = Rows(*w.documentGrid);
        QCOMPARE(before.size(), 3);
        w.fromDate->setDate(Day2);
        {
            const HeldLock locker(f.ctx().db().target(), QStringLiteral("Log_XiaoShouDan"));
            int ticks = 0;
            QString cancelled;
            QTimer ticker;
            connect(&ticker, &QTimer::timeout, [&] {
                ++ticks;
                auto* progress = w.findChild<QProgressDialog*>();
                auto* cancel = progress && progress->isVisible() ? progress->findChild<QPushButton*>() : nullptr;
                if (cancel && cancelled.isEmpty()) {
                    cancelled = cancel->text();
                    cancel->click();
                }
            });
            ticker.start(10);
            QTest::mouseClick(w.countButton, Qt::LeftButton);
            QVERIFY(ticks > 0);
            QCOMPARE(cancelled, QStringLiteral("取消"));
        }
        QCOMPARE(Rows(*w.documentGrid), before);
        QCOMPARE(Totals(w, 0), AllTotals);
        QVERIFY(f.prompts.entries.isEmpty());

        QTest::mouseClick(w.countButton, Qt::LeftButton);
        const RowSet direct = PrepareBB_CXXSLR_XSD(f.ctx().db(), Day2, Day2).master;
        QCOMPARE(direct.rowCount(), 1);
        QCOMPARE(Rows(*w.documentGrid).size(), 1);
        QCOMPARE(w.documentGrid->cell(1, 1), direct.value(0, "dh").toString());
    }

    // Each page's rows (each with its own margin in the general format: "100%" where the amount is 0,
    // never the printed "100.00%") and totals.
    void pages_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QVector<QStringList>>("rows");
        QTest::addColumn<QStringList>("totals");  // amount, profit, margin, cost
        QTest::newRow("documents") << 0 << QStringList() << QString()
            << QVector<QStringList>{{"xs010305001", "2001-03-05", Neil, "王", "3", "400", "300", "-100", "-33.33%"},
                                    {"xs010305002", "2001-03-05", NeilX, "王", "1", "300", "1200.33", "900.33", "75.01%"},
                                    {"xt010306001", "2001-03-06", Neil, "王", "-1", "-100", "-150", "-50", "33.33%"}}
            << AllTotals;
        const QStringList xG1{BrandX, Product, "G1", "1", "300", "1200.33", "900.33", "75.01%"};
        QTest::newRow("goods items, return netted") << 1 << QStringList() << QString()
            << QVector<QStringList>{{Brand, Product, "G1", "1", "100", "150", "50", "33.33%"},
                                    {Brand, Product, "G2", "1", "200", "0", "-200", "100%"}, xG1}
            << AllTotals;
        QTest::newRow("brands of a product") << 2 << QStringList{Product} << QString()
            << QVector<QStringList>{{Brand, "2", "300", "150", "-150", "-100%"},
                                    {BrandX, "1", "300", "1200.33", "900.33", "75.01%"}}
            << AllTotals;
        QTest::newRow("products of a brand") << 3 << QStringList{Brand} << QString()
            << QVector<QStringList>{{Product, "2", "300", "150", "-150", "-100%"}} << BrandTotals;
        QTest::newRow("products of the other brand") << 3 << QStringList{BrandX} << QString()
            << QVector<QStringList>{{Product, "1", "300", "1200.33", "900.33", "75.01%"}}
            << QStringList{"1200.33 元", "900.33 元", "75.01 %", "300 元"};
        QTest::newRow("specs") << 4 << QStringList{Brand, Product} << QString()
            << QVector<QStringList>{{"G1", "1", "100", "150", "50", "33.33%"},
                                    {"G2", "1", "200", "0", "-200", "100%"}}
            << BrandTotals;
        QTest::newRow("specs of a product never sold") << 4 << QStringList{Brand, Unsold} << QString()
            << QVector<QStringList>{} << QStringList{"0 元", "0 元", "100 %", "0 元"};
        const QStringList neil{Neil, "2", "300", "150", "-150", "-100%"};
        const QStringList neilX{NeilX, "1", "300", "1200.33", "900.33", "75.01%"};
        QTest::newRow("customers") << 5 << QStringList() << QString() << QVector<QStringList>{neil, neilX}
                                   << AllTotals;
        QTest::newRow("customers, 全部") << 5 << QStringList() << QStringLiteral(" 全部 ")
                                        << QVector<QStringList>{neil, neilX} << AllTotals;
        QTest::newRow("customer with quote and wildcards") << 5 << QStringList() << Neil
                                                           << QVector<QStringList>{neil} << BrandTotals;
        QTest::newRow("customer by part of the name") << 5 << QStringList() << QStringLiteral("x")
            << QVector<QStringList>{neilX} << QStringList{"1200.33 元", "900.33 元", "75.01 %", "300 元"};
    }
    void pages()
    {
        QFETCH(int, page);
        QFETCH(QStringList, chosen);
        QFETCH(QString, filter);
        QFETCH(QVector<QStringList>, rows);
        QFETCH(QStringList, totals);
        AppFixture f;
        AddSales(f);
        TCX_XSLRForm w(f.ctx());
        ShowPage(w, page, Day, Day2, chosen, filter);
        QCOMPARE(Rows(*ResultGrid(w, page)), rows);
        QCOMPARE(Totals(w, page), totals);
        QVERIFY(f.prompts.entries.isEmpty());
    }

    // The lines of the selected document: each line's own cost, profit and margin.
    void documentLines()
    {
        AppFixture f;
        AddSales(f);
        TCX_XSLRForm w(f.ctx());
        ShowPage(w, 0, Day, Day2);
        QCOMPARE(Rows(*w.lineGrid),
                 (QVector<QStringList>{{Brand, Product, "G1", "150", "2", "200", "300", "100", "33.33%"},
                                       {Brand, Product, "G2", "0", "1", "200", "0", "-200", "100%"}}));
        w.documentGrid->setRow(2);
        QCOMPARE(Rows(*w.lineGrid),
                 (QVector<QStringList>{{BrandX, Product, "G1", "1200.33", "1", "300", "1200.33", "900.33", "75.01%"}}));
        QCOMPARE(Totals(w, 0), AllTotals);  // unchanged by the selection
    }

    // "From" after "to": every page empty with totals of 0 and a margin of 100, a hint beside
    // the dates, and nothing to print.
    void reversedRange_data()
    {
        QTest::addColumn<int>("page");
        for (int page = 0; page < 6; ++page)
            QTest::addRow("page %d", page) << page;
    }
    void reversedRange()
    {
        QFETCH(int, page);
        AppFixture f;
        AddSales(f);
        TCX_XSLRForm w(f.ctx());
        w.show();
        QVERIFY(!w.findChild<QLabel*>("DateHintLabel")->isVisible());
        ShowPage(w, page, Day2, Day, page == 4 ? QStringList{Brand, Product} : page == 3 ? QStringList{Brand} : QStringList());
        QVERIFY(w.findChild<QLabel*>("DateHintLabel")->isVisible());
        QVERIFY(Rows(*ResultGrid(w, page)).isEmpty());
        QCOMPARE(Totals(w, page), (QStringList{"0 元", "0 元", "100 %", "0 元"}));
        QCOMPARE(ModalOf(w.BrowseButton), QString());
    }

    // The preview lays out the rows the page shows, titled with the range and the selection,
    // with the page's totals.
    void previewShowsThePage_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("absent");
        const QString range = QStringLiteral("2001-03-05至2001-03-06");
        const QString title = QStringLiteral("销售利润报表");
        QTest::newRow("documents with lines") << 0 << QStringList() << range + title
                                              << QStringList{"xt010306001", "G2", "-33.33%", "55.57 %"} << QStringList();
        QTest::newRow("goods items") << 1 << QStringList() << range + title << QStringList{"G1", "G2", "75.01%"}
                                     << QStringList();
        QTest::newRow("brands of a product") << 2 << QStringList{Product} << range + Product + title
                                             << QStringList{Brand, BrandX} << QStringList();
        QTest::newRow("products of a brand") << 3 << QStringList{BrandX} << range + BrandX + title
                                             << QStringList{"900.33", "300 元"} << QStringList{"-150"};
        QTest::newRow("specs") << 4 << QStringList{Brand, Product} << range + Brand + Product + title
                               << QStringList{"G1", "G2", "-100 %"} << QStringList{"1200.33"};
        QTest::newRow("customers") << 5 << QStringList() << range + title << QStringList{Neil, NeilX}
                                   << QStringList();
    }
    void previewShowsThePage()
    {
        QFETCH(int, page);
        QFETCH(QStringList, chosen);
        QFETCH(QString, title);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, absent);
        AppFixture f;
        AddSales(f);
        TCX_XSLRForm w(f.ctx());
        ShowPage(w, page, Day, Day2, chosen);
        // The rows printed are those listed, even when the dates were changed since.
        w.toDate->setDate(Day);
        QStringList texts;
        QCOMPARE(ModalOf(w.BrowseButton, &texts), QStringLiteral("ReportPreviewDialog"));
        QVERIFY2(texts.contains(title), qPrintable(texts.join(u'|')));
        for (const QString& text : shown)
            QVERIFY2(texts.contains(text), qPrintable(text));
        for (const QString& text : absent)
            QVERIFY2(!texts.contains(text), qPrintable(text));
        // Print goes through the print dialog.
        QCOMPARE(ModalOf(w.PrintButton), QStringLiteral("QPrintDialog"));
    }

    // Enter anywhere refreshes the active page (the default button "查询"); Esc closes.
    void enterRefreshesTheActivePage()
    {
        AppFixture f;
        AddSales(f);
        TCX_XSLRForm w(f.ctx());
        w.show();
        w.pageTabs->setCurrentIndex(5);
        w.fromDate->setDate(Day);
        w.toDate->setDate(Day2);
        QTest::keyClicks(w.KHEdit, QStringLiteral("x"));
        QTest::keyClick(w.KHEdit, Qt::Key_Return);
        QCOMPARE(Rows(*w.customerGrid).size(), 1);
        QCOMPARE(w.customerGrid->cell(1, 1), NeilX);
        w.pageTabs->setCurrentIndex(1);
        w.toDate->setDate(Day);
        QTest::keyClick(w.toDate, Qt::Key_Enter);
        QCOMPARE(Rows(*w.itemGrid).size(), 3);  // the return of the 6th is gone
        QCOMPARE(w.SP_JELabel->text(), QStringLiteral("1500.33 元"));
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }

    // The trend page: shown on switching to it, ranked by brand or product, exported as a
    // picture, previewed and printed.
    // The trend page opens on the last twelve months when the range lies within one month (as
    // the window opens); a range the operator widened stays.
    void trendPageOpensOnTwelveMonths_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QDate>("shownFrom");
        QTest::addColumn<int>("months");
        const QDate today = QDate::currentDate();
        const QDate first(today.year(), today.month(), 1);
        QTest::newRow("this month") << first << today << first.addMonths(-11) << 12;
        QTest::newRow("one day of an old month") << Day << Day << QDate(2000, 4, 1) << 12;
        QTest::newRow("several months") << QDate(2001, 1, 20) << Day2 << QDate(2001, 1, 20) << 3;
    }
    void trendPageOpensOnTwelveMonths()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        AppFixture f;
        AddSales(f);
        TCX_XSLRForm w(f.ctx());
        w.fromDate->setDate(from);
        w.toDate->setDate(to);
        w.pageTabs->setCurrentIndex(6);
        QTEST(w.fromDate->date(), "shownFrom");
        QCOMPARE(w.toDate->date(), to);
        const auto* months = qobject_cast<QBarCategoryAxis*>(
            w.TrendChart->MonthChartView->chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(months);
        QTEST(int(months->count()), "months");
    }

    // The ten with the highest profit: long names show whole beside their bars, and each value
    // shows dark beside its bar, over none.
    void trendNamesAndValuesReadable()
    {
        AppFixture f;
        AddSales(f);
        Database& db = f.ctx().db();
        QStringList longNames;
        for (int i = 1; i <= 9; ++i)
            longNames << QStringLiteral("北辰%1号变频冷暖壁挂式空调一级能效").arg(i);
        for (int i = 0; i < longNames.size(); ++i) {
            InsertChanPin(db, Brand, longNames[i], QString());
            InsertGuiGe(db, Brand, longNames[i], QStringLiteral("L"), 100, 10);
            Sell(db, QStringLiteral("xs0103060%1").arg(i + 10), Day2, Neil,
                 {TestDb::line(Brand, longNames[i], "L", 1, 150 + 1000 * i)});
        }
        TCX_XSLRForm w(f.ctx());
        w.resize(1024, 700);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.fromDate->setDate(QDate(2001, 1, 1));
        w.toDate->setDate(Day2);
        w.pageTabs->setCurrentIndex(6);
        w.TopComboBox->setCurrentIndex(1);  // by product
        QCoreApplication::processEvents();

        const ChartScene shown = SceneOf(*w.TrendChart->TopChartView, QColor(0xe0, 0x8a, 0x1e));
        QCOMPARE(shown.bars.size(), longNames.size() + 1);
        for (const QString& name : longNames + QStringList{Product}) {
            const auto it = std::find_if(shown.texts.begin(), shown.texts.end(),
                                         [&](const ChartText& t) { return t.text == name; });
            QVERIFY2(it != shown.texts.end(), qPrintable(name + " is not shown whole"));
            QVERIFY2(it->rect.left() >= 0, qPrintable(name + " is cut at the edge"));
        }
        QChart* chart = w.TrendChart->TopChartView->chart();
        const QRectF plot = chart->mapRectToScene(chart->plotArea());
        int values = 0;
        for (const ChartText& t : shown.texts) {
            bool number = false;
            t.text.toDouble(&number);
            if (!number || !plot.contains(t.rect.center()))
                continue;  // a name, or a label of the value axis below the bars
            ++values;
            QVERIFY2(t.color.lightnessF() < 0.5, qPrintable(t.text + " is not dark on the white chart"));
            for (const QRectF& bar : shown.bars)
                QVERIFY2(!t.rect.adjusted(1, 1, -1, -1).intersects(bar), qPrintable(t.text + " lies over a bar"));
        }
        QVERIFY(values >= longNames.size());
    }

    void trendPage()
    {
        AppFixture f;
        AddSales(f);
        TCX_XSLRForm w(f.ctx());
        w.fromDate->setDate(Day);
        w.toDate->setDate(Day2);
        QVERIFY(!w.TrendChart->hasFigures());
        w.pageTabs->setCurrentIndex(6);
        QVERIFY(w.TrendChart->hasFigures());
        w.TopComboBox->setCurrentIndex(1);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("trend"));
        QTimer::singleShot(0, [&] {
            if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                d->selectFile(path);
                static_cast<QDialog*>(d)->accept();
            }
        });
        QTest::mouseClick(w.ExportChartButton, Qt::LeftButton);
        const QImage picture(path + QStringLiteral(".png"));
        QCOMPARE(picture.size(), QSize(1600, 1200));
        QVERIFY(f.prompts.entries.isEmpty());

        QCOMPARE(ModalOf(w.BrowseButton), QStringLiteral("QPrintPreviewDialog"));
        QCOMPARE(ModalOf(w.PrintButton), QStringLiteral("QPrintDialog"));
    }

    // The picture on a full disk: the window says why, and no file (not even a part) is left.
    void trendPictureOnAFullDisk()
    {
        AppFixture f;
        FullDisk disk(0);
        QVERIFY2(disk.ready(), qPrintable(disk.error()));
        TCX_XSLRForm w(f.ctx());
        w.pageTabs->setCurrentIndex(6);
        const QString path = disk.filePath(QStringLiteral("trend.png"));
        QTimer::singleShot(0, [&] {
            if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                d->selectFile(path);
                static_cast<QDialog*>(d)->accept();
            }
        });
        QTest::mouseClick(w.ExportChartButton, Qt::LeftButton);
        QVERIFY2(f.prompts.last().endsWith(QStringLiteral("：磁盘空间不足")), qPrintable(f.prompts.last()));
        QVERIFY(f.prompts.last().startsWith(QStringLiteral("图片无法保存到") + path));
        QCOMPARE(disk.files(), QStringList());
    }
};

QL_APP_TEST_MAIN(TestProfitQuery)
#include "test_profitquery.moc"
