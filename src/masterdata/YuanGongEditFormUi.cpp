// Layout of the employee dialog.
#include "YuanGongEditForm.h"

#include "WindowParts.h"

#include <QComboBox>
#include <QDateEdit>

void TYuanGongEditForm::setupUi()
{
    NameEdit = MakeEdit(this, "NameEdit");
    SexComboBox = Named(new QComboBox(this), "SexComboBox");
    SexComboBox->addItems({QStringLiteral("男"), QStringLiteral("女")});
    AgeEdit = MakeEdit(this, "AgeEdit");
    PhoneEdit = MakeEdit(this, "PhoneEdit");
    IDEdit = MakeEdit(this, "IDEdit");
    AddressEdit = MakeEdit(this, "AddressEdit");
    DateDateTimePicker = MakeDateEdit(this, "DateDateTimePicker");
    RemarkEdit = MakeEdit(this, "RemarkEdit");
    layOut({{"姓名", NameEdit},
            {"性别", SexComboBox},
            {"年龄", AgeEdit},
            {"电话", PhoneEdit},
            {"身份证号", IDEdit, true},
            {"住址", AddressEdit, true},
            {"上岗日期", DateDateTimePicker},
            {"备注", RemarkEdit, true}},
           NameEdit);
}
