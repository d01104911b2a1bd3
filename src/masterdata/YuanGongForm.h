#pragma once

#include "ContactListForm.h"

// "员工设置": the employee list with its add/edit dialog.
class TYuanGongForm : public TContactListForm {
    Q_OBJECT
public:
    explicit TYuanGongForm(AppContext& context, QWidget* parent = nullptr);

protected:
    RowSet rows() override;
    void runEditor(const QStringList* row) override;
    void remove(const QString& name) override;
};
