#pragma once

#include <QDialog>

enum class ReportOutput;
struct AppContext;
class GoodsSelector;
class QComboBox;
class QLabel;
class QPushButton;
class RefreshOffer;
class StringGrid;

// "库存查询": the goods items with their stock, average cost, latest price and stock value,
// narrowed by brand, product and spec, in one of three orders; totals, print and preview, and
// the stock card of the selected goods item.
class TCX_KuCunForm : public QDialog {
    Q_OBJECT
public:
    explicit TCX_KuCunForm(AppContext& context, QWidget* parent = nullptr);

    QComboBox* brandBox = nullptr;   // 品牌
    QComboBox* productBox = nullptr;  // 产品
    QComboBox* specBox = nullptr;    // 规格/型号
    QComboBox* orderBox = nullptr;   // 排序
    StringGrid* stockGrid = nullptr;
    QLabel* SLLabel = nullptr;
    QLabel* ZCBLabel = nullptr;
    QPushButton* KuCunKaButton = nullptr;  // 库存卡
    QPushButton* printButton = nullptr;    // 打印
    QPushButton* previewButton = nullptr;  // 打印预览
    QPushButton* exitButton = nullptr;     // 退出
    RefreshOffer* refreshOffer = nullptr;  // 数据已更新, 刷新

    void ListKuCun();
    void CalcKuCunTotals();
    void PrintKuCun(ReportOutput output);
    void KuCunKaButtonClick();

private:
    void setupUi();
    void InitKuCunQuery();

    AppContext& m_ctx;
    GoodsSelector* m_goods = nullptr;
};
