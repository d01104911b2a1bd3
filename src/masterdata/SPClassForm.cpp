#include "SPClassForm.h"

#include "AppContext.h"
#include "CPTypeStore.h"
#include "GridFilter.h"
#include "GuardedConnect.h"
#include "Keyboard.h"
#include "NameText.h"
#include "StringGrid.h"

#include <QLineEdit>
#include <QPushButton>

TSPClassForm::TSPClassForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    m_filter = new GridFilter(classGrid, FilterEdit, {1}, this);
    m_filter->setSelectLast(true);
    EnterMovesFocus(FilterEdit, classGrid);
    GuardedConnect(AddButton, &QPushButton::clicked, this, m_ctx, &TSPClassForm::AddButtonClick);
    GuardedConnect(EditButton, &QPushButton::clicked, this, m_ctx, &TSPClassForm::EditButtonClick);
    GuardedConnect(DelButton, &QPushButton::clicked, this, m_ctx, &TSPClassForm::DelButtonClick);
    GuardedConnect(ExitButton, &QPushButton::clicked, this, m_ctx, &TSPClassForm::ExitButtonClick);
    ListCPType();
}

// Every class in column 1, the last one selected.
void TSPClassForm::ListCPType()
{
    QVector<QStringList> rows;
    for (const QString& name : CPTypeNames(m_ctx.db()))
        rows.append({QString(), name});
    m_filter->setRows(std::move(rows));
}

QString TSPClassForm::selectedName() const
{
    const int row = classGrid->row();
    return row > 0 ? classGrid->cell(1, row) : QString();
}

void TSPClassForm::AddButtonClick()
{
    TSPClassEditForm form(m_ctx, this);
    form.SetCPTypeAddMode();
    form.exec();
    ListCPType();
}

void TSPClassForm::EditButtonClick()
{
    TSPClassEditForm form(m_ctx, this);
    form.SetCPTypeEditMode(selectedName());
    form.exec();
    ListCPType();
}

void TSPClassForm::DelButtonClick()
{
    const QString name = selectedName();
    if (name.isEmpty())
        return m_ctx.prompts->message(this, QStringLiteral("请选择要删除的产品分类名称!"));
    // One line per clause: the box wraps a long line, which left the last characters alone.
    if (!m_ctx.prompts->warningQuestion(this, QStringLiteral("确定要删除产品分类\"") + name
                                                  + QStringLiteral("\"吗?\n\r删除后系统将该分类下的产品归属到\"未定义类\",\n"
                                                                   "可在<商品配置>中对产品分类进行修改!")))
        return;
    DeleteCPType(m_ctx.db(), name);
    ListCPType();
}

void TSPClassForm::ExitButtonClick()
{
    close();
}

TSPClassEditForm::TSPClassEditForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    GuardedConnect(OKButton, &QPushButton::clicked, this, m_ctx, &TSPClassEditForm::OKButtonClick);
    GuardedConnect(EscButton, &QPushButton::clicked, this, m_ctx, &QDialog::reject);
}

void TSPClassEditForm::SetCPTypeAddMode()
{
    m_mode = EditMode::Add;
    setWindowTitle(QStringLiteral("添加"));
    SPClassEdit->clear();
}

void TSPClassEditForm::SetCPTypeEditMode(const QString& name)
{
    m_mode = EditMode::Edit;
    setWindowTitle(QStringLiteral("修改"));
    m_oldName = name;
    SPClassEdit->setText(name);
}

void TSPClassEditForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SPClassEdit->setFocus();
    if (m_mode == EditMode::Edit)
        SPClassEdit->selectAll();
}

void TSPClassEditForm::refuse(const QString& text)
{
    m_ctx.prompts->message(this, text);
    SPClassEdit->setFocus();
    SPClassEdit->selectAll();
}

void TSPClassEditForm::OKButtonClick()
{
    const QString name = NameText(SPClassEdit->text());
    if (name.isEmpty())
        return refuse(QStringLiteral("请输入产品类型名称!"));
    if (m_mode == EditMode::Add) {
        if (CPTypeExists(m_ctx.db(), name))
            return refuse(QStringLiteral("系统中已存在该产品类型,不能重复添加!"));
        InsertCPType(m_ctx.db(), name);
    } else {
        if (name != m_oldName && CPTypeExists(m_ctx.db(), name))
            return m_ctx.prompts->message(this, QStringLiteral("系统中已存在该产品类型,不能改为此名称!"));
        RenameCPType(m_ctx.db(), m_oldName, name);
    }
    accept();
}
