// Layout of the sales profit window.
#include "CX_XSLRForm.h"

#include "AppContext.h"
#include "GridColumns.h"
#include "ProfitColumns.h"
#include "ProfitTrendChart.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <tuple>

namespace {

StringGrid* ResultGrid(QWidget* parent, const char* name, const QVector<GridColumn>& columns)
{
    auto* grid = Named(new StringGrid(parent), name);
    SetGridColumns(*grid, columns);
    return grid;
}

StringGrid* NameList(QWidget* parent, const char* name, const char* caption)
{
    return Named(MakeNameList(parent, QString::fromUtf8(caption), 150), name);
}

// A result grid with its totals below it.
QVBoxLayout* WithTotals(StringGrid* grid, QHBoxLayout* totals)
{
    auto* column = new QVBoxLayout;
    column->addWidget(grid, 1);
    column->addLayout(totals);
    return column;
}

}  // namespace

void TCX_XSLRForm::setupUi()
{
    setObjectName(QStringLiteral("CX_XSLRForm"));
    setWindowTitle(QStringLiteral("销售利润查询"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);

    QHBoxLayout* dates = MakeProfitQueryRow(
        this, m_ctx.clock(), {fromDate, toDate, Presets, countButton, PrintButton, BrowseButton, EscButton});

    pageTabs = Named(new QTabWidget(this), "PageControl1");
    const auto sheet = [this](QWidget*& member, const char* name, const char* caption) {
        member = Named(new QWidget(pageTabs), name);
        pageTabs->addTab(member, QString::fromUtf8(caption));
        return member;
    };
    const auto totals = [this](Page page, const char* prefix) {
        return ProfitTotalsRow(pageTabs->widget(page), QString::fromLatin1(prefix), m_pages[page].totals);
    };

    // 0: the documents, with the lines of the selected one below.
    QWidget* p = sheet(XSDTabSheet, "XSDTabSheet", "根据销售单");
    auto* danBox = Named(new QGroupBox(QStringLiteral("销售单"), p), "GroupBox1");
    documentGrid = ResultGrid(danBox, "StringGrid1", XSLRDanColumns());
    m_pages[XSD] = {documentGrid, 6, {}, ReportForm::CXXSLR_XSD, XSLRDanColumns()};
    auto* danLayout = new QVBoxLayout(danBox);
    danLayout->addLayout(WithTotals(documentGrid, totals(XSD, "")));
    auto* linesBox = Named(new QGroupBox(QStringLiteral("销售单明细"), p), "GroupBox2");
    lineGrid = ResultGrid(linesBox, "StringGrid2", XSLRDanLineColumns());
    (new QVBoxLayout(linesBox))->addWidget(lineGrid);
    auto* xsd = new QVBoxLayout(p);
    xsd->addWidget(danBox, 3);
    xsd->addWidget(linesBox, 2);

    // 1: every goods item.
    p = sheet(SPTabSheet, "SPTabSheet", "根据商品");
    const QVector<GridColumn> spColumns = ProfitGroupColumns({{QStringLiteral("品牌"), 110, QStringLiteral("PinPai")},
                                                              {QStringLiteral("产品"), 120, QStringLiteral("chanpin")},
                                                              {QStringLiteral("型号/规格"), 150, QStringLiteral("guige")}});
    itemGrid = ResultGrid(p, "StringGrid3", spColumns);
    m_pages[SP] = {itemGrid, 5, {}, ReportForm::CXXSLR_SP, spColumns};
    (new QVBoxLayout(p))->addLayout(WithTotals(itemGrid, totals(SP, "SP_")));

    // 2 to 5: a grouping of what is chosen on the left, with the totals under both (so that the
    // page fits a small screen).
    const auto chosen = [](QWidget* page, std::initializer_list<QWidget*> left, StringGrid* grid,
                           QHBoxLayout* totals) {
        auto* row = new QHBoxLayout;
        for (QWidget* w : left)
            row->addWidget(w);
        row->addWidget(grid, 1);
        auto* column = new QVBoxLayout(page);
        column->addLayout(row, 1);
        column->addLayout(totals);
    };
    p = sheet(PPTabSheet, "PPTabSheet", "根据品牌");
    const QVector<GridColumn> ppColumns = ProfitGroupColumns({{QStringLiteral("品牌"), 160, QStringLiteral("PinPai")}});
    brandPageProductList = NameList(p, "StringGrid4", "产品");
    brandGrid = ResultGrid(p, "StringGrid5", ppColumns);
    m_pages[PP] = {brandGrid, 3, {}, ReportForm::CXXSLR_PP, ppColumns};
    chosen(p, {brandPageProductList}, brandGrid, totals(PP, "PP_"));

    p = sheet(CPTabSheet, "CPTabSheet", "根据产品");
    const QVector<GridColumn> cpColumns = ProfitGroupColumns({{QStringLiteral("产品"), 160, QStringLiteral("chanpin")}});
    productPageBrandList = NameList(p, "StringGrid6", "品牌");
    productGrid = ResultGrid(p, "StringGrid7", cpColumns);
    m_pages[CP] = {productGrid, 3, {}, ReportForm::CXXSLR_CP, cpColumns};
    chosen(p, {productPageBrandList}, productGrid, totals(CP, "CP_"));

    p = sheet(GGTabSheet, "GGTabSheet", "根据规格");
    const QVector<GridColumn> ggColumns = ProfitGroupColumns({{QStringLiteral("规格/型号"), 180, QStringLiteral("guige")}});
    specPageBrandList = NameList(p, "StringGrid8", "品牌");
    specPageProductList = NameList(p, "StringGrid9", "产品");
    specGrid = ResultGrid(p, "StringGrid10", ggColumns);
    m_pages[GG] = {specGrid, 3, {}, ReportForm::CXXSLR_GG, ggColumns};
    chosen(p, {specPageBrandList, specPageProductList}, specGrid, totals(GG, "GG_"));

    // 5: customers whose name holds the text typed, with the hint under the box.
    p = sheet(KHTabSheet, "KHTabSheet", "根据客户");
    const QVector<GridColumn> khColumns = ProfitGroupColumns({{QStringLiteral("客户"), 200, QStringLiteral("KeHu")}});
    KHEdit = MakeEdit(p, "KHEdit");
    customerQueryButton = MakeButton(p, "Button2", QStringLiteral("查询"));
    customerQueryButton->setDefault(true);
    customerGrid = ResultGrid(p, "StringGrid12", khColumns);
    m_pages[KH] = {customerGrid, 3, {}, ReportForm::CXXSLR_KH, khColumns};
    auto* filter = new QVBoxLayout;
    auto* typed = new QHBoxLayout;
    typed->addWidget(new QLabel(QStringLiteral("客户"), p));
    typed->addWidget(KHEdit, 1);
    filter->addLayout(typed);
    filter->addLayout(ButtonRow({customerQueryButton}));
    filter->addSpacing(12);
    for (const char* line : {"提示：可在上方输入客", "户名称查询指定客户的利", "润数据，为了方便，输入", "时可无需输入客户全称或",
                             "全名(如:输入'发'，系统", "将列出所有名称中带'发'", "字的客户数据)"}) {
        auto* hint = new QLabel(QString::fromUtf8(line), p);
        hint->setStyleSheet(QStringLiteral("color: #555;"));
        filter->addWidget(hint);
    }
    filter->addStretch(1);
    auto* left = new QWidget(p);
    left->setLayout(filter);
    left->setFixedWidth(180);
    chosen(p, {left}, customerGrid, totals(KH, "KH_"));

    // 6: the trend chart.
    p = sheet(TrendTabSheet, "TrendTabSheet", "趋势图");
    TopComboBox = Named(new QComboBox(p), "TopComboBox");
    TopComboBox->addItems({QStringLiteral("品牌"), QStringLiteral("产品")});
    ExportChartButton = MakeButton(p, "ExportChartButton", QStringLiteral("导出图片"));
    TrendChart = Named(new ProfitTrendChart(p), "TrendChart");
    auto* chartBar = new QHBoxLayout;
    chartBar->addWidget(new QLabel(QStringLiteral("利润排行按"), p));
    chartBar->addWidget(TopComboBox);
    chartBar->addStretch(1);
    chartBar->addWidget(ExportChartButton);
    auto* trend = new QVBoxLayout(p);
    trend->addLayout(chartBar);
    trend->addWidget(TrendChart, 1);

    const auto keep = [](const ProfitTotalLabels& l, QLabel*& je, QLabel*& lr, QLabel*& lrr, QLabel*& cb) {
        std::tie(je, lr, lrr, cb) = std::tie(l.JE, l.LR, l.LRR, l.CB);
    };
    keep(m_pages[XSD].totals, JELabel, LRLabel, LRRLabel, CBLabel);
    keep(m_pages[SP].totals, SP_JELabel, SP_LRLabel, SP_LRRLabel, SP_CBLabel);
    keep(m_pages[PP].totals, PP_JELabel, PP_LRLabel, PP_LRRLabel, PP_CBLabel);
    keep(m_pages[CP].totals, CP_JELabel, CP_LRLabel, CP_LRRLabel, CP_CBLabel);
    keep(m_pages[GG].totals, GG_JELabel, GG_LRLabel, GG_LRRLabel, GG_CBLabel);
    keep(m_pages[KH].totals, KH_JELabel, KH_LRLabel, KH_LRRLabel, KH_CBLabel);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(10, 10, 10, 10);
    top->setSpacing(8);
    top->addLayout(dates);
    top->addWidget(pageTabs, 1);
    resize(1100, 680);
}
