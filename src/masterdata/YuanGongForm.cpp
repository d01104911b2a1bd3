#include "YuanGongForm.h"

#include "AppContext.h"
#include "ContactColumns.h"
#include "YuanGongEditForm.h"
#include "YuanGongStore.h"

TYuanGongForm::TYuanGongForm(AppContext& context, QWidget* parent)
    : TContactListForm(context, parent,
                       {"YuanGongForm", QStringLiteral("员工设置"), QStringLiteral("员工"),
                        YuanGongColumns(),
                        4,
                        false})
{
    List();
}

RowSet TYuanGongForm::rows()
{
    return YuanGongRows(m_ctx.db());
}

void TYuanGongForm::runEditor(const QStringList* row)
{
    TYuanGongEditForm dialog(m_ctx, this);
    if (row) {
        const QStringList& r = *row;  // name, sex, age, phone, address, identity number, date, remark
        TYuanGong y;
        y.Name = r[1];
        y.Sex = r[2];
        y.Age = r[3];
        y.Phone = r[4];
        y.Address = r[5];
        y.ID = r[6];
        y.InDate = QDate::fromString(r[7], Qt::ISODate);
        y.Remark = r[8];
        dialog.SetYuanGongEditMode(y);
    } else {
        dialog.SetYuanGongAddMode();
    }
    dialog.exec();
}

void TYuanGongForm::remove(const QString& name)
{
    DeleteYuanGong(m_ctx.db(), name);
}
