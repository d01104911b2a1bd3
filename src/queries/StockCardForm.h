#pragma once

#include "RowSet.h"
#include "StockCard.h"

#include <QDialog>

struct AppContext;
class QLabel;
class QPushButton;
class StringGrid;

// "库存卡": every movement of one goods item in date order with the running balance, printable
// and exportable like every list.
class TStockCardForm : public QDialog {
    Q_OBJECT
public:
    TStockCardForm(AppContext& context, GoodsKey goods, QWidget* parent = nullptr);

    StringGrid* cardGrid = nullptr;
    QLabel* GoodsLabel = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* BrowseButton = nullptr;
    QPushButton* ExitButton = nullptr;

private:
    void setupUi();
    void print(bool preview);

    AppContext& m_ctx;
    GoodsKey m_goods;
    RowSet m_rows;
};
