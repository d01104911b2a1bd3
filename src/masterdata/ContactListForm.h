#pragma once

#include "GridColumns.h"

#include <QDialog>
#include <QStringList>
#include <QVector>

struct AppContext;
class GridFilter;
class QLabel;
class QLineEdit;
class QPushButton;
class StringGrid;

// A list of people or firms (customers, suppliers, employees): the grid of every row with a
// find-as-you-type box above it, and the buttons that add, edit and delete a row. Each list names
// its columns and its rows and opens its own add/edit dialog; the deletion and the refreshes are
// the same for all.
class TContactListForm : public QDialog {
    Q_OBJECT
public:
    QLabel* FilterLabel = nullptr;
    QLineEdit* FilterEdit = nullptr;  // 查找: name, phone or pinyin initials of the name
    StringGrid* contactGrid = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* DelButton = nullptr;
    QPushButton* ExitButton = nullptr;

    void AddButtonClick();
    void EditButtonClick();
    void DelButtonClick();
    void ExitButtonClick();

protected:
    struct Shape {
        const char* objectName;
        QString caption;          // window caption: 客户设置
        QString what;             // what a row is called in the messages: 客户
        QVector<GridColumn> columns;  // columns 1 to n of the grid (column 0 is a narrow empty one)
        int phoneCol;             // searched beside the name (column 1)
        bool addIsDefault;        // Enter presses AddButton
    };
    TContactListForm(AppContext& context, QWidget* parent, Shape shape);

    // Fills the grid from the database (every row; the filter box decides which are shown).
    void List();
    // The rows of the list, with the fields its columns name.
    virtual RowSet rows() = 0;
    // Runs the add dialog (no row) or the edit dialog on a row of the grid (columns 0 to n), modally.
    virtual void runEditor(const QStringList* row) = 0;
    virtual void remove(const QString& name) = 0;

    AppContext& m_ctx;

private:
    void setupUi();
    QStringList selectedRow() const;

    Shape m_shape;
    QVector<GridColumn> m_columns;  // every column of the grid, widths as shown
    GridFilter* m_filter = nullptr;
};
