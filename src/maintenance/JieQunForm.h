#pragma once

#include "RowSet.h"

#include <QDialog>
#include <QVector>

struct AppContext;
class QDate;
class QLabel;
class QLineEdit;
class QPushButton;
class DigitsUpDown;
class StringGrid;
struct GridColumn;

// Monthly closing: the closing rows of a range of months with their totals, closing a month
// (again), print and preview of the rows listed.
class TJieQunForm : public QDialog {
    Q_OBJECT
public:
    explicit TJieQunForm(AppContext& context, QWidget* parent = nullptr);

    // Range bar; each up-down holds its edit (the digits the operator types, kept as typed).
    DigitsUpDown *BeginYUpDown = nullptr, *BeginMUpDown = nullptr, *EndYUpDown = nullptr, *EndMUpDown = nullptr;
    QLineEdit *BeginYEdit = nullptr, *BeginMEdit = nullptr, *EndYEdit = nullptr, *EndMEdit = nullptr;
    QPushButton* CXButton = nullptr;
    StringGrid* closingGrid = nullptr;
    QLabel *XSELabel = nullptr, *XSLRLabel = nullptr, *SRLabel = nullptr, *ZCLabel = nullptr, *BQLRLabel = nullptr;
    // Closing bar.
    DigitsUpDown *JQYUpDown = nullptr, *JQMUpDown = nullptr;
    QLineEdit *JQYEdit = nullptr, *JQMEdit = nullptr;
    QPushButton *JQButton = nullptr, *PrintButton = nullptr, *BrowseButton = nullptr, *EscButton = nullptr;

    // Start at January of this year; end and closing month the month before today's (January
    // in January).
    void SetDefaultMonths(const QDate& today);

    void CXButtonClick();
    void JQButtonClick();
    void PrintButtonClick();
    void BrowseButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static const QVector<GridColumn>& columns();
    void setupUi();
    void ListJieQun(const QString& first, const QString& last);
    void ShowTotals();
    void PrintJieQun(bool preview);

    AppContext& m_ctx;
    RowSet m_rows;  // the rows listed, printed as they are
    bool m_shown = false;
};
