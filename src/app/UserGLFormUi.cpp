// Layout of the user window.
#include "UserGLForm.h"

#include "PermissionCaptions.h"
#include "ScreenHelpers.h"
#include "StringGrid.h"
#include "UserGLPages.h"
#include "WindowParts.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTabWidget>
#include <QVBoxLayout>

void TUserGLForm::setupUi()
{
    setObjectName(QStringLiteral("UserGLForm"));
    setWindowTitle(QStringLiteral("用户管理"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    userGrid = new StringGrid(this);
    userGrid->setObjectName(QStringLiteral("StringGrid1"));
    userGrid->setFixedCols(0);
    userGrid->setColCount(1);
    userGrid->setHeader({QStringLiteral("用户列表")});
    userGrid->setColWidth(0, 150);
    userGrid->verticalHeader()->hide();
    userGrid->verticalHeader()->setDefaultSectionSize(std::max(15, fontMetrics().height() + 4));
    userGrid->setAlternatingRowColors(false);
    userGrid->setFixedWidth(150 + 2 * userGrid->frameWidth());

    accountBox = new QGroupBox(QStringLiteral("添加/修改"), this);
    accountBox->setObjectName(QStringLiteral("GroupBox1"));
    UserNameEdit = MakeEdit(accountBox, "UserNameEdit");
    LimitLength(UserNameEdit, UserNameMaxLength);
    UserPass1Edit = MakeEdit(accountBox, "UserPass1Edit", true);
    UserPass2Edit = MakeEdit(accountBox, "UserPass2Edit", true);
    auto* fields = new QFormLayout;
    fields->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fields->addRow(QStringLiteral("用户名称"), UserNameEdit);
    fields->addRow(QStringLiteral("密码"), UserPass1Edit);
    fields->addRow(QStringLiteral("再次输入密码"), UserPass2Edit);

    permissionBox = new QGroupBox(QStringLiteral("用户权限"), accountBox);
    permissionBox->setObjectName(QStringLiteral("GroupBox2"));
    permissionTabs = new QTabWidget(permissionBox);
    permissionTabs->setObjectName(QStringLiteral("PageControl1"));
    for (const PermissionPage& page : PermissionPages) {
        auto* sheet = new QWidget(permissionTabs);
        auto* grid = new QGridLayout(sheet);
        grid->setContentsMargins(14, 12, 14, 12);
        grid->setVerticalSpacing(10);
        grid->setHorizontalSpacing(24);
        for (int i = 0; i < int(page.boxes.size()); ++i) {
            const PermissionBox& box = page.boxes[i];
            auto* check = new QCheckBox(PermissionCaption(QLatin1String(box.flag)), sheet);
            check->setObjectName(QLatin1String(box.name));
            this->*box.member = check;
            grid->addWidget(check, i / 2, i % 2);
        }
        grid->setRowStretch(int(page.boxes.size() + 1) / 2, 1);
        permissionTabs->addTab(sheet, QString::fromUtf8(page.caption));
    }
    auto* pages = new QVBoxLayout(permissionBox);
    pages->addWidget(permissionTabs);

    SaveButton = MakeButton(accountBox, "SaveButton", QStringLiteral("保存"));
    CancelButton = MakeButton(accountBox, "CancelButton", QStringLiteral("取消"));

    auto* frame = new QVBoxLayout(accountBox);
    frame->addLayout(fields);
    frame->addWidget(permissionBox, 1);
    frame->addLayout(ButtonRow({SaveButton, CancelButton}));

    AddButton = MakeButton(this, "AddButton", QStringLiteral("添加"));
    EditButton = MakeButton(this, "EditButton", QStringLiteral("修改"));
    DelButton = MakeButton(this, "DelButton", QStringLiteral("删除"));
    EscButton = MakeButton(this, "EscButton", QStringLiteral("退出"));

    auto* body = new QHBoxLayout;
    body->addWidget(userGrid);
    body->addWidget(accountBox, 1);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(12, 12, 12, 12);
    top->addLayout(body, 1);
    top->addLayout(ButtonRow({AddButton, EditButton, DelButton, EscButton}));
    resize(640, 470);
}
