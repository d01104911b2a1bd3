// Layout of the supplier dialog.
#include "GongYingShangEditForm.h"

#include "WindowParts.h"

void TGongYingShangEditForm::setupUi()
{
    GYSEdit = MakeEdit(this, "GYSEdit");
    LXREdit = MakeEdit(this, "LXREdit");
    PhoneEdit = MakeEdit(this, "PhoneEdit");
    FaxEdit = MakeEdit(this, "FaxEdit");
    AddressEdit = MakeEdit(this, "AddressEdit");
    YBEdit = MakeEdit(this, "YBEdit");
    EmailEdit = MakeEdit(this, "EmailEdit");
    WZEdit = MakeEdit(this, "WZEdit");
    KHHEdit = MakeEdit(this, "KHHEdit");
    ZHEdit = MakeEdit(this, "ZHEdit");
    SHEdit = MakeEdit(this, "SHEdit");
    RemarkEdit = MakeEdit(this, "RemarkEdit");
    layOut({{"供应商", GYSEdit, true},
            {"联系人", LXREdit},
            {"电话", PhoneEdit},
            {"传真", FaxEdit},
            {"邮编", YBEdit},
            {"地址", AddressEdit, true},
            {"Email", EmailEdit},
            {"网站", WZEdit},
            {"开户行", KHHEdit, true},
            {"帐号", ZHEdit},
            {"税号", SHEdit},
            {"备注", RemarkEdit, true}},
           GYSEdit);
}
