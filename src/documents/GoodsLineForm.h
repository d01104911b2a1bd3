#pragma once

#include "GoodsFinder.h"
#include "Records.h"

#include <QDialog>
#include <QVector>
#include <optional>

struct AppContext;
class GoodsSelector;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The add-item dialog ("添加商品") of the document windows: a goods item picked through the
// chained brand, product and spec lists (or found by its model number or barcode in "型号/条码"),
// a unit price and a quantity; the amount is computed. It shows the item's stock and average cost.
// The sales and purchase dialogs differ only in their texts, in which kind checks the stock and
// which kind marks a price below the average cost (AddItemRules). A quantity of 0 is refused on both.
class GoodsLineForm : public QDialog {
    Q_OBJECT
public:
    QLineEdit* FindEdit = nullptr;      // 型号/条码
    QListWidget* FindList = nullptr;    // the goods items found when several match
    QComboBox* brandBox = nullptr;      // 品牌
    QComboBox* productBox = nullptr;    // 产品
    QComboBox* specBox = nullptr;       // 型号/规格
    QLabel* KCLabel = nullptr;          // stock of the chosen item
    QLabel* PJCBLabel = nullptr;        // its average cost
    QLineEdit* DJEdit = nullptr;        // 单价
    QLineEdit* SLEdit = nullptr;        // 数量
    QLineEdit* JEEdit = nullptr;        // 金额, computed
    QPushButton* okButton = nullptr;    // 确定
    QPushButton* backButton = nullptr;  // 返回

    void SetItemKind(DanKind kind);
    // The lines already on the document: their units count against the stock.
    void SetLinesOnGrid(QVector<TShangPinItem> lines) { m_lines = std::move(lines); }
    // The goods items the quick find searches (loaded from the catalogue when not given).
    void SetFinder(const GoodsFinder* finder) { m_finder = finder; }

    // The accepted line (valid after the dialog closed with OK).
    const TShangPinItem& ResultItem() const { return m_item; }

    void ResetItemInputs();
    void DJEditChange();
    void SLEditChange();
    void okButtonClick();
    void backButtonClick();
    void FindEditChange();
    void FindEditReturn();
    void FindListPick();

    // Whether the goods item of the accepted line was found by its barcode (scanned): the
    // document then adds the line to its line of the same goods item and price.
    bool scanned() const { return m_scanned; }

    // Whether the unit price is below the chosen item's average cost (shown in red on a sale).
    bool priceBelowCost() const { return m_belowCost; }

protected:
    struct AddItemRules {
        const char* noGoods[2];     // message when brand, product or spec is missing, by kind
        const char* noPrice[2];     // message when price or quantity is missing, by kind
        DanKind stockKind;                    // the kind whose lines must be covered by the stock
        std::optional<DanKind> costMarkKind;  // the kind whose price is marked when below the average cost
    };
    GoodsLineForm(AppContext& context, const AddItemRules& rules, QWidget* parent);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupUi();
    void showGoods();
    void markPrice();
    void pickGoods(const GoodsKey& key);
    // The goods item of a scanned code is picked; its price on the document, if it has a line, is
    // proposed. False when no goods item holds the code.
    bool pickScanned(const QString& code);
    void refuse(QWidget* box, const QString& text);
    int kindIndex() const { return m_kind == ForwardKind ? 0 : 1; }
    const GoodsFinder& finder();

    AppContext& m_ctx;
    AddItemRules m_rules;
    GoodsSelector* m_selector = nullptr;
    DanKind m_kind = ForwardKind;
    QVector<TShangPinItem> m_lines;
    const GoodsFinder* m_finder = nullptr;
    GoodsFinder m_ownFinder;
    bool m_ownFinderLoaded = false;
    Money m_cost;
    bool m_belowCost = false;
    TShangPinItem m_item;
    std::optional<GoodsKey> m_scannedKey;  // the goods item last found by its barcode
    bool m_scanned = false;
};
