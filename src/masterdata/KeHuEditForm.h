#pragma once

#include "ContactEditForm.h"
#include "Records.h"

class QLineEdit;

// "添加"/"修改" a customer: name and phone required, the name unique.
class TKeHuEditForm : public TContactEditForm {
    Q_OBJECT
public:
    explicit TKeHuEditForm(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* KHEdit = nullptr;
    QLineEdit* LXREdit = nullptr;
    QLineEdit* PhoneEdit = nullptr;
    QLineEdit* FaxEdit = nullptr;
    QLineEdit* EmailEdit = nullptr;
    QLineEdit* AddressEdit = nullptr;
    QLineEdit* RemarkEdit = nullptr;
    QLineEdit* YBEdit = nullptr;

    void SetKeHuAddMode();
    void SetKeHuEditMode(const TKeHu& k);
    void OKButtonClick() override;

private:
    void setupUi();
    void fill(const TKeHu& k);
};
