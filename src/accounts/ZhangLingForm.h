#pragma once

#include "PartPayments.h"
#include "RowSet.h"

#include <QDialog>

struct AppContext;
class QPushButton;
class StringGrid;

// "账龄分析": what each customer (supplier) with open documents owes, by the age of the
// documents (0-30, 31-60, 61-90 and over 90 days from the document date to today), with totals;
// printed and previewed as a list.
class TZhangLingForm : public QDialog {
    Q_OBJECT
public:
    TZhangLingForm(AppContext& context, AccountSide side, QWidget* parent = nullptr);

    StringGrid* ageingGrid = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* BrowseButton = nullptr;
    QPushButton* EscButton = nullptr;

    void PrintButtonClick();
    void BrowseButtonClick();

private:
    void setupUi();
    void PrintList(bool print);

    RowSet m_rows;  // what the grid shows, for the printout

    AppContext& m_ctx;
    AccountSide m_side;
};
