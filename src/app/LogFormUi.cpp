// Layout of the login window.
#include "LogForm.h"

#include "WindowParts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

void TLogForm::setupUi()
{
    setObjectName(QStringLiteral("LogForm"));
    setWindowTitle(QStringLiteral("登录"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);

    userBox = new QComboBox(this);
    userBox->setObjectName(QStringLiteral("ComboBox1"));
    userBox->setEditable(true);
    userBox->setInsertPolicy(QComboBox::NoInsert);
    userBox->setCompleter(nullptr);  // a typed name is never completed into another user's
    // The window keeps its size whatever the names: long ones are elided in the list (the whole
    // name is the item's tooltip).
    userBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    userBox->setMinimumContentsLength(16);
    userBox->setMinimumWidth(200);
    userBox->view()->setTextElideMode(Qt::ElideMiddle);

    passwordEdit = MakeEdit(this, "Edit1", true);

    loginButton = MakeButton(this, "Button1", QStringLiteral("登录"));
    loginButton->setDefault(true);
    loginButton->setAutoDefault(true);
    exitButton = MakeButton(this, "Button2", QStringLiteral("退出"));

    hintBox = new QGroupBox(QStringLiteral("提示"), this);
    hintBox->setObjectName(QStringLiteral("GroupBox1"));
    auto* hints = new QVBoxLayout(hintBox);
    hints->addWidget(new QLabel(QStringLiteral("系统管理员初始密码为'793'"), hintBox));
    hints->addWidget(new QLabel(QStringLiteral("请在登录后进行修改。"), hintBox));

    auto* fields = new QFormLayout;
    fields->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(12);
    fields->addRow(QStringLiteral("用户名"), userBox);
    fields->addRow(QStringLiteral("密码"), passwordEdit);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(24, 20, 24, 16);
    top->setSpacing(14);
    top->addLayout(fields);
    top->addLayout(ButtonRow({loginButton, exitButton}));
    top->addWidget(hintBox);
    top->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(userBox, passwordEdit);
    setTabOrder(passwordEdit, loginButton);
    setTabOrder(loginButton, exitButton);
}
