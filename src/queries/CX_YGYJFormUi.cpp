// Layout of the employee performance window.
#include "CX_YGYJForm.h"

#include "DateRangePresets.h"
#include "GridColumns.h"
#include "ProfitColumns.h"
#include "ProfitTotals.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

void TCX_YGYJForm::setupUi()
{
    setObjectName(QStringLiteral("CX_YGYJForm"));
    setWindowTitle(QStringLiteral("员工业绩查询"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);

    const auto picker = [this](const char* name) {
        auto* edit = Named(new QDateEdit(this), name);
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        return edit;
    };
    DateTimePicker1 = picker("DateTimePicker1");
    DateTimePicker2 = picker("DateTimePicker2");
    Presets = Named(new DateRangePresets(DateTimePicker1, DateTimePicker2, this), "DateRangePresets");
    Button1 = MakeButton(this, "Button1", QStringLiteral("统计"));
    PrintButton = MakeButton(this, "PrintButton", QStringLiteral("打印"));
    BrowseButton = MakeButton(this, "BrowseButton", QStringLiteral("打印预览"));
    EscButton = MakeButton(this, "EscButton", QStringLiteral("退出"));

    auto* dates = new QHBoxLayout;
    dates->addWidget(new QLabel(QStringLiteral("起始日期"), this));
    dates->addWidget(DateTimePicker1);
    dates->addSpacing(8);
    dates->addWidget(new QLabel(QStringLiteral("截止日期"), this));
    dates->addWidget(DateTimePicker2);
    dates->addWidget(Presets);
    dates->addStretch(1);
    dates->addLayout(ButtonRow({Button1, PrintButton, BrowseButton, EscButton}));

    StringGrid1 = Named(MakeNameList(this, QStringLiteral("员工"), 120), "StringGrid1");

    StringGrid2 = Named(new StringGrid(this), "StringGrid2");
    StringGrid2->setFixedCols(1);
    SetGridColumns(*StringGrid2, YGYJColumns());

    ProfitTotalLabels labels;
    QHBoxLayout* totals = ProfitTotalsRow(this, QString(), labels);
    JELabel = labels.JE;
    LRLabel = labels.LR;
    LRRLabel = labels.LRR;
    CBLabel = labels.CB;

    auto* right = new QVBoxLayout;
    right->addWidget(StringGrid2, 1);
    right->addLayout(totals);
    auto* body = new QHBoxLayout;
    body->addWidget(StringGrid1);
    body->addLayout(right, 1);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(10, 10, 10, 10);
    top->setSpacing(8);
    top->addLayout(dates);
    top->addLayout(body, 1);
    resize(960, 560);
}
