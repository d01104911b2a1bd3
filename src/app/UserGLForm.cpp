#include "UserGLForm.h"

#include "AppContext.h"
#include "GuardedConnect.h"
#include "Schema.h"
#include "StringGrid.h"
#include "UserGLPages.h"
#include "UserStore.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

QString Quoted(const QString& name)
{
    return u'"' + name + u'"';
}

}  // namespace

TUserGLForm::TUserGLForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    GuardedConnect(AddButton, &QPushButton::clicked, this, m_ctx, &TUserGLForm::AddButtonClick);
    GuardedConnect(EditButton, &QPushButton::clicked, this, m_ctx, &TUserGLForm::EditButtonClick);
    GuardedConnect(DelButton, &QPushButton::clicked, this, m_ctx, &TUserGLForm::DelButtonClick);
    GuardedConnect(SaveButton, &QPushButton::clicked, this, m_ctx, &TUserGLForm::SaveButtonClick);
    GuardedConnect(CancelButton, &QPushButton::clicked, this, m_ctx, &TUserGLForm::CancelButtonClick);
    GuardedConnect(EscButton, &QPushButton::clicked, this, m_ctx, &TUserGLForm::EscButtonClick);
    GuardedConnect(userGrid, &StringGrid::rowSelected, this, m_ctx, &TUserGLForm::userSelected);

    permissionTabs->setCurrentIndex(FirstShownPage);
    FillUserGrid();
    SetMode(EditMode::Browse);
    ShowUser();
}

void TUserGLForm::FillUserGrid()
{
    QVector<QStringList> rows;
    for (const QString& name : UserNames(m_ctx.db()))
        rows.append({name});
    userGrid->setDataRows(std::move(rows));
    userGrid->setRow(1);
}

QString TUserGLForm::currentName() const
{
    const int row = userGrid->row();
    return row > 0 ? userGrid->cell(0, row).trimmed() : QString();
}

void TUserGLForm::ShowUser()
{
    TUser user;
    GetUser(m_ctx.db(), currentName(), user);
    UserNameEdit->setText(user.UserName);
    UserPass1Edit->setText(user.UserPassword);
    UserPass2Edit->setText(user.UserPassword);
    for (const PermissionPage& page : PermissionPages)
        for (const PermissionBox& box : page.boxes)
            (this->*box.member)->setChecked(*user.flag(QLatin1String(box.flag)) == 1);
}

void TUserGLForm::SetMode(EditMode mode)
{
    m_mode = mode;
    const bool browsing = mode == EditMode::Browse;
    for (QWidget* w : std::initializer_list<QWidget*>{userGrid, AddButton, EditButton, DelButton})
        w->setEnabled(browsing);
    for (QWidget* w : std::initializer_list<QWidget*>{UserNameEdit, UserPass1Edit, UserPass2Edit, SaveButton,
                                                      CancelButton})
        w->setEnabled(!browsing);
    for (const PermissionPage& page : PermissionPages)
        for (const PermissionBox& box : page.boxes)
            (this->*box.member)->setEnabled(!browsing);
    if (mode == EditMode::Add) {
        UserNameEdit->clear();
        UserPass1Edit->clear();
        UserPass2Edit->clear();
        for (const PermissionPage& page : PermissionPages)
            for (const PermissionBox& box : page.boxes)
                (this->*box.member)->setChecked(false);
        UserNameEdit->setFocus();
    }
}

void TUserGLForm::userSelected()
{
    ShowUser();
}

void TUserGLForm::AddButtonClick()
{
    SetMode(EditMode::Add);
}

void TUserGLForm::EditButtonClick()
{
    if (currentName() == QString::fromUtf8(BuiltInAdministrator)) {
        m_ctx.prompts->message(this, Quoted(QString::fromUtf8(BuiltInAdministrator))
                                         + QStringLiteral("为系统内置用户,不能修改!"));
        return;
    }
    SetMode(EditMode::Edit);
}

void TUserGLForm::refuse(QLineEdit* box, const QString& text)
{
    m_ctx.prompts->message(this, text);
    box->setFocus();
    box->selectAll();
}

void TUserGLForm::SaveButtonClick()
{
    const QString name = UserNameEdit->text().trimmed();
    if (name.isEmpty())
        return refuse(UserNameEdit, QStringLiteral("请输入用户名!"));
    if (name.size() > UserNameMaxLength)
        return refuse(UserNameEdit, QStringLiteral("用户名称最多%1个字符，请改短一些!").arg(UserNameMaxLength));
    if (UserPass1Edit->text().isEmpty())
        return refuse(UserPass1Edit, QStringLiteral("请输入用户密码!"));
    if (UserPass2Edit->text().isEmpty())
        return refuse(UserPass2Edit, QStringLiteral("请再次输入用户密码!"));
    if (UserPass1Edit->text() != UserPass2Edit->text()) {
        m_ctx.prompts->message(this, QStringLiteral("两次输入密码不同，请重新输入用户密码!"));
        UserPass1Edit->clear();
        UserPass2Edit->clear();
        UserPass1Edit->setFocus();
        return;
    }
    // The user shown when editing began; a different name in the box renames that user.
    const QString previous = m_mode == EditMode::Edit ? currentName() : QString();
    if (UserNameTaken(m_ctx.db(), name, previous))
        return refuse(UserNameEdit, QStringLiteral("用户名称") + Quoted(name)
                                        + QStringLiteral("已存在,请输入其他用户名称!"));

    TUser user;
    user.UserName = name;
    user.UserPassword = UserPass1Edit->text();
    for (const PermissionPage& page : PermissionPages)
        for (const PermissionBox& box : page.boxes)
            *user.flag(QLatin1String(box.flag)) = (this->*box.member)->isChecked() ? 1 : 0;
    if (m_mode == EditMode::Add)
        InsertUser(m_ctx.db(), user);
    else
        UpdateUser(m_ctx.db(), previous, user);
    FillUserGrid();
    SetMode(EditMode::Browse);
    ShowUser();
}

void TUserGLForm::CancelButtonClick()
{
    SetMode(EditMode::Browse);
    ShowUser();
}

void TUserGLForm::DelButtonClick()
{
    const QString name = currentName();
    if (name == QString::fromUtf8(BuiltInAdministrator)) {
        m_ctx.prompts->message(this, Quoted(name) + QStringLiteral("为系统内置用户,不能删除!"));
        return;
    }
    if (name.isEmpty()
        || !m_ctx.prompts->warningQuestion(this, QStringLiteral("确定要删除用户") + Quoted(name) + QStringLiteral("吗?")))
        return;
    DeleteUser(m_ctx.db(), name);
    FillUserGrid();
    SetMode(EditMode::Browse);
    ShowUser();
}

void TUserGLForm::EscButtonClick()
{
    close();
}
