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

    StringGrid1 = Named(new StringGrid(this), "StringGrid1");
    StringGrid1->setFixedCols(0);
    StringGrid1->setColCount(1);
    StringGrid1->setHeader({QStringLiteral("收支项目")});
    StringGrid1->setColWidth(0, 100);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(std::max(15, fontMetrics().height() + 4));
    StringGrid1->setAlternatingRowColors(false);

    Edit1 = MakeEdit(this, "Edit1");
    AddButton = MakeButton(this, "AddButton", QStringLiteral("添加"));
    AddButton->setDefault(true);
    DelButton = MakeButton(this, "DelButton", QStringLiteral("删除"));
    EscButton = MakeButton(this, "EscButton", QStringLiteral("退出"));

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("新收支项目："), this));
    side->addWidget(Edit1);
    side->addWidget(AddButton);
    side->addWidget(DelButton);
    side->addStretch();
    side->addWidget(EscButton);
    auto* top = new QHBoxLayout(this);
    top->setContentsMargins(12, 12, 12, 12);
    top->setSpacing(12);
    top->addWidget(StringGrid1, 1);
    top->addLayout(side);
    resize(340, 320);
}
