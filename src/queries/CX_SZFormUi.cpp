// Layout of the income and expense query.
#include "CX_SZForm.h"

#include "AppContext.h"
#include "DateRangePresets.h"
#include "ShouZhiColumns.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

void TCX_SZForm::setupUi()
{
    setObjectName(QStringLiteral("CX_SZForm"));
    setWindowTitle(QStringLiteral("收支查询"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);

    fromDate = MakeDateEdit(this, "DateTimePicker1");
    toDate = MakeDateEdit(this, "DateTimePicker2");
    Presets = Named(new DateRangePresets(m_ctx.clock(), fromDate, toDate, this), "Presets");
    CXButton = MakeButton(this, "CXButton", QStringLiteral("统计"));
    CXButton->setDefault(true);
    PrintButton = MakeButton(this, "PrintButton", QStringLiteral("打印"));
    BrowseButton = MakeButton(this, "BrowseButton", QStringLiteral("打印预览"));
    DelButton = MakeButton(this, "DelButton", QStringLiteral("删除"));
    EscButton = MakeButton(this, "EscButton", QStringLiteral("退出"));

    auto* bar = new QHBoxLayout;
    AddDateRange(bar, fromDate, toDate);
    bar->addWidget(CXButton);
    bar->addStretch(1);
    bar->addLayout(ButtonRow({PrintButton, BrowseButton, DelButton, EscButton}));

    entryGrid = Named(new StringGrid(this), "StringGrid1");
    SetGridColumns(*entryGrid, ShouZhiColumns());

    SRLabel = Named(new QLabel(this), "SRLabel");
    ZCLabel = Named(new QLabel(this), "ZCLabel");
    auto* totals = new QHBoxLayout;
    totals->addWidget(new QLabel(QStringLiteral("合计收入："), this));
    totals->addWidget(SRLabel);
    totals->addSpacing(30);
    totals->addWidget(new QLabel(QStringLiteral("合计支出："), this));
    totals->addWidget(ZCLabel);
    totals->addStretch(1);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(10, 10, 10, 10);
    top->addLayout(bar);
    top->addWidget(Presets);
    top->addWidget(entryGrid, 1);
    top->addLayout(totals);
    resize(920, 520);
}
