// Layout of the employee performance window.
#include "CX_YGYJForm.h"

#include "AppContext.h"
#include "GridColumns.h"
#include "ProfitColumns.h"
#include "ProfitTotals.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

void TCX_YGYJForm::setupUi()
{
    setObjectName(QStringLiteral("CX_YGYJForm"));
    setWindowTitle(QStringLiteral("员工业绩查询"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);

    QHBoxLayout* dates = MakeProfitQueryRow(
        this, m_ctx.clock(), {fromDate, toDate, Presets, countButton, PrintButton, BrowseButton, EscButton});

    employeeGrid = Named(MakeNameList(this, QStringLiteral("员工"), 120), "StringGrid1");

    salesGrid = Named(new StringGrid(this), "StringGrid2");
    salesGrid->setFixedCols(1);
    SetGridColumns(*salesGrid, YGYJColumns());

    ProfitTotalLabels labels;
    QHBoxLayout* totals = ProfitTotalsRow(this, QString(), labels);
    JELabel = labels.JE;
    LRLabel = labels.LR;
    LRRLabel = labels.LRR;
    CBLabel = labels.CB;

    auto* right = new QVBoxLayout;
    right->addWidget(salesGrid, 1);
    right->addLayout(totals);
    auto* body = new QHBoxLayout;
    body->addWidget(employeeGrid);
    body->addLayout(right, 1);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(10, 10, 10, 10);
    top->setSpacing(8);
    top->addLayout(dates);
    top->addLayout(body, 1);
    resize(960, 560);
}
