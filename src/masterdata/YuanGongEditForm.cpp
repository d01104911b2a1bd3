#include "YuanGongEditForm.h"

#include "AppContext.h"
#include "NameText.h"
#include "ScreenHelpers.h"
#include "YuanGongStore.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

TYuanGongEditForm::TYuanGongEditForm(AppContext& context, QWidget* parent)
    : TContactEditForm(context, parent, "YuanGongEditForm", QStringLiteral("取消"))
{
    setupUi();
}

void TYuanGongEditForm::SetYuanGongAddMode()
{
    setMode(EditMode::Add);
    for (QLineEdit* e : {NameEdit, AgeEdit, IDEdit, AddressEdit, PhoneEdit, RemarkEdit})
        e->clear();
    SexComboBox->setCurrentIndex(0);
    DateDateTimePicker->setDate(m_ctx.today());
}

void TYuanGongEditForm::SetYuanGongEditMode(const TYuanGong& y)
{
    setMode(EditMode::Edit, y.Name);
    NameEdit->setText(y.Name);
    SexComboBox->setCurrentIndex(ComboIndexOf(*SexComboBox, y.Sex));
    AgeEdit->setText(y.Age);
    IDEdit->setText(y.ID);
    AddressEdit->setText(y.Address);
    PhoneEdit->setText(y.Phone);
    DateDateTimePicker->setDate(y.InDate.isValid() ? y.InDate : m_ctx.today());
    RemarkEdit->setText(y.Remark);
}

void TYuanGongEditForm::OKButtonClick()
{
    TYuanGong y;
    y.Name = NameText(NameEdit->text());
    y.Sex = SexComboBox->currentText();
    y.Age = AgeEdit->text().trimmed();
    y.ID = IDEdit->text().trimmed();
    y.Address = AddressEdit->text().trimmed();
    y.Phone = PhoneEdit->text().trimmed();
    y.InDate = DateDateTimePicker->date();
    y.Remark = RemarkEdit->text().trimmed();
    if (y.Name.isEmpty())
        return refuse(QStringLiteral("请输入员工姓名!"), NameEdit, true);
    if (y.Sex != QStringLiteral("女") && y.Sex != QStringLiteral("男"))
        return refuse(QStringLiteral("请选择员工性别!"), SexComboBox);
    if (y.Phone.isEmpty())
        return refuse(QStringLiteral("请输入员工电话!"), PhoneEdit);
    Database& db = m_ctx.db();
    if (mode() == EditMode::Add) {
        if (YuanGongExists(db, y.Name))
            return refuse(QStringLiteral("系统中已存在该员工信息,不能重复添加!"));
        InsertYuanGong(db, y);
    } else {
        if (y.Name != oldName() && YuanGongExists(db, y.Name))
            return refuse(QStringLiteral("系统中已存在该员工信息,不能将姓名改为此姓名!"));
        UpdateYuanGong(db, oldName(), y);
    }
    accept();
}
