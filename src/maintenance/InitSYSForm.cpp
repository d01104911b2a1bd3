#include "InitSYSForm.h"

#include "AppContext.h"
#include "ExitBackup.h"
#include "GuardedConnect.h"
#include "BackgroundWork.h"

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
    QVector<InitGroup> groups;
    QString question = QStringLiteral("确定要清空所选的项目数据吗");
    for (const auto& [group, box] : boxes())
        if (box->isChecked()) {
            question += (groups.isEmpty() ? QStringLiteral("\n\n将被清空的数据:\n") : QStringLiteral("\n")) + box->text();
            groups.append(group);
        }
    if (!groups.isEmpty())
        question += QStringLiteral("\n\n清空前将自动备份数据库。");
    if (!m_ctx.prompts->warningQuestion(this, question))
        return;
    // Nothing chosen changes nothing, and needs no backup.
    const QString backup = groups.isEmpty() ? QString() : BackupBeforeChange(m_ctx, this);
    RunMaintenance(m_ctx, this, QStringLiteral("正在清除数据..."),
                   [&](Database& db, const Progress& progress) { InitSYS(db, groups, progress); });
    m_ctx.prompts->message(this, backup.isEmpty() ? QStringLiteral("数据清除完成!")
                                                  : QStringLiteral("数据清除完成!\n") + BackupBeforeChangeText(backup));
    SetAll(false);
}
