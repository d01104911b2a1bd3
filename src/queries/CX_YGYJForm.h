#pragma once

#include <QDialog>

enum class ReportOutput;
struct AppContext;
class DateRangePresets;
class QDateEdit;
class QLabel;
class QPushButton;
class StringGrid;

// "员工业绩查询": the sales of each salesperson dated in a range, by product class, with quantity,
// cost, amount, profit and margin; for every salesperson ("所有") or the one selected on the left;
// totals, print and preview.
class TCX_YGYJForm : public QDialog {
    Q_OBJECT
public:
    explicit TCX_YGYJForm(AppContext& context, QWidget* parent = nullptr);

    QDateEdit* fromDate = nullptr;         // 起始日期
    QDateEdit* toDate = nullptr;           // 截止日期
    DateRangePresets* Presets = nullptr;
    QPushButton* countButton = nullptr;   // 统计
    QPushButton* PrintButton = nullptr;   // 打印
    QPushButton* BrowseButton = nullptr;  // 打印预览
    QPushButton* EscButton = nullptr;     // 退出
    StringGrid* employeeGrid = nullptr;   // 员工
    StringGrid* salesGrid = nullptr;      // result
    QLabel* JELabel = nullptr;
    QLabel* LRLabel = nullptr;
    QLabel* LRRLabel = nullptr;
    QLabel* CBLabel = nullptr;

    void ListYGYJ();
    void CalcYGYJTotals();
    void PrintYGYJ(ReportOutput output);
    QString selectedYuanGong() const;

private:
    void setupUi();
    void ListYeWuYuanNames();

    AppContext& m_ctx;
};
