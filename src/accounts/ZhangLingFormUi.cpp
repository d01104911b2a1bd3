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

    StringGrid1 = Named(new StringGrid(this), "StringGrid1");
    StringGrid1->setFixedCols(0);
    SetGridColumns(*StringGrid1, texts.ageingColumns);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(std::max(18, fontMetrics().height() + 4));
    PrintButton = MakeButton(this, "PrintButton", QStringLiteral("打印"));
    BrowseButton = MakeButton(this, "BrowseButton", QStringLiteral("打印预览"));
    EscButton = MakeButton(this, "EscButton", QStringLiteral("返回"));

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(12, 12, 12, 12);
    top->addWidget(StringGrid1, 1);
    top->addLayout(ButtonRow({PrintButton, BrowseButton, EscButton}));
    resize(640, 420);
}
