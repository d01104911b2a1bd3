#pragma once

#include "ContactListForm.h"

// "客户设置": the customer list with its add/edit dialog.
class TKeHuForm : public TContactListForm {
    Q_OBJECT
public:
    explicit TKeHuForm(AppContext& context, QWidget* parent = nullptr);

protected:
    RowSet rows() override;
    void runEditor(const QStringList* row) override;
    void remove(const QString& name) override;
};
