#include "CX_XSLRForm.h"

#include "AppContext.h"
#include "BackgroundWork.h"
#include "DateRangePresets.h"
#include "GoodsLists.h"
#include "GoodsStore.h"
#include "GuardedConnect.h"
#include "ProfitColumns.h"
#include "ProfitTrend.h"
#include "ProfitTrendChart.h"
#include "ReportData.h"
#include "StringGrid.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

TCX_XSLRForm::TCX_XSLRForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    const QDate today = m_ctx.today();
    fromDate->setDate(QDate(today.year(), today.month(), 1));
    toDate->setDate(today);
    RunGuarded(m_ctx, this, [this] { ListXSLRByDan(); });

    GuardedConnect(countButton, &QPushButton::clicked, this, m_ctx, &TCX_XSLRForm::RefreshPage);
    GuardedConnect(customerQueryButton, &QPushButton::clicked, this, m_ctx, &TCX_XSLRForm::RefreshPage);
    GuardedConnect(Presets, &DateRangePresets::rangeChosen, this, m_ctx, &TCX_XSLRForm::RefreshPage);
    GuardedConnect(pageTabs, &QTabWidget::currentChanged, this, m_ctx, &TCX_XSLRForm::RefreshPage);
    GuardedConnect(documentGrid, &StringGrid::rowSelected, this, m_ctx, &TCX_XSLRForm::ShowXSLRDanLines);
    GuardedConnect(brandPageProductList, &StringGrid::rowSelected, this, m_ctx, &TCX_XSLRForm::ListXSLRByPinPai);
    GuardedConnect(productPageBrandList, &StringGrid::rowSelected, this, m_ctx, &TCX_XSLRForm::ListXSLRByChanPin);
    GuardedConnect(specPageBrandList, &StringGrid::rowSelected, this, m_ctx, [this] {
        FillNames(*specPageProductList, ChanPinNames(m_ctx.db(), Selected(*specPageBrandList)));
        ListXSLRByGuiGe();
    });
    GuardedConnect(specPageProductList, &StringGrid::rowSelected, this, m_ctx, &TCX_XSLRForm::ListXSLRByGuiGe);
    GuardedConnect(TopComboBox, &QComboBox::currentIndexChanged, this, m_ctx, &TCX_XSLRForm::ShowTrend);
    GuardedConnect(ExportChartButton, &QPushButton::clicked, this, m_ctx, &TCX_XSLRForm::ExportChart);
    GuardedConnect(PrintButton, &QPushButton::clicked, this, m_ctx, [this] { PrintPage(ReportOutput::Print); });
    GuardedConnect(BrowseButton, &QPushButton::clicked, this, m_ctx, [this] { PrintPage(ReportOutput::Preview); });
    GuardedConnect(EscButton, &QPushButton::clicked, this, m_ctx, &TCX_XSLRForm::close);
}

// Enter anywhere in the window is a click on "查询", the default button, even while its page is
// not shown.
void TCX_XSLRForm::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        customerQueryButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TCX_XSLRForm::RefreshPage()
{
    switch (pageTabs->currentIndex()) {
    case XSD:
        ListXSLRByDan();
        break;
    case SP:
        ListXSLRByShangPin();
        break;
    case PP:
        FillNames(*brandPageProductList, DistinctChanPinNames(m_ctx.db()));
        ListXSLRByPinPai();
        break;
    case CP:
        FillNames(*productPageBrandList, PinPaiNames(m_ctx.db()));
        ListXSLRByChanPin();
        break;
    case GG:
        FillNames(*specPageBrandList, PinPaiNames(m_ctx.db()));
        FillNames(*specPageProductList, ChanPinNames(m_ctx.db(), Selected(*specPageBrandList)));
        ListXSLRByGuiGe();
        break;
    case KH:
        ListXSLRByKeHu();
        break;
    case Trend:
        if (!m_trendShown) {
            // A trend needs months: a range within one month (the window's first range) opens
            // the page on the last twelve months up to its end.
            m_trendShown = true;
            const QDate to = toDate->date();
            const QDate from = fromDate->date();
            if (from.year() == to.year() && from.month() == to.month())
                fromDate->setDate(QDate(to.year(), to.month(), 1).addMonths(-11));
        }
        ShowTrend();
        break;
    }
}

QString TCX_XSLRForm::Selected(const StringGrid& grid)
{
    const int r = grid.row();
    return r > 0 ? grid.cell(0, r) : QString();
}

// A selection grid refilled, its first name selected (without acting on the selection).
void TCX_XSLRForm::FillNames(StringGrid& grid, const QStringList& names)
{
    QVector<QStringList> rows;
    rows.reserve(names.size());
    for (const QString& name : names)
        rows.append({name});
    const QSignalBlocker quiet(&grid);
    grid.setDataRows(std::move(rows));
    grid.setRow(1);
}

void TCX_XSLRForm::ShowRows(Page page, ReportData data, const QString& selection)
{
    ResultPage& p = m_pages[page];
    m_listed[page] = {std::move(data), fromDate->date(), toDate->date(), selection};
    FillGrid(*p.grid, m_listed[page].data.master, p.columns);
    {
        const QSignalBlocker quiet(p.grid);
        p.grid->setRow(1);
    }
    ShowProfitTotals(*p.grid, p.costCol, p.totals);
}

