// Layout of the import preview: summary, the goods items, the refused rows, the buttons.
#include "GoodsImportForm.h"

#include "StringGrid.h"
#include "WindowParts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

void TGoodsImportForm::setupUi()
{
    setObjectName(QStringLiteral("GoodsImportForm"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);
    SummaryLabel = Named(new QLabel(this), "SummaryLabel");
    SummaryLabel->setWordWrap(true);
    itemGrid = Named(new StringGrid(this), "StringGrid1");
    itemGrid->setColCount(7);
    itemGrid->setFixedCols(1);
    itemGrid->setHeader({QStringLiteral("行"), QStringLiteral("品牌"), QStringLiteral("产品"),
                            QStringLiteral("产品类型"), QStringLiteral("规格/型号"), QStringLiteral("初始成本"),
                            QStringLiteral("初始库存量")});
    const int widths[] = {48, 140, 130, 100, 200, 80, 80};
    for (int c = 0; c < 7; ++c)
        itemGrid->setColWidth(c, widths[c]);
    ErrorMemo = Named(new QPlainTextEdit(this), "ErrorMemo");
    ErrorMemo->setReadOnly(true);
    ErrorMemo->setMaximumHeight(140);
    ErrorMemo->setStyleSheet(QStringLiteral("color: #a33a00;"));
    OKButton = MakeButton(this, "OKButton", QStringLiteral("导入"));
    OKButton->setDefault(true);
    CancelButton = MakeButton(this, "CancelButton", QStringLiteral("取消"));

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(12, 12, 12, 12);
    top->setSpacing(8);
    top->addWidget(SummaryLabel);
    top->addWidget(ErrorMemo);
    top->addWidget(itemGrid, 1);
    top->addLayout(ButtonRow({OKButton, CancelButton}));
    resize(860, 520);
}
