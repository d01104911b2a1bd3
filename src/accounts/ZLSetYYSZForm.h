#pragma once

#include <QDialog>

struct AppContext;
class QLineEdit;
class QPushButton;
class StringGrid;

// "收支项目设置": the list of income and expense items, with adding and deleting.
class TZLSetYYSZForm : public QDialog {
    Q_OBJECT
public:
    explicit TZLSetYYSZForm(AppContext& context, QWidget* parent = nullptr);

    StringGrid* itemGrid = nullptr;
    QLineEdit* itemEdit = nullptr;
    QPushButton* AddButton = nullptr;  // default button: Enter adds
    QPushButton* DelButton = nullptr;
    QPushButton* EscButton = nullptr;

    void AddButtonClick();
    void DelButtonClick();

private:
    void setupUi();
    void ListBaseShouZhi();

    AppContext& m_ctx;
};
