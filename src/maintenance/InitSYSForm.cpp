#include "InitSYSForm.h"

#include "AppContext.h"
#include "GuardedConnect.h"
#include "ProgressWindow.h"

#include <QCheckBox>
#include <QPushButton>

TInitSYSForm::TInitSYSForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    GuardedConnect(SetAllButton, &QPushButton::clicked, this, m_ctx, &TInitSYSForm::SetAllButtonClick);
    GuardedConnect(ClearButton, &QPushButton::clicked, this, m_ctx, QStringLiteral("系统初始化"), &TInitSYSForm::ClearButtonClick);
    connect(EscButton, &QPushButton::clicked, this, &QDialog::close);
    SetAll(false);
}

QVector<std::pair<InitGroup, QCheckBox*>> TInitSYSForm::boxes() const
{
    return {{InitGroup::XS, XSCheckBox},   {InitGroup::CG, CGCheckBox},   {InitGroup::SP, SPCheckBox},
            {InitGroup::GYS, GYSCheckBox}, {InitGroup::YG, YGCheckBox},   {InitGroup::KH, KHCheckBox},
            {InitGroup::SZI, SZICheckBox}, {InitGroup::SZ, SZCheckBox},   {InitGroup::JQ, JQCheckBox},
            {InitGroup::User, UserCheckBox}};
}

void TInitSYSForm::SetAll(bool checked)
{
    for (const auto& [group, box] : boxes())
        box->setChecked(checked);
}

void TInitSYSForm::SetAllButtonClick()
{
    SetAll(true);
}

void TInitSYSForm::ClearButtonClick()
{
    if (!m_ctx.prompts->question(this, QStringLiteral("确定要清空所选的项目数据吗")))
        return;
    QVector<InitGroup> groups;
    for (const auto& [group, box] : boxes())
        if (box->isChecked())
            groups.append(group);
    {
        ProgressWindow progress(this, QStringLiteral("正在清除数据..."));
        InitSYS(m_ctx.db(), groups, progress.progress());
    }
    m_ctx.prompts->message(this, QStringLiteral("数据清除完成!"));
    SetAll(false);
}
