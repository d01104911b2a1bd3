#pragma once

#include "GridColumns.h"
#include "ReportForms.h"
#include "RowSet.h"

#include <QDialog>

enum class ReportOutput;
struct AppContext;
struct ContactTable;
class QLineEdit;
class QPushButton;
class StringGrid;

// A lookup of people or firms by part of the name: the matching rows with every detail, printed
// as shown. The customer, supplier and employee lookups differ only by their Shape.
class TContactLookupForm : public QDialog {
    Q_OBJECT
public:
    QLineEdit* SearchEdit = nullptr;  // KHEdit, GYSEdit or YGEdit
    QPushButton* SearchButton = nullptr;
    QPushButton* ShowAllButton = nullptr;
    QPushButton* EscButton = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* BrowseButton = nullptr;
    StringGrid* contactGrid = nullptr;

    void SearchButtonClick();
    void ShowAllButtonClick();
    void PrintLookup(ReportOutput output);

protected:
    struct Shape {
        const char* objectName;
        QString caption;  // 客户查询
        const char* editName;
        QString label;  // 客户
        const ContactTable& (*table)();
        QVector<GridColumn> (*columns)();
        ReportForm form;
    };
    TContactLookupForm(AppContext& context, QWidget* parent, Shape shape);
    void showEvent(QShowEvent* event) override;

private:
    void setupUi();
    void search(const QString& text);

    AppContext& m_ctx;
    Shape m_shape;
    QVector<GridColumn> m_columns;
    RowSet m_rows;  // the last list, as shown and printed
};

class TCX_KeHuForm : public TContactLookupForm {
    Q_OBJECT
public:
    explicit TCX_KeHuForm(AppContext& context, QWidget* parent = nullptr);
};

class TCX_GYSForm : public TContactLookupForm {
    Q_OBJECT
public:
    explicit TCX_GYSForm(AppContext& context, QWidget* parent = nullptr);
};

class TCX_YGForm : public TContactLookupForm {
    Q_OBJECT
public:
    explicit TCX_YGForm(AppContext& context, QWidget* parent = nullptr);
};
