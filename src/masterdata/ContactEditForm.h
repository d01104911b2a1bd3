#pragma once

#include "EditMode.h"

#include <QDialog>
#include <QVector>

struct AppContext;
class QPushButton;

// The add/edit dialog of a customer, supplier or employee: its mode (add or edit), the old name
// when editing, the labelled fields, and the buttons 确定 (default) and the one that closes
// without saving. Each dialog checks and writes its own record in OKButtonClick.
class TContactEditForm : public QDialog {
    Q_OBJECT
public:
    QPushButton* OKButton = nullptr;
    QPushButton* EscButton = nullptr;

    EditMode mode() const { return m_mode; }
    const QString& oldName() const { return m_oldName; }

    void FormShow();
    virtual void OKButtonClick() = 0;
    void EscButtonClick();

protected:
    struct Field {
        const char* label;
        QWidget* box;
        bool wide = false;  // takes a whole row
    };
    TContactEditForm(AppContext& context, QWidget* parent, const char* objectName, const QString& escCaption);

    // Add (caption "添加") or Edit (caption "修改", with the name the row had).
    void setMode(EditMode mode, const QString& oldName = {});
    // Lays the fields out two to a row (a wide one alone), the buttons below; nameBox takes the
    // focus whenever the dialog is shown.
    void layOut(const QVector<Field>& fields, QWidget* nameBox);
    // A refused input: the plain message, then the focus on box (its text selected if asked); no
    // box: the focus stays where it is.
    void refuse(const QString& text, QWidget* box = nullptr, bool select = false);

    void showEvent(QShowEvent* event) override;

    AppContext& m_ctx;

private:
    QString m_escCaption;
    QWidget* m_nameBox = nullptr;
    EditMode m_mode = EditMode::Add;
    QString m_oldName;
};
