#pragma once

#include "LabelSheet.h"
#include "RowSet.h"

#include <QDialog>

struct AppContext;
class GoodsSelector;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class StringGrid;

// "打印标签": price labels of chosen goods items (a goods item, the goods items of a product or
// of a whole brand, each with a number of labels), on an A4 sheet of labels or a label printer's
// roll, previewed or printed. The sheet's rows, columns, margins and gaps and the roll's label
// size are kept in Set.ini ([Labels]).
//
// Keyboard: Enter walks brand -> product -> model -> 张数 -> "添加"; Delete in the list removes
// the selected goods item; Esc closes.
class TLabelPrintForm : public QDialog {
    Q_OBJECT
public:
    explicit TLabelPrintForm(AppContext& context, QWidget* parent = nullptr);

    QComboBox *brandBox = nullptr, *productBox = nullptr, *specBox = nullptr;
    QSpinBox* countEdit = nullptr;  // labels of each goods item added
    QPushButton* addButton = nullptr;
    StringGrid* itemGrid = nullptr;
    QPushButton *removeButton = nullptr, *clearButton = nullptr;
    QRadioButton *sheetButton = nullptr, *rollButton = nullptr;
    QSpinBox *rowsEdit = nullptr, *columnsEdit = nullptr;
    QDoubleSpinBox *topEdit = nullptr, *bottomEdit = nullptr, *leftEdit = nullptr, *rightEdit = nullptr,
                   *columnGapEdit = nullptr, *rowGapEdit = nullptr, *widthEdit = nullptr, *heightEdit = nullptr;
    QLabel* sizeLabel = nullptr;  // the size of one label
    QPushButton *previewButton = nullptr, *printButton = nullptr, *closeButton = nullptr;

    // Chooses a brand and product in the lists (the goods window's selection).
    void pickGoods(const QString& PinPai, const QString& ChanPin);
    // Adds the goods items chosen in the three lists (all of a brand or product for "所有…").
    void addButtonClick();
    void removeButtonClick();
    void clearButtonClick();
    void previewButtonClick();
    void printButtonClick();

    // The labels' set-up as the window shows it.
    LabelSheetSetup sheet() const;
    // The pages of the labels listed, as previewed and printed.
    PageModel labelPages() const;
    const RowSet& items() const { return m_items; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupUi();
    void showSheet(const LabelSheetSetup& sheet);
    void sheetChange();
    void showItems();
    // The set-up checked and kept in Set.ini; false (told) when it cannot print or nothing is listed.
    bool readyToPrint();

    AppContext& m_ctx;
    GoodsSelector* m_goods = nullptr;
    RowSet m_items;  // the goods items listed with their number of labels ("count")
};

// The labels' set-up kept in Set.ini ([Labels]); a missing file or key gives the defaults.
LabelSheetSetup ReadLabelSheet(const QString& programDir);
bool WriteLabelSheet(const QString& programDir, const LabelSheetSetup& sheet);
