#include "UpPassForm.h"

#include "AppContext.h"
#include "GuardedConnect.h"
#include "UserStore.h"

#include <QLineEdit>
#include <QPushButton>

TUpPassForm::TUpPassForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    GuardedConnect(OKButton, &QPushButton::clicked, this, m_ctx, &TUpPassForm::OKButtonClick);
    GuardedConnect(EscButton, &QPushButton::clicked, this, m_ctx, &TUpPassForm::EscButtonClick);
    UserEdit->setText(m_ctx.LoginUser.UserName);
}

void TUpPassForm::OKButtonClick()
{
    const auto refuse = [this](QLineEdit* box, const char* text) {
        m_ctx.prompts->message(this, QString::fromUtf8(text));
        box->setFocus();
    };
    if (OldPassEdit->text().isEmpty())
        return refuse(OldPassEdit, "请输入原密码!");
    if (NewPass1Edit->text().isEmpty())
        return refuse(NewPass1Edit, "请输入新密码！");
    if (NewPass2Edit->text().isEmpty())
        return refuse(NewPass2Edit, "请再次输入新密码！");
    // Letter case counts here, although signing in ignores it.
    if (OldPassEdit->text() != m_ctx.LoginUser.UserPassword) {
        refuse(OldPassEdit, "原密码输入错误,请重新输入!");
        OldPassEdit->selectAll();
        return;
    }
    if (NewPass1Edit->text() != NewPass2Edit->text()) {
        m_ctx.prompts->message(this, QStringLiteral("两次输入的新密码不同,请重新输入!"));
        NewPass1Edit->clear();
        NewPass2Edit->clear();
        NewPass1Edit->setFocus();
        return;
    }
    if (!UpdatePassword(m_ctx.db(), m_ctx.LoginUser.UserName, NewPass1Edit->text())) {
        m_ctx.prompts->message(
            this, QStringLiteral("密码修改失败:用户\"%1\"已不存在!").arg(m_ctx.LoginUser.UserName));
        return;
    }
    m_ctx.LoginUser.UserPassword = NewPass1Edit->text();
    m_ctx.prompts->message(this, QStringLiteral("密码修改成功!"));
    accept();
}

void TUpPassForm::EscButtonClick()
{
    reject();
}
