#include "GongYingShangForm.h"

#include "AppContext.h"
#include "ContactColumns.h"
#include "GongYingShangEditForm.h"
#include "GongYingShangStore.h"

TGongYingShangForm::TGongYingShangForm(AppContext& context, QWidget* parent)
    : TContactListForm(context, parent,
                       {"GongYingShangForm", QStringLiteral("供应商设置"), QStringLiteral("供应商"),
                        GYSColumns(),
                        3,
                        true})
{
    List();
}

RowSet TGongYingShangForm::rows()
{
    return GYSRows(m_ctx.db());
}

void TGongYingShangForm::runEditor(const QStringList* row)
{
    TGongYingShangEditForm dialog(m_ctx, this);
    if (row) {
        const QStringList& r = *row;  // the twelve columns in the order of the record
        dialog.SetGYSEditMode(TGongYingShang{r[1], r[2], r[3], r[4], r[5], r[6], r[7], r[8], r[9], r[10], r[11], r[12]});
    } else {
        dialog.SetGYSAddMode();
    }
    dialog.exec();
}

void TGongYingShangForm::remove(const QString& name)
{
    DeleteGYS(m_ctx.db(), name);
}
