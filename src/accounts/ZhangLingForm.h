#pragma once

#include "PartPayments.h"

#include <QDialog>

struct AppContext;
class QPushButton;
class StringGrid;

// "账龄分析": what each customer (supplier) with open documents owes, by the age of the
// documents (0-30, 31-60, 61-90 and over 90 days from the document date to today), with totals.
class TZhangLingForm : public QDialog {
    Q_OBJECT
public:
    TZhangLingForm(AppContext& context, AccountSide side, QWidget* parent = nullptr);

    StringGrid* StringGrid1 = nullptr;
    QPushButton* EscButton = nullptr;

private:
    void setupUi();

    AppContext& m_ctx;
    AccountSide m_side;
};
