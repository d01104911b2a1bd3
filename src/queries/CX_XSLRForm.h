#pragma once

#include "GridColumns.h"
#include "PrintReport.h"
#include "ProfitTotals.h"
#include "ReportRows.h"

#include <QDate>
#include <QDialog>

struct AppContext;
class DateRangePresets;
class ProfitTrendChart;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class StringGrid;

// "销售利润查询": for a date range, what was sold, its cost at sale, the profit and the margin,
// by sales document (with the lines of the selected one), goods item, brand of a product, product
// of a brand, spec of a brand and product, and customer; each page with its totals, print and
// preview of the rows it shows. A seventh page charts amount and profit per month and the ten
// brands or products with the highest profit. The active page is refreshed by "统计", "查询",
// Enter, and whenever it is switched to.
class TCX_XSLRForm : public QDialog {
    Q_OBJECT
public:
    explicit TCX_XSLRForm(AppContext& context, QWidget* parent = nullptr);

    enum Page { XSD, SP, PP, CP, GG, KH, Trend };

    QDateEdit* fromDate = nullptr;         // 起始日期
    QDateEdit* toDate = nullptr;           // 截止日期
    DateRangePresets* Presets = nullptr;
    QPushButton* countButton = nullptr;   // 统计
    QPushButton* PrintButton = nullptr;   // 打印
    QPushButton* BrowseButton = nullptr;  // 打印预览
    QPushButton* EscButton = nullptr;     // 退出
    QTabWidget* pageTabs = nullptr;
    QWidget *XSDTabSheet = nullptr, *SPTabSheet = nullptr, *PPTabSheet = nullptr, *CPTabSheet = nullptr,
            *GGTabSheet = nullptr, *KHTabSheet = nullptr, *TrendTabSheet = nullptr;
    StringGrid* documentGrid = nullptr;  // 销售单
    StringGrid* lineGrid = nullptr;      // 销售单明细
    StringGrid* itemGrid = nullptr;      // by goods item
    StringGrid* brandPageProductList = nullptr;  // 产品
    StringGrid* brandGrid = nullptr;     // by brand
    StringGrid* productPageBrandList = nullptr;   // 品牌
    StringGrid* productGrid = nullptr;   // by product
    StringGrid* specPageBrandList = nullptr;   // 品牌
    StringGrid* specPageProductList = nullptr;  // 产品 of that brand
    StringGrid* specGrid = nullptr;      // by spec
    StringGrid* customerGrid = nullptr;  // by customer
    QLineEdit* KHEdit = nullptr;
    QPushButton* customerQueryButton = nullptr;  // 查询, the default button
    QLabel *JELabel = nullptr, *LRLabel = nullptr, *LRRLabel = nullptr, *CBLabel = nullptr;
    QLabel *SP_JELabel = nullptr, *SP_LRLabel = nullptr, *SP_LRRLabel = nullptr, *SP_CBLabel = nullptr;
    QLabel *PP_JELabel = nullptr, *PP_LRLabel = nullptr, *PP_LRRLabel = nullptr, *PP_CBLabel = nullptr;
    QLabel *CP_JELabel = nullptr, *CP_LRLabel = nullptr, *CP_LRRLabel = nullptr, *CP_CBLabel = nullptr;
    QLabel *GG_JELabel = nullptr, *GG_LRLabel = nullptr, *GG_LRRLabel = nullptr, *GG_CBLabel = nullptr;
    QLabel *KH_JELabel = nullptr, *KH_LRLabel = nullptr, *KH_LRRLabel = nullptr, *KH_CBLabel = nullptr;
    QComboBox* TopComboBox = nullptr;        // 品牌 or 产品 ranked on the trend page
    QPushButton* ExportChartButton = nullptr;  // 导出图片
    ProfitTrendChart* TrendChart = nullptr;

    // Refreshes the active page with the dates shown.
    void RefreshPage();
    void ListXSLRByDan();
    void ShowXSLRDanLines();
    void ListXSLRByShangPin();
    void ListXSLRByPinPai();
    void ListXSLRByChanPin();
    void ListXSLRByGuiGe();
    void ListXSLRByKeHu();
    void ShowTrend();
    void PrintPage(ReportOutput output);
    void ExportChart();

    // The name selected in a one-column selection grid (empty when it lists none).
    static QString Selected(const StringGrid& grid);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // What a result page listed last: the rows it shows (and prints), for which range and
    // selection.
    struct Listed {
        ReportData data;
        QDate from, to;
        QString selection;
    };
    // A result page's grid, where its cost column stands, its totals and its report form.
    struct ResultPage {
        StringGrid* grid = nullptr;
        int costCol = 0;
        ProfitTotalLabels totals;
        ReportForm form = ReportForm::CXXSLR_XSD;
        QVector<GridColumn> columns;
    };

    void setupUi();
    template <class Work>
    auto Gather(Work&& work);
    // Shows rows in a page's result grid (row 1 selected), keeps them for printing and totals.
    void ShowRows(Page page, ReportData data, const QString& selection = {});
    void FillNames(StringGrid& grid, const QStringList& names);

    AppContext& m_ctx;
    ResultPage m_pages[6];
    Listed m_listed[6];
    bool m_trendShown = false;  // the trend page was shown since the window opened
};
