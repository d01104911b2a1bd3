#pragma once

#include "EditMode.h"

#include <QDialog>

struct AppContext;
class GridFilter;
class QLineEdit;
class QPushButton;
class StringGrid;

// "产品分类设置": the product classes offered for products, with adding, renaming (the products
// of the class follow) and deleting (its products move to "*未定义*").
class TSPClassForm : public QDialog {
    Q_OBJECT
public:
    explicit TSPClassForm(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* FilterEdit = nullptr;
    StringGrid* classGrid = nullptr;
    QPushButton *AddButton = nullptr, *EditButton = nullptr, *DelButton = nullptr, *ExitButton = nullptr;

    void AddButtonClick();
    void EditButtonClick();
    void DelButtonClick();
    void ExitButtonClick();

private:
    void setupUi();
    void ListCPType();
    QString selectedName() const;

    AppContext& m_ctx;
    GridFilter* m_filter = nullptr;
};

// The add/edit dialog of a product class: Add adds, Edit renames the class OldName.
class TSPClassEditForm : public QDialog {
    Q_OBJECT
public:
    explicit TSPClassEditForm(AppContext& context, QWidget* parent = nullptr);

    void SetCPTypeAddMode();
    void SetCPTypeEditMode(const QString& name);
    EditMode mode() const { return m_mode; }

    QLineEdit* SPClassEdit = nullptr;
    QPushButton *OKButton = nullptr, *EscButton = nullptr;

    void OKButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setupUi();
    void refuse(const QString& text);

    AppContext& m_ctx;
    EditMode m_mode = EditMode::Add;
    QString m_oldName;
};
