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
    GuardedConnect(Button1, &QPushButton::clicked, this, m_ctx, &TLogForm::Button1Click);
    GuardedConnect(Button2, &QPushButton::clicked, this, m_ctx, &TLogForm::Button2Click);
    // Without a connection the list stays empty; the operator can still type a name.
    RunGuarded(m_ctx, this, [this] { FillUserCombo(); });
    Edit1->clear();
}

void TLogForm::FillUserCombo()
{
    ComboBox1->clear();
    for (const QString& name : UserNames(m_ctx.db())) {
        ComboBox1->addItem(name);
        ComboBox1->setItemData(ComboBox1->count() - 1, name, Qt::ToolTipRole);
    }
    ComboBox1->setCurrentIndex(-1);  // the operator picks or types a name
}

void TLogForm::LoadLoginUser(const QString& UserName)
{
    GetUser(m_ctx.db(), UserName, m_ctx.LoginUser);
    m_ctx.db().setOperator(m_ctx.LoginUser.UserName);
}

void TLogForm::Button1Click()
{
    const QString name = ComboBox1->currentText().trimmed();
    const QString password = Edit1->text();
    if (name.isEmpty()) {
        m_ctx.prompts->message(this, QStringLiteral("请输入或选择用户名!"));
        ComboBox1->setFocus();
        return;
    }
    if (password.isEmpty()) {
        m_ctx.prompts->message(this, QStringLiteral("请输入密码!"));
        Edit1->setFocus();
        return;
    }
    if (CheckUser(m_ctx.db(), name, password)) {
        LoadLoginUser(name);
        accept();
        return;
    }
    ++m_failed;
    m_ctx.prompts->message(this, QStringLiteral("用户名或密码输入错误,请重新输入，错误三次后系统将自动退出!"));
    Edit1->selectAll();
    Edit1->setFocus();
    if (m_failed >= MaxFailedAttempts)
        reject();
}

void TLogForm::Button2Click()
{
    reject();
}
