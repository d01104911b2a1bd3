// Layout of the login window.
#include "LogForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

void TLogForm::setupUi()
{
    setObjectName(QStringLiteral("LogForm"));
    setWindowTitle(QStringLiteral("登录"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setMinimumWidth(200);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setEchoMode(QLineEdit::Password);

    Button1 = new QPushButton(QStringLiteral("登录"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button1->setAutoDefault(true);
    Button2 = new QPushButton(QStringLiteral("退出"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);

    GroupBox1 = new QGroupBox(QStringLiteral("提示"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* hints = new QVBoxLayout(GroupBox1);
    hints->addWidget(new QLabel(QStringLiteral("系统管理员初始密码为'793'"), GroupBox1));
    hints->addWidget(new QLabel(QStringLiteral("请在登录后进行修改。"), GroupBox1));

    auto* fields = new QFormLayout;
    fields->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(12);
    fields->addRow(QStringLiteral("用户名"), ComboBox1);
    fields->addRow(QStringLiteral("密码"), Edit1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(24, 20, 24, 16);
    top->setSpacing(14);
    top->addLayout(fields);
    top->addLayout(buttons);
    top->addWidget(GroupBox1);
    top->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(ComboBox1, Edit1);
    setTabOrder(Edit1, Button1);
    setTabOrder(Button1, Button2);
}
