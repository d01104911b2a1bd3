// Layout of the ageing window.
#include "ZhangLingForm.h"

#include "AccountTexts.h"
#include "GridColumns.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QHeaderView>
#include <QVBoxLayout>

void TZhangLingForm::setupUi()
{
    const AccountTexts& texts = TextsOf(m_side);
    setObjectName(QStringLiteral("ZhangLingForm"));
    setWindowTitle(texts.caption + QStringLiteral("账龄分析"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    ageingGrid = Named(new StringGrid(this), "StringGrid1");
    ageingGrid->setFixedCols(0);
    SetGridColumns(*ageingGrid, texts.ageingColumns);
    ageingGrid->verticalHeader()->hide();
    ageingGrid->verticalHeader()->setDefaultSectionSize(std::max(18, fontMetrics().height() + 4));
    PrintButton = MakeButton(this, "PrintButton", QStringLiteral("打印"));
    BrowseButton = MakeButton(this, "BrowseButton", QStringLiteral("打印预览"));
    EscButton = MakeButton(this, "EscButton", QStringLiteral("返回"));

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(12, 12, 12, 12);
    top->addWidget(ageingGrid, 1);
    top->addLayout(ButtonRow({PrintButton, BrowseButton, EscButton}));
    resize(640, 420);
}
