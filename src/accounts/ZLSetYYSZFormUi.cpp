// Layout of the income and expense item window.
#include "ZLSetYYSZForm.h"

#include "StringGrid.h"
#include "WindowParts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

void TZLSetYYSZForm::setupUi()
{
    setObjectName(QStringLiteral("ZLSetYYSZForm"));
    setWindowTitle(QStringLiteral("收支项目设置"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    itemGrid = Named(new StringGrid(this), "StringGrid1");
    itemGrid->setFixedCols(0);
    itemGrid->setColCount(1);
    itemGrid->setHeader({QStringLiteral("收支项目")});
    itemGrid->setColWidth(0, 100);
    itemGrid->verticalHeader()->hide();
    itemGrid->verticalHeader()->setDefaultSectionSize(std::max(15, fontMetrics().height() + 4));
    itemGrid->setAlternatingRowColors(false);

    itemEdit = MakeEdit(this, "Edit1");
    AddButton = MakeButton(this, "AddButton", QStringLiteral("添加"));
    AddButton->setDefault(true);
    DelButton = MakeButton(this, "DelButton", QStringLiteral("删除"));
    EscButton = MakeButton(this, "EscButton", QStringLiteral("退出"));

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("新收支项目："), this));
    side->addWidget(itemEdit);
    side->addWidget(AddButton);
    side->addWidget(DelButton);
    side->addStretch();
    side->addWidget(EscButton);
    auto* top = new QHBoxLayout(this);
    top->setContentsMargins(12, 12, 12, 12);
    top->setSpacing(12);
    top->addWidget(itemGrid, 1);
    top->addLayout(side);
    resize(340, 320);
}
