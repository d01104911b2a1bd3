#include "KeHuEditForm.h"

#include "AppContext.h"
#include "KeHuStore.h"
#include "NameText.h"

#include <QLineEdit>

TKeHuEditForm::TKeHuEditForm(AppContext& context, QWidget* parent)
    : TContactEditForm(context, parent, "KeHuEditForm", QStringLiteral("返回"))
{
    setupUi();
}

void TKeHuEditForm::fill(const TKeHu& k)
{
    KHEdit->setText(k.KeHu);
    LXREdit->setText(k.LXR);
    PhoneEdit->setText(k.phone);
    FaxEdit->setText(k.FAX);
    EmailEdit->setText(k.Email);
    AddressEdit->setText(k.address);
    RemarkEdit->setText(k.Remark);
    YBEdit->setText(k.yb);
}

void TKeHuEditForm::SetKeHuAddMode()
{
    setMode(EditMode::Add);
    fill(TKeHu{});
}

void TKeHuEditForm::SetKeHuEditMode(const TKeHu& k)
{
    setMode(EditMode::Edit, k.KeHu);
    fill(k);
}

void TKeHuEditForm::OKButtonClick()
{
    TKeHu k;
    k.KeHu = NameText(KHEdit->text());
    k.LXR = LXREdit->text().trimmed();
    k.phone = PhoneEdit->text().trimmed();
    k.FAX = FaxEdit->text().trimmed();
    k.address = AddressEdit->text().trimmed();
    k.Email = EmailEdit->text().trimmed();
    k.Remark = RemarkEdit->text().trimmed();
    k.yb = YBEdit->text().trimmed();
    if (k.KeHu.isEmpty())
        return refuse(QStringLiteral("请输入客户名称!"), KHEdit, true);
    if (k.phone.isEmpty())
        return refuse(QStringLiteral("请输入客户电话!"), PhoneEdit);
    Database& db = m_ctx.db();
    if (mode() == EditMode::Add) {
        if (KeHuExists(db, k.KeHu))
            return refuse(QStringLiteral("系统中已存在该客户信息,不能重复添加!"));
        InsertKeHu(db, k);
    } else {
        if (k.KeHu != oldName() && KeHuExists(db, k.KeHu))
            return refuse(QStringLiteral("系统中已存在该客户信息,不能将姓名改为此姓名!"));
        UpdateKeHu(db, oldName(), k);
    }
    accept();
}
