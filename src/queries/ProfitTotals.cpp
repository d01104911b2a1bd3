#include "ProfitTotals.h"

#include "DateRangePresets.h"
#include "GridColumns.h"
#include "MarginText.h"
#include "NumberText.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QHBoxLayout>
#include <QLabel>

QHBoxLayout* MakeProfitQueryRow(QWidget* window, const Clock& clock, const ProfitQueryControls& c)
{
    c.from = MakeDateEdit(window, "DateTimePicker1");
    c.to = MakeDateEdit(window, "DateTimePicker2");
    c.presets = Named(new DateRangePresets(clock, c.from, c.to, window), "DateRangePresets");
    c.count = MakeButton(window, "Button1", QStringLiteral("统计"));
    c.print = MakeButton(window, "PrintButton", QStringLiteral("打印"));
    c.browse = MakeButton(window, "BrowseButton", QStringLiteral("打印预览"));
    c.esc = MakeButton(window, "EscButton", QStringLiteral("退出"));
    auto* row = new QHBoxLayout;
    AddDateRange(row, c.from, c.to);
    row->addWidget(c.presets);
    row->addStretch(1);
    row->addLayout(ButtonRow({c.count, c.print, c.browse, c.esc}));
    return row;
}

QHBoxLayout* ProfitTotalsRow(QWidget* parent, const QString& prefix, ProfitTotalLabels& labels)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    const std::pair<const char*, QLabel**> captions[] = {
        {"合计金额：", &labels.JE}, {"合计利润：", &labels.LR}, {"合计利率：", &labels.LRR}, {"合计成本：", &labels.CB}};
    const char* names[] = {"JELabel", "LRLabel", "LRRLabel", "CBLabel"};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(parent);
        label->setObjectName(prefix + QLatin1String(names[i]));
        label->setMinimumWidth(100);
        label->setStyleSheet(QStringLiteral("color: #a33a00; font-weight: bold;"));
        *captions[i].second = label;
        row->addWidget(new QLabel(QString::fromUtf8(captions[i].first), parent));
        row->addWidget(label);
        row->addSpacing(16);
    }
    return row;
}

void ShowProfitTotals(const StringGrid& grid, int costCol, const ProfitTotalLabels& labels)
{
    const Money cost = MoneyColumnSum(grid, costCol);
    const Money amount = MoneyColumnSum(grid, costCol + 1);
    const Money profit = MoneyColumnSum(grid, costCol + 2);
    labels.CB->setText(YuanText(cost));
    labels.JE->setText(YuanText(amount));
    labels.LR->setText(YuanText(profit));
    labels.LRR->setText(FormatGeneral(Margin(profit.yuan(), amount.yuan())) + QStringLiteral(" %"));
}

QHash<QString, QString> ProfitTotalPrintLabels(const ProfitTotalLabels& labels)
{
    return {{QStringLiteral("SumCBQRLabel"), labels.CB->text()},
            {QStringLiteral("SumJEQRLabel"), labels.JE->text()},
            {QStringLiteral("SumLRQRLabel"), labels.LR->text()},
            {QStringLiteral("SumLRRQRLabel"), labels.LRR->text()}};
}
