// Layout of the customer dialog.
#include "KeHuEditForm.h"

#include "WindowParts.h"

void TKeHuEditForm::setupUi()
{
    KHEdit = MakeEdit(this, "KHEdit");
    LXREdit = MakeEdit(this, "LXREdit");
    PhoneEdit = MakeEdit(this, "PhoneEdit");
    FaxEdit = MakeEdit(this, "FaxEdit");
    EmailEdit = MakeEdit(this, "EmailEdit");
    YBEdit = MakeEdit(this, "YBEdit");
    AddressEdit = MakeEdit(this, "AddressEdit");
    RemarkEdit = MakeEdit(this, "RemarkEdit");
    layOut({{"客户", KHEdit, true},
            {"联系人", LXREdit},
            {"电话", PhoneEdit},
            {"传真", FaxEdit},
            {"Email", EmailEdit},
            {"地址", AddressEdit, true},
            {"邮编", YBEdit},
            {"备注", RemarkEdit, true}},
           KHEdit);
}
