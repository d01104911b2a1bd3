// Layout of the password window.
#include "UpPassForm.h"

#include "WindowParts.h"

#include <QFormLayout>
#include <QVBoxLayout>

void TUpPassForm::setupUi()
{
    setObjectName(QStringLiteral("UpPassForm"));
    setWindowTitle(QStringLiteral("修改个人密码"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);

    const auto edit = [this](const char* name, bool password) {
        auto* e = MakeEdit(this, name, password);
        e->setMinimumWidth(200);
        return e;
    };
    UserEdit = edit("UserEdit", false);
    UserEdit->setEnabled(false);
    OldPassEdit = edit("OldPassEdit", true);
    NewPass1Edit = edit("NewPass1Edit", true);
    NewPass2Edit = edit("NewPass2Edit", true);

    auto* fields = new QFormLayout;
    fields->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fields->setVerticalSpacing(12);
    fields->addRow(QStringLiteral("用户名"), UserEdit);
    fields->addRow(QStringLiteral("原密码"), OldPassEdit);
    fields->addRow(QStringLiteral("新密码"), NewPass1Edit);
    fields->addRow(QStringLiteral("确认新密码"), NewPass2Edit);

    OKButton = MakeButton(this, "OKButton", QStringLiteral("确定"));
    OKButton->setDefault(true);
    EscButton = MakeButton(this, "EscButton", QStringLiteral("退出"));

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(24, 20, 24, 16);
    top->setSpacing(16);
    top->addLayout(fields);
    top->addLayout(ButtonRow({OKButton, EscButton}));
    top->setSizeConstraint(QLayout::SetFixedSize);
}
