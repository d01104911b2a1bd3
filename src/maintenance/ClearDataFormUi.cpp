// Layout of the month clearing window.
#include "ClearDataForm.h"

#include "StringGrid.h"
#include "WindowParts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

void TClearDataForm::setupUi()
{
    setObjectName(QStringLiteral("ClearDataForm"));
    setWindowTitle(QStringLiteral("清除过期数据(慎重使用,仔细看说明)"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    monthGrid = Named(new StringGrid(this), "StringGrid1");
    monthGrid->setFixedCols(0);
    monthGrid->setColCount(2);
    monthGrid->setHeader({QStringLiteral("年份"), QStringLiteral("月份")});
    monthGrid->setColWidth(0, 70);
    monthGrid->setColWidth(1, 55);
    monthGrid->verticalHeader()->hide();
    monthGrid->verticalHeader()->setDefaultSectionSize(std::max(15, fontMetrics().height() + 4));
    monthGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    monthGrid->setFixedWidth(125 + monthGrid->verticalScrollBar()->sizeHint().width()
                               + 2 * monthGrid->frameWidth());
    ClearGrid(*monthGrid);

    auto* explanation = new QVBoxLayout;
    explanation->setSpacing(2);
    for (const char* line : {"    随着时间的推移，数据的体积就会", "越来越庞大，为了优化系统数据库，我",
                             "们提供了数据清理功能。列表中显示的", "是已结算，但仍然保留着业务记录数据",
                             "的月份。您可以在确认结算报表数据正", "确并确认该月数据已过期无用的前提下",
                             "清空相关结算月的数据，以保持系统持", "续高效运行。",
                             "    被清除的数据包括\"销售记录\",", "\"采购记录\",\"营业收支记录\"。"})
        explanation->addWidget(new QLabel(QString::fromUtf8(line), this));
    explanation->addStretch();

    ClearButton = MakeButton(this, "ClearButton", QStringLiteral("清除数据"));
    ClearButton->setDefault(true);
    EscButton = MakeButton(this, "EscButton", QStringLiteral("退出"));
    explanation->addLayout(ButtonRow({ClearButton, EscButton}));

    auto* body = new QHBoxLayout;
    body->addWidget(monthGrid);
    body->addSpacing(8);
    body->addLayout(explanation, 1);

    auto* note = new QLabel(QStringLiteral("注：只有已经结存的业务数据才可以进行清楚！"), this);
    note->setStyleSheet(QStringLiteral("color: #b00000"));
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(12, 12, 12, 12);
    top->addLayout(body, 1);
    top->addWidget(note);
    resize(440, 300);
}