// Runs a page's statistics off the window's thread; nothing when the operator cancelled.
template <class Work>
auto TCX_XSLRForm::Gather(Work&& work)
{
    return RunInBackground(m_ctx, this, QStringLiteral("正在统计销售利润..."), std::forward<Work>(work));
}

void TCX_XSLRForm::ListXSLRByDan()
{
    const QDate from = fromDate->date(), to = toDate->date();
    if (auto data = Gather([=](Database& db) { return PrepareBB_CXXSLR_XSD(db, from, to); })) {
        ShowRows(XSD, std::move(*data));
        ShowXSLRDanLines();
    }
}

// The lines of the selected document, as the document's printout lists them under it.
void TCX_XSLRForm::ShowXSLRDanLines()
{
    const ReportData& d = m_listed[XSD].data;
    const int r = documentGrid->row();
    const bool listed = d.details && r >= 1 && r <= d.master.rowCount();
    FillGrid(*lineGrid, listed ? d.details(r - 1) : RowSet(), XSLRDanLineColumns());
}

void TCX_XSLRForm::ListXSLRByShangPin()
{
    const QDate from = fromDate->date(), to = toDate->date();
    if (auto rows = Gather([=](Database& db) { return PrepareBB_CXXSLR_SP(db, from, to); }))
        ShowRows(SP, {std::move(*rows), {}});
}

void TCX_XSLRForm::ListXSLRByPinPai()
{
    const QString product = Selected(*brandPageProductList);
    const QDate from = fromDate->date(), to = toDate->date();
    if (auto rows = Gather([=](Database& db) { return PrepareBB_CXXSLR_PP(db, product, from, to); }))
        ShowRows(PP, {std::move(*rows), {}}, product);
}

void TCX_XSLRForm::ListXSLRByChanPin()
{
    const QString brand = Selected(*productPageBrandList);
    const QDate from = fromDate->date(), to = toDate->date();
    if (auto rows = Gather([=](Database& db) { return PrepareBB_CXXSLR_CP(db, brand, from, to); }))
        ShowRows(CP, {std::move(*rows), {}}, brand);
}

void TCX_XSLRForm::ListXSLRByGuiGe()
{
    const QString brand = Selected(*specPageBrandList);
    const QString product = Selected(*specPageProductList);
    const QDate from = fromDate->date(), to = toDate->date();
    if (auto rows = Gather([=](Database& db) { return PrepareBB_CXXSLR_GG(db, brand, product, from, to); }))
        ShowRows(GG, {std::move(*rows), {}}, brand + product);
}

void TCX_XSLRForm::ListXSLRByKeHu()
{
    const QString customer = KHEdit->text();
    const QDate from = fromDate->date(), to = toDate->date();
    if (auto rows = Gather([=](Database& db) { return PrepareBB_CXXSLR_KH(db, customer, from, to); }))
        ShowRows(KH, {std::move(*rows), {}});
}

void TCX_XSLRForm::ShowTrend()
{
    const QDate from = fromDate->date();
    const QDate to = toDate->date();
    const ProfitRanking by = TopComboBox->currentIndex() == 0 ? ProfitRanking::PinPai : ProfitRanking::ChanPin;
    const auto figures = Gather([=](Database& db) {
        return std::pair{MonthlyProfit(db, from, to), TopProfit(db, by, from, to)};
    });
    if (figures)
        TrendChart->setFigures(figures->first, figures->second, TopComboBox->currentText());
}

// The active page's rows as listed, titled with their range and selection; the trend page
// prints its charts.
void TCX_XSLRForm::PrintPage(ReportOutput output)
{
    const int page = pageTabs->currentIndex();
    if (page == Trend) {
        if (!TrendChart->hasFigures())
            return;
        if (output == ReportOutput::Print)
            TrendChart->print(this);
        else
            TrendChart->preview(this);
        return;
    }
    const ResultPage& p = m_pages[page];
    const Listed& listed = m_listed[page];
    const QString day = QStringLiteral("yyyy-MM-dd");
    ReportRequest r;
    r.form = p.form;
    r.prepare = [data = listed.data] { return data; };
    r.labels = ProfitTotalPrintLabels(p.totals);
    r.labels.insert(QStringLiteral("TitleQRLabel"), listed.from.toString(day) + QStringLiteral("至")
                                                        + listed.to.toString(day) + listed.selection
                                                        + QStringLiteral("销售利润报表"));
    PrintReport(m_ctx, this, !p.grid->cell(1, 1).isEmpty(), r, output);
}

void TCX_XSLRForm::ExportChart()
{
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出图片"), QStringLiteral("销售利润趋势.png"),
                                                QStringLiteral("PNG 图片 (*.png)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");
    QString error;
    if (!TrendChart->exportPng(path, &error))
        m_ctx.prompts->message(this, QStringLiteral("图片无法保存到") + path + u'\n' + error);
}
