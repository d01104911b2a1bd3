#pragma once

#include <QHash>
#include <QString>

class Clock;
class DateRangePresets;
class QDateEdit;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;
class StringGrid;

// The top row of a profit window, made into the window's own members: "起始日期", "截止日期" with
// the quick choices (reckoned from the clock's today), then 统计 (object name Button1), 打印, 打印预览 and 退出.
struct ProfitQueryControls {
    QDateEdit*& from;
    QDateEdit*& to;
    DateRangePresets*& presets;
    QPushButton*& count;
    QPushButton*& print;
    QPushButton*& browse;
    QPushButton*& esc;
};
QHBoxLayout* MakeProfitQueryRow(QWidget* window, const Clock& clock, const ProfitQueryControls& controls);

// The totals under a profit list: "合计金额：", "合计利润：", "合计利率：", "合计成本：".
struct ProfitTotalLabels {
    QLabel* JE = nullptr;
    QLabel* LR = nullptr;
    QLabel* LRR = nullptr;
    QLabel* CB = nullptr;
};

// The four captions with their value labels in a row (right-aligned); the labels are named
// prefix + "JELabel", "LRLabel", "LRRLabel", "CBLabel".
QHBoxLayout* ProfitTotalsRow(QWidget* parent, const QString& prefix, ProfitTotalLabels& labels);

// The totals of a list whose cost, amount and profit stand in columns costCol, costCol + 1 and
// costCol + 2: each the sum of the cells as shown, in money followed by " 元"; the margin of the
// sums (profit ÷ amount × 100 to two decimals, 100 when the amount is 0) followed by " %".
void ShowProfitTotals(const StringGrid& grid, int costCol, const ProfitTotalLabels& labels);

// The texts of the printout's total labels, as the window shows them.
QHash<QString, QString> ProfitTotalPrintLabels(const ProfitTotalLabels& labels);
