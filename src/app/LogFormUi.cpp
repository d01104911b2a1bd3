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

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setCompleter(nullptr);  // a typed name is never completed into another user's
    // The window keeps its size whatever the names: long ones are elided in the list (the whole
    // name is the item's tooltip).
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox1->setMinimumContentsLength(16);
    ComboBox1->setMinimumWidth(200);
    ComboBox1->view()->setTextElideMode(Qt::ElideMiddle);

    Edit1 = MakeEdit(this, "Edit1", true);

    Button1 = MakeButton(this, "Button1", QStringLiteral("登录"));
    Button1->setDefault(true);
    Button1->setAutoDefault(true);
    Button2 = MakeButton(this, "Button2", QStringLiteral("退出"));

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

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(24, 20, 24, 16);
    top->setSpacing(14);
    top->addLayout(fields);
    top->addLayout(ButtonRow({Button1, Button2}));
    top->addWidget(GroupBox1);
    top->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(ComboBox1, Edit1);
    setTabOrder(Edit1, Button1);
    setTabOrder(Button1, Button2);
}
