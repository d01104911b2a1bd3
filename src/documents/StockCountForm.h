#pragma once

#include "GoodsFinder.h"
#include "GridColumns.h"
#include "StockCount.h"

#include <QDialog>
#include <QHash>

enum class ReportOutput;
struct AppContext;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class StringGrid;

// "库存盘点": the operator scans or types model numbers (a scanner types the code and Enter), each
// scan counting one more of the goods item, or types a quantity first to make it the item's count.
// The list shows every goods item of the chosen brand with its book quantity, the counted quantity
// and the difference; each entry is kept at once, so an interrupted count goes on when the window
// opens again. The difference list prints and previews like every list; "确认盘点" posts the
// differences to the stock (StockCount.h), "放弃盘点" throws the count away.
class TStockCountForm : public QDialog {
    Q_OBJECT
public:
    explicit TStockCountForm(AppContext& context, QWidget* parent = nullptr);

    QComboBox* brandBox = nullptr;     // 品牌: "所有品牌" or one brand
    QLineEdit* codeEdit = nullptr;     // 型号/条码
    QLineEdit* quantityEdit = nullptr; // 数量: empty counts one per scan
    QLabel* lastLabel = nullptr;       // the last entry, or why a code found nothing
    QLabel* totalsLabel = nullptr;     // items counted, items with a difference
    StringGrid* countGrid = nullptr;
    QPushButton* printButton = nullptr;    // 打印差异表
    QPushButton* previewButton = nullptr;  // 差异表预览
    QPushButton* postButton = nullptr;     // 确认盘点
    QPushButton* discardButton = nullptr;  // 放弃盘点
    QPushButton* exitButton = nullptr;     // 退出

    // Counts the goods item of the code in the code box: one more, or the typed quantity.
    void countCode();
    void listGoods();
    void printDifferences(ReportOutput output);
    void postCount();
    void discardCount();

private:
    void setupUi();
    static QVector<GridColumn> columns();
    void showTotals();
    void showCount(const GoodsKey& goods, ItemCount count);
    void refuseCode(const QString& why);

    AppContext& m_ctx;
    GoodsFinder m_finder;
    QHash<QString, int> m_rowOf;        // grid row of each listed goods item
    QHash<QString, ItemCount> m_counts;  // every counted goods item
    int m_differing = 0;                 // counted goods items whose difference is not 0
};
