#include "KeHuForm.h"

#include "AppContext.h"
#include "KeHuEditForm.h"
#include "KeHuStore.h"

TKeHuForm::TKeHuForm(AppContext& context, QWidget* parent)
    : TContactListForm(context, parent,
                       {"KeHuForm", QStringLiteral("客户设置"), QStringLiteral("客户"),
                        {{QStringLiteral("客户"), 100, QStringLiteral("KeHu")},
                         {QStringLiteral("联系人"), 80, QStringLiteral("LXR")},
                         {QStringLiteral("电话"), 80, QStringLiteral("phone")},
                         {QStringLiteral("传真"), 80, QStringLiteral("FAX")},
                         {QStringLiteral("地址"), 120, QStringLiteral("address")},
                         {QStringLiteral("邮编"), 80, QStringLiteral("yb")},
                         {QStringLiteral("Email"), 80, QStringLiteral("Email")},
                         {QStringLiteral("备注"), 120, QStringLiteral("Remark")}},
                        3,
                        true})
{
    List();
}

RowSet TKeHuForm::rows()
{
    return KeHuRows(m_ctx.db());
}

void TKeHuForm::runEditor(const QStringList* row)
{
    TKeHuEditForm dialog(m_ctx, this);
    if (row) {
        const QStringList& r = *row;  // name, contact, phone, fax, address, postcode, email, remark
        TKeHu k;
        k.KeHu = r[1];
        k.LXR = r[2];
        k.phone = r[3];
        k.FAX = r[4];
        k.address = r[5];
        k.yb = r[6];
        k.Email = r[7];
        k.Remark = r[8];
        dialog.SetKeHuEditMode(k);
    } else {
        dialog.SetKeHuAddMode();
    }
    dialog.exec();
}

void TKeHuForm::remove(const QString& name)
{
    DeleteKeHu(m_ctx.db(), name);
}
