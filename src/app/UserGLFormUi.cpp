// Layout of the user window.
#include "UserGLForm.h"

#include "StringGrid.h"
#include "UserGLPages.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QPushButton* Button(QWidget* parent, const char* name, const char* caption)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QLineEdit* Edit(QWidget* parent, const char* name, bool password)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    if (password)
        e->setEchoMode(QLineEdit::Password);
    return e;
}

}  // namespace

void TUserGLForm::setupUi()
{
    setObjectName(QStringLiteral("UserGLForm"));
    setWindowTitle(QStringLiteral("用户管理"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    StringGrid1 = new StringGrid(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setFixedCols(0);
    StringGrid1->setColCount(1);
    StringGrid1->setHeader({QStringLiteral("用户列表")});
    StringGrid1->setColWidth(0, 150);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(std::max(15, fontMetrics().height() + 4));
    StringGrid1->setAlternatingRowColors(false);
    StringGrid1->setFixedWidth(150 + 2 * StringGrid1->frameWidth());

    GroupBox1 = new QGroupBox(QStringLiteral("添加/修改"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    UserNameEdit = Edit(GroupBox1, "UserNameEdit", false);
    UserPass1Edit = Edit(GroupBox1, "UserPass1Edit", true);
    UserPass2Edit = Edit(GroupBox1, "UserPass2Edit", true);
    auto* fields = new QFormLayout;
    fields->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fields->addRow(QStringLiteral("用户名称"), UserNameEdit);
    fields->addRow(QStringLiteral("密码"), UserPass1Edit);
    fields->addRow(QStringLiteral("再次输入密码"), UserPass2Edit);

    GroupBox2 = new QGroupBox(QStringLiteral("用户权限"), GroupBox1);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    PageControl1 = new QTabWidget(GroupBox2);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    for (const PermissionPage& page : PermissionPages) {
        auto* sheet = new QWidget(PageControl1);
        auto* grid = new QGridLayout(sheet);
        grid->setContentsMargins(14, 12, 14, 12);
        grid->setVerticalSpacing(10);
        grid->setHorizontalSpacing(24);
        for (int i = 0; i < int(page.boxes.size()); ++i) {
            const PermissionBox& box = page.boxes[i];
            auto* check = new QCheckBox(QString::fromUtf8(box.caption), sheet);
            check->setObjectName(QLatin1String(box.name));
            this->*box.member = check;
            grid->addWidget(check, i / 2, i % 2);
        }
        grid->setRowStretch(int(page.boxes.size() + 1) / 2, 1);
        PageControl1->addTab(sheet, QString::fromUtf8(page.caption));
    }
    auto* pages = new QVBoxLayout(GroupBox2);
    pages->addWidget(PageControl1);

    SaveButton = Button(GroupBox1, "SaveButton", "保存");
    CancelButton = Button(GroupBox1, "CancelButton", "取消");
    auto* editButtons = new QHBoxLayout;
    editButtons->addStretch();
    editButtons->addWidget(SaveButton);
    editButtons->addWidget(CancelButton);

    auto* frame = new QVBoxLayout(GroupBox1);
    frame->addLayout(fields);
    frame->addWidget(GroupBox2, 1);
    frame->addLayout(editButtons);

    AddButton = Button(this, "AddButton", "添加");
    EditButton = Button(this, "EditButton", "修改");
    DelButton = Button(this, "DelButton", "删除");
    EscButton = Button(this, "EscButton", "退出");
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    for (QPushButton* b : {AddButton, EditButton, DelButton, EscButton})
        bottom->addWidget(b);

    auto* body = new QHBoxLayout;
    body->addWidget(StringGrid1);
    body->addWidget(GroupBox1, 1);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(12, 12, 12, 12);
    top->addLayout(body, 1);
    top->addLayout(bottom);
    resize(640, 470);
}
