#pragma once

#include "RowSet.h"

#include <QDialog>

struct AppContext;
class DateRangePresets;
class QDateEdit;
class QLabel;
class QPushButton;
class StringGrid;

// "收支查询": the income and expense entries of a date range with their totals; print, preview,
// and the deletion of an entry.
class TCX_SZForm : public QDialog {
    Q_OBJECT
public:
    explicit TCX_SZForm(AppContext& context, QWidget* parent = nullptr);

    QDateEdit* fromDate = nullptr;
    QDateEdit* toDate = nullptr;
    DateRangePresets* Presets = nullptr;
    QPushButton* CXButton = nullptr;  // 统计
    QPushButton* PrintButton = nullptr;
    QPushButton* BrowseButton = nullptr;
    QPushButton* DelButton = nullptr;
    QPushButton* EscButton = nullptr;
    StringGrid* entryGrid = nullptr;
    QLabel* SRLabel = nullptr;
    QLabel* ZCLabel = nullptr;

    void ListShouZhi();
    void CalcTotals();
    void CXButtonClick();
    void DelButtonClick();
    void PrintShouZhi(bool preview);

private:
    void setupUi();

    AppContext& m_ctx;
    RowSet m_rows;  // the last list, as shown and printed
};
