#include "KeHuForm.h"

#include "AppContext.h"
#include "ContactColumns.h"
#include "KeHuEditForm.h"
#include "KeHuStore.h"

TKeHuForm::TKeHuForm(AppContext& context, QWidget* parent)
    : TContactListForm(context, parent,
                       {"KeHuForm", QStringLiteral("客户设置"), QStringLiteral("客户"),
                        KeHuColumns(),
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
