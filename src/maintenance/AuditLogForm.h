#pragma once

#include <QDialog>

struct AppContext;
class DateRangePresets;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class StringGrid;

// "操作日志": who did what and when, from the audit log, for a date range and one action or all.
// The list exports to a workbook through the grid.
class TAuditLogForm : public QDialog {
    Q_OBJECT
public:
    explicit TAuditLogForm(AppContext& context, QWidget* parent = nullptr);

    QDateEdit* fromDate = nullptr;
    QDateEdit* toDate = nullptr;
    DateRangePresets* Presets = nullptr;
    QComboBox* ActionComboBox = nullptr;
    QPushButton* CXButton = nullptr;  // 查询
    QPushButton* EscButton = nullptr;
    StringGrid* auditGrid = nullptr;
    QLabel* CountLabel = nullptr;

    void ListAudit();
    void CXButtonClick();

private:
    void setupUi();

    AppContext& m_ctx;
};
