#include "LogForm.h"

#include "AppContext.h"
#include "GuardedConnect.h"
#include "UserStore.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int MaxFailedAttempts = 3;

}  // namespace

TLogForm::TLogForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    GuardedConnect(loginButton, &QPushButton::clicked, this, m_ctx, &TLogForm::loginButtonClick);
    GuardedConnect(exitButton, &QPushButton::clicked, this, m_ctx, &TLogForm::exitButtonClick);
    // Without a connection the list stays empty; the operator can still type a name.
    RunGuarded(m_ctx, this, [this] { FillUserCombo(); });
    passwordEdit->clear();
}

void TLogForm::FillUserCombo()
{
    userBox->clear();
    for (const QString& name : UserNames(m_ctx.db())) {
        userBox->addItem(name);
        userBox->setItemData(userBox->count() - 1, name, Qt::ToolTipRole);
    }
    userBox->setCurrentIndex(-1);  // the operator picks or types a name
}

void TLogForm::LoadLoginUser(const QString& UserName)
{
    GetUser(m_ctx.db(), UserName, m_ctx.LoginUser);
    m_ctx.db().setOperator(m_ctx.LoginUser.UserName);
}

void TLogForm::loginButtonClick()
{
    const QString name = userBox->currentText().trimmed();
    const QString password = passwordEdit->text();
    if (name.isEmpty()) {
        m_ctx.prompts->message(this, QStringLiteral("请输入或选择用户名!"));
        userBox->setFocus();
        return;
    }
    if (password.isEmpty()) {
        m_ctx.prompts->message(this, QStringLiteral("请输入密码!"));
        passwordEdit->setFocus();
        return;
    }
    if (CheckUser(m_ctx.db(), name, password)) {
        LoadLoginUser(name);
        accept();
        return;
    }
    ++m_failed;
    m_ctx.prompts->message(this, QStringLiteral("用户名或密码输入错误,请重新输入，错误三次后系统将自动退出!"));
    passwordEdit->selectAll();
    passwordEdit->setFocus();
    if (m_failed >= MaxFailedAttempts)
        reject();
}

void TLogForm::exitButtonClick()
{
    reject();
}
