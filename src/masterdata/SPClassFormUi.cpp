// Layout of the product class window and its dialog.
#include "SPClassForm.h"

#include "StringGrid.h"
#include "WindowParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

void TSPClassForm::setupUi()
{
    setObjectName(QStringLiteral("SPClassForm"));
    setWindowTitle(QStringLiteral("产品分类设置"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    FilterEdit = MakeEdit(this, "FilterEdit");
    classGrid = Named(new StringGrid(this), "StringGrid1");
    classGrid->setColCount(2);
    classGrid->setFixedCols(1);
    classGrid->setHeader({QString(), QStringLiteral("产品分类名称")});
    classGrid->setColWidth(0, 14);
    classGrid->setColWidth(1, 200);
    ClearGrid(*classGrid);

    AddButton = MakeButton(this, "AddButton", QStringLiteral("添加"));
    EditButton = MakeButton(this, "EditButton", QStringLiteral("修改"));
    DelButton = MakeButton(this, "DelButton", QStringLiteral("删除"));
    ExitButton = MakeButton(this, "ExitButton", QStringLiteral("退出"));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {AddButton, EditButton, DelButton})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(ExitButton);

    auto* list = new QVBoxLayout;
    list->setSpacing(4);
    list->addWidget(FilterEdit);
    list->addWidget(classGrid, 1);

    auto* top = new QHBoxLayout(this);
    top->setContentsMargins(12, 12, 12, 12);
    top->setSpacing(10);
    top->addLayout(list, 1);
    top->addLayout(buttons);
    resize(380, 400);
}

void TSPClassEditForm::setupUi()
{
    setObjectName(QStringLiteral("SPClassEditForm"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    SPClassEdit = MakeEdit(this, "SPClassEdit");
    SPClassEdit->setMinimumWidth(280);
    OKButton = MakeButton(this, "OKButton", QStringLiteral("确定"));
    OKButton->setDefault(true);
    EscButton = MakeButton(this, "EscButton", QStringLiteral("取消"));

    auto* field = new QHBoxLayout;
    field->addWidget(new QLabel(QStringLiteral("产品类型"), this));
    field->addWidget(SPClassEdit, 1);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(18, 16, 18, 12);
    top->setSpacing(14);
    top->addLayout(field);
    top->addLayout(ButtonRow({OKButton, EscButton}));
    top->setSizeConstraint(QLayout::SetFixedSize);
}
