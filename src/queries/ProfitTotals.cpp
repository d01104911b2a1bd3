#include "ProfitTotals.h"

#include "GridColumns.h"
#include "NumberText.h"
#include "StringGrid.h"

#include <QHBoxLayout>
#include <QLabel>

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
    const double cost = ColumnSum(grid, costCol);
    const double amount = ColumnSum(grid, costCol + 1);
    const double profit = ColumnSum(grid, costCol + 2);
    labels.CB->setText(YuanText(cost));
    labels.JE->setText(YuanText(amount));
    labels.LR->setText(YuanText(profit));
    const double margin = amount != 0 ? RoundFloat(2, profit / amount * 100) : 100;
    labels.LRR->setText(FormatGeneral(margin) + QStringLiteral(" %"));
}

QHash<QString, QString> ProfitTotalPrintLabels(const ProfitTotalLabels& labels)
{
    return {{QStringLiteral("SumCBQRLabel"), labels.CB->text()},
            {QStringLiteral("SumJEQRLabel"), labels.JE->text()},
            {QStringLiteral("SumLRQRLabel"), labels.LR->text()},
            {QStringLiteral("SumLRRQRLabel"), labels.LRR->text()}};
}
