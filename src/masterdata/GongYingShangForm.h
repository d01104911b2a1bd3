#pragma once

#include "ContactListForm.h"

// "供应商设置": the supplier list with its add/edit dialog.
class TGongYingShangForm : public TContactListForm {
    Q_OBJECT
public:
    explicit TGongYingShangForm(AppContext& context, QWidget* parent = nullptr);

protected:
    RowSet rows() override;
    void runEditor(const QStringList* row) override;
    void remove(const QString& name) override;
};
