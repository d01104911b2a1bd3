// Layout of the monthly closing window.
#include "JieQunForm.h"

#include "DigitsUpDown.h"
#include "GridColumns.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// A year (1000 to 9999) or month (1 to 12) up-down; its edit carries the edit's own name.
DigitsUpDown* UpDown(QWidget* parent, const char* name, const char* editName, bool year, QLineEdit*& edit)
{
    auto* box = Named(new DigitsUpDown(parent), name);
    box->setRange(year ? 1000 : 1, year ? 9999 : 12);
    box->setFixedWidth(year ? 70 : 48);
    edit = Named(box->findChild<QLineEdit*>(), editName);
    return box;
}

QLabel* Caption(QWidget* parent, const QString& text)
{
    return new QLabel(text, parent);
}

QLabel* Total(QWidget* parent, const char* name)
{
    auto* label = Named(new QLabel(parent), name);
    label->setMinimumWidth(90);
    return label;
}

// "起始月份" [year]年 [month]月 and the like.
void AddMonth(QHBoxLayout* row, QWidget* parent, const QString& caption, DigitsUpDown* year, DigitsUpDown* month)
{
    row->addWidget(Caption(parent, caption));
    row->addWidget(year);
    row->addWidget(Caption(parent, QStringLiteral("年")));
    row->addWidget(month);
    row->addWidget(Caption(parent, QStringLiteral("月")));
    row->addSpacing(16);
}

}  // namespace

void TJieQunForm::setupUi()
{
    setObjectName(QStringLiteral("JieQunForm"));
    setWindowTitle(QStringLiteral("历史经营数据结存"));

    BeginYUpDown = UpDown(this, "BeginYUpDown", "BeginYEdit", true, BeginYEdit);
    BeginMUpDown = UpDown(this, "BeginMUpDown", "BeginMEdit", false, BeginMEdit);
    EndYUpDown = UpDown(this, "EndYUpDown", "EndYEdit", true, EndYEdit);
    EndMUpDown = UpDown(this, "EndMUpDown", "EndMEdit", false, EndMEdit);
    CXButton = MakeButton(this, "CXButton", QStringLiteral("查询"));
    auto* range = new QHBoxLayout;
    AddMonth(range, this, QStringLiteral("起始月份"), BeginYUpDown, BeginMUpDown);
    AddMonth(range, this, QStringLiteral("截止月份"), EndYUpDown, EndMUpDown);
    range->addWidget(CXButton);
    range->addStretch();

    closingGrid = Named(new StringGrid(this), "StringGrid1");
    closingGrid->setFixedCols(1);
    SetGridColumns(*closingGrid, columns());
    closingGrid->verticalHeader()->setDefaultSectionSize(std::max(18, fontMetrics().height() + 4));
    ClearGrid(*closingGrid);

    XSELabel = Total(this, "XSELabel");
    XSLRLabel = Total(this, "XSLRLabel");
    SRLabel = Total(this, "SRLabel");
    ZCLabel = Total(this, "ZCLabel");
    BQLRLabel = Total(this, "BQLRLabel");
    auto* totals = new QGridLayout;
    const std::pair<const char*, QLabel*> totalCells[] = {{"合计销售额：", XSELabel},   {"合计销售利润：", XSLRLabel},
                                                          {"合计营业收入：", SRLabel},  {"合计营业支出：", ZCLabel},
                                                          {"合计本期利润：", BQLRLabel}};
    for (int i = 0; i < 5; ++i) {
        totals->addWidget(Caption(this, QString::fromUtf8(totalCells[i].first)), i / 3, (i % 3) * 2,
                          Qt::AlignRight);
        totals->addWidget(totalCells[i].second, i / 3, (i % 3) * 2 + 1);
    }

    JQYUpDown = UpDown(this, "JQYUpDown", "JQYEdit", true, JQYEdit);
    JQMUpDown = UpDown(this, "JQMUpDown", "JQMEdit", false, JQMEdit);
    JQButton = MakeButton(this, "JQButton", QStringLiteral("结存"));
    PrintButton = MakeButton(this, "PrintButton", QStringLiteral("打印"));
    BrowseButton = MakeButton(this, "BrowseButton", QStringLiteral("打印预览"));
    EscButton = MakeButton(this, "EscButton", QStringLiteral("退出"));
    auto* closing = new QHBoxLayout;
    AddMonth(closing, this, QStringLiteral("结存月份->"), JQYUpDown, JQMUpDown);
    closing->addWidget(JQButton);
    closing->addStretch();
    closing->addWidget(PrintButton);
    closing->addWidget(BrowseButton);
    closing->addWidget(EscButton);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(12, 12, 12, 12);
    top->addLayout(range);
    top->addWidget(closingGrid, 1);
    top->addLayout(totals);
    top->addLayout(closing);
    resize(640, 440);
}
