#pragma once

#include "ContactEditForm.h"
#include "Records.h"

class QComboBox;
class QDateEdit;
class QLineEdit;

// "添加"/"修改" an employee: name, sex and phone required, the name unique; the date of joining
// from a date picker.
class TYuanGongEditForm : public TContactEditForm {
    Q_OBJECT
public:
    explicit TYuanGongEditForm(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* NameEdit = nullptr;
    QComboBox* SexComboBox = nullptr;  // "男", "女"
    QLineEdit* AgeEdit = nullptr;
    QLineEdit* IDEdit = nullptr;
    QLineEdit* AddressEdit = nullptr;
    QLineEdit* PhoneEdit = nullptr;
    QDateEdit* DateDateTimePicker = nullptr;
    QLineEdit* RemarkEdit = nullptr;

    void SetYuanGongAddMode();
    void SetYuanGongEditMode(const TYuanGong& y);
    void OKButtonClick() override;

private:
    void setupUi();
};
