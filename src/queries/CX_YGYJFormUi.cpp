// Layout of the employee performance window.
#include "CX_YGYJForm.h"

#include "DateRangePresets.h"
#include "GridColumns.h"
#include "ProfitColumns.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
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

    StringGrid1 = Named(new StringGrid(this), "StringGrid1");
    StringGrid1->setFixedCols(0);
    SetGridColumns(*StringGrid1, {{QStringLiteral("员工"), 120}});
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setAlternatingRowColors(false);
    StringGrid1->setFixedWidth(120 + 2 * StringGrid1->frameWidth());

    StringGrid2 = Named(new StringGrid(this), "StringGrid2");
    StringGrid2->setFixedCols(1);
    SetGridColumns(*StringGrid2, YGYJColumns());

    JELabel = Named(new QLabel(this), "JELabel");
    LRLabel = Named(new QLabel(this), "LRLabel");
    LRRLabel = Named(new QLabel(this), "LRRLabel");
    CBLabel = Named(new QLabel(this), "CBLabel");
    auto* totals = new QHBoxLayout;
    totals->addStretch(1);
    const std::pair<const char*, QLabel*> labelled[] = {
        {"合计金额：", JELabel}, {"合计利润：", LRLabel}, {"合计利率：", LRRLabel}, {"合计成本：", CBLabel}};
    for (const auto& [caption, label] : labelled) {
        label->setMinimumWidth(100);
        label->setStyleSheet(QStringLiteral("color: #a33a00; font-weight: bold;"));
        totals->addWidget(new QLabel(QString::fromUtf8(caption), this));
        totals->addWidget(label);
        totals->addSpacing(16);
    }

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
