#include "GongYingShangEditForm.h"

#include "AppContext.h"
#include "GongYingShangStore.h"
#include "NameText.h"

#include <QLineEdit>

TGongYingShangEditForm::TGongYingShangEditForm(AppContext& context, QWidget* parent)
    : TContactEditForm(context, parent, "GongYingShangEditForm", QStringLiteral("返回"))
{
    setupUi();
}

void TGongYingShangEditForm::fill(const TGongYingShang& g)
{
    GYSEdit->setText(g.GYS);
    LXREdit->setText(g.LXR);
    PhoneEdit->setText(g.phone);
    FaxEdit->setText(g.FAX);
    AddressEdit->setText(g.address);
    YBEdit->setText(g.YB);
    EmailEdit->setText(g.Email);
    WZEdit->setText(g.WZ);
    KHHEdit->setText(g.KHH);
    ZHEdit->setText(g.ZH);
    SHEdit->setText(g.SH);
    RemarkEdit->setText(g.Remark);
}

void TGongYingShangEditForm::SetGYSAddMode()
{
    setMode(EditMode::Add);
    fill(TGongYingShang{});
}

void TGongYingShangEditForm::SetGYSEditMode(const TGongYingShang& g)
{
    setMode(EditMode::Edit, g.GYS);
    fill(g);
}

void TGongYingShangEditForm::OKButtonClick()
{
    TGongYingShang g;
    g.GYS = NameText(GYSEdit->text());
    g.LXR = LXREdit->text().trimmed();
    g.phone = PhoneEdit->text().trimmed();
    g.FAX = FaxEdit->text().trimmed();
    g.address = AddressEdit->text().trimmed();
    g.YB = YBEdit->text().trimmed();
    g.Email = EmailEdit->text().trimmed();
    g.WZ = WZEdit->text().trimmed();
    g.KHH = KHHEdit->text().trimmed();
    g.ZH = ZHEdit->text().trimmed();
    g.SH = SHEdit->text().trimmed();
    g.Remark = RemarkEdit->text().trimmed();
    if (g.GYS.isEmpty())
        return refuse(QStringLiteral("请输入供应商名称!"), GYSEdit, true);
    if (g.LXR.isEmpty())
        return refuse(QStringLiteral("请输入联系人!"), LXREdit, true);
    if (g.phone.isEmpty())
        return refuse(QStringLiteral("请输入联系电话!"), PhoneEdit, true);
    Database& db = m_ctx.db();
    if (mode() == EditMode::Add) {
        if (GYSExists(db, g.GYS))
            return refuse(QStringLiteral("系统中已存在该供应商信息,不能重复添加!"), GYSEdit, true);
        InsertGYS(db, g);
    } else {
        if (g.GYS != oldName() && GYSExists(db, g.GYS))
            return refuse(QStringLiteral("系统中已存在该供应商信息,不能将供应商改为此名称!"), GYSEdit, true);
        UpdateGYS(db, oldName(), g);
    }
    accept();
}
