// Layout of the stock-taking window.
#include "StockCountForm.h"

#include "GridColumns.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

QVector<GridColumn> TStockCountForm::columns()
{
    return {{QString(), 10, {}},
            {QStringLiteral("品牌"), 90, QStringLiteral("PinPai")},
            {QStringLiteral("产品"), 100, QStringLiteral("ChanPin")},
            {QStringLiteral("型号"), 160, QStringLiteral("GuiGe")},
            {QStringLiteral("账面数量"), 80, QStringLiteral("ZhangMian"), GridFormat::Integer},
            {QStringLiteral("实盘数量"), 80, QStringLiteral("ShiPan"), GridFormat::Integer},
            {QStringLiteral("差异"), 70, QStringLiteral("ChaYi"), GridFormat::Integer}};
}
void TStockCountForm::setupUi()
{
    setObjectName(QStringLiteral("StockCountForm"));
    setWindowTitle(QStringLiteral("库存盘点"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);
    brandBox = Named(new QComboBox(this), "BrandComboBox");
    brandBox->setMinimumWidth(140);
    codeEdit = MakeEdit(this, "CodeEdit");
    codeEdit->setPlaceholderText(QStringLiteral("扫描条码或输入型号后按回车"));
    codeEdit->setMinimumWidth(240);
    quantityEdit = MakeEdit(this, "QuantityEdit");
    quantityEdit->setFixedWidth(70);
    quantityEdit->setPlaceholderText(QStringLiteral("逐件+1"));
    lastLabel = Named(new QLabel(this), "LastLabel");
    totalsLabel = Named(new QLabel(this), "TotalsLabel");
    countGrid = Named(new StringGrid(this), "StringGrid1");
    SetGridColumns(*countGrid, columns());
    printButton = MakeButton(this, "PrintButton", QStringLiteral("打印差异表"));
    previewButton = MakeButton(this, "PreviewButton", QStringLiteral("差异表预览"));
    postButton = MakeButton(this, "PostButton", QStringLiteral("确认盘点"));
    discardButton = MakeButton(this, "DiscardButton", QStringLiteral("放弃盘点"));
    exitButton = MakeButton(this, "ExitButton", QStringLiteral("退出"));

    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(new QLabel(QStringLiteral("品牌")));
    entryRow->addWidget(brandBox);
    entryRow->addSpacing(16);
    entryRow->addWidget(new QLabel(QStringLiteral("数量")));
    entryRow->addWidget(quantityEdit);
    entryRow->addWidget(new QLabel(QStringLiteral("型号/条码")));
    entryRow->addWidget(codeEdit, 1);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(10, 10, 10, 10);
    top->addLayout(entryRow);
    top->addWidget(lastLabel);
    top->addWidget(countGrid, 1);
    top->addWidget(totalsLabel);
    top->addLayout(ButtonRow({printButton, previewButton, postButton, discardButton, exitButton}));
    setTabOrder(brandBox, quantityEdit);
    setTabOrder(quantityEdit, codeEdit);
    setTabOrder(codeEdit, countGrid);
    resize(760, 560);
}
