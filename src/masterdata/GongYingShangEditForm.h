#pragma once

#include "ContactEditForm.h"
#include "Records.h"

class QLineEdit;

// "添加"/"修改" a supplier: name, contact person and phone required, the name unique.
class TGongYingShangEditForm : public TContactEditForm {
    Q_OBJECT
public:
    explicit TGongYingShangEditForm(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* GYSEdit = nullptr;
    QLineEdit* LXREdit = nullptr;
    QLineEdit* PhoneEdit = nullptr;
    QLineEdit* FaxEdit = nullptr;
    QLineEdit* AddressEdit = nullptr;
    QLineEdit* YBEdit = nullptr;
    QLineEdit* EmailEdit = nullptr;
    QLineEdit* WZEdit = nullptr;
    QLineEdit* KHHEdit = nullptr;
    QLineEdit* ZHEdit = nullptr;
    QLineEdit* SHEdit = nullptr;
    QLineEdit* RemarkEdit = nullptr;

    void SetGYSAddMode();
    void SetGYSEditMode(const TGongYingShang& g);
    void OKButtonClick() override;

private:
    void setupUi();
    void fill(const TGongYingShang& g);
};
