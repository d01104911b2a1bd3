#include "ZLSetYYSZForm.h"

#include "AppContext.h"
#include "GuardedConnect.h"
#include "NameText.h"
#include "ShouZhiStore.h"
#include "StringGrid.h"

#include <QLineEdit>
#include <QPushButton>

TZLSetYYSZForm::TZLSetYYSZForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    GuardedConnect(AddButton, &QPushButton::clicked, this, m_ctx, &TZLSetYYSZForm::AddButtonClick);
    GuardedConnect(DelButton, &QPushButton::clicked, this, m_ctx, &TZLSetYYSZForm::DelButtonClick);
    GuardedConnect(EscButton, &QPushButton::clicked, this, m_ctx, &QDialog::reject);
    itemEdit->clear();
    ListBaseShouZhi();
    itemEdit->setFocus();
}

void TZLSetYYSZForm::ListBaseShouZhi()
{
    QVector<QStringList> rows;
    for (const QString& item : ShouZhiItems(m_ctx.db()))
        rows.append({item});
    itemGrid->setDataRows(std::move(rows));
    itemGrid->setRow(1);
}

void TZLSetYYSZForm::AddButtonClick()
{
    const QString name = NameText(itemEdit->text());
    if (name.isEmpty()) {
        m_ctx.prompts->message(this, QStringLiteral("请输入要添加的收支项目!"));
    } else if (BaseShouZhiExists(m_ctx.db(), name)) {
        m_ctx.prompts->message(this, QStringLiteral("列表已存在该收支项目,不能重复添加!"));
    } else {
        InsertBaseShouZhi(m_ctx.db(), name);
        itemEdit->clear();
        ListBaseShouZhi();
    }
    itemEdit->setFocus();
    itemEdit->selectAll();
}

void TZLSetYYSZForm::DelButtonClick()
{
    const int r = itemGrid->row();
    const QString item = r > 0 ? itemGrid->cell(0, r) : QString();
    if (item.isEmpty()
        || !m_ctx.prompts->warningQuestion(this, QStringLiteral("确定要删除收支项目\"") + item + QStringLiteral("\"吗?")))
        return;
    DeleteBaseShouZhi(m_ctx.db(), item);
    ListBaseShouZhi();
}
