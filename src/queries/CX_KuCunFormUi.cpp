// Layout of the stock query window.
#include "CX_KuCunForm.h"

#include "GridColumns.h"
#include "StockColumns.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

void TCX_KuCunForm::setupUi()
{
    setObjectName(QStringLiteral("CX_KuCunForm"));
    setWindowTitle(QStringLiteral("库存查询"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);

    const auto combo = [this](const char* name) {
        auto* box = Named(new QComboBox(this), name);
        box->setEditable(false);
        box->setMinimumWidth(150);
        box->setMaxVisibleItems(20);
        return box;
    };
    brandBox = combo("ComboBox1");
    productBox = combo("ComboBox2");
    specBox = combo("ComboBox3");
    orderBox = combo("ComboBox4");
    orderBox->setMinimumWidth(90);
    orderBox->addItems({QStringLiteral("品牌"), QStringLiteral("产品"), QStringLiteral("规格")});
    orderBox->setCurrentIndex(-1);

    auto* filters = new QHBoxLayout;
    filters->setSpacing(6);
    const std::pair<const char*, QComboBox*> labelled[] = {
        {"品牌", brandBox}, {"产品", productBox}, {"规格/型号", specBox}, {"排序", orderBox}};
    for (const auto& [caption, box] : labelled) {
        filters->addWidget(new QLabel(QString::fromUtf8(caption), this));
        filters->addWidget(box);
        filters->addSpacing(8);
    }
    filters->addStretch(1);

    stockGrid = Named(new StringGrid(this), "StringGrid1");
    SetGridColumns(*stockGrid, KuCunColumns());

    SLLabel = Named(new QLabel(QStringLiteral("0"), this), "SLLabel");
    ZCBLabel = Named(new QLabel(QStringLiteral("0"), this), "ZCBLabel");
    auto* totals = new QHBoxLayout;
    totals->addWidget(new QLabel(QStringLiteral("合计数量"), this));
    totals->addWidget(SLLabel);
    totals->addSpacing(24);
    totals->addWidget(new QLabel(QStringLiteral("合计成本"), this));
    totals->addWidget(ZCBLabel);
    totals->addStretch(1);

    KuCunKaButton = MakeButton(this, "KuCunKaButton", QStringLiteral("库存卡"));
    printButton = MakeButton(this, "Button1", QStringLiteral("打印"));
    previewButton = MakeButton(this, "Button2", QStringLiteral("打印预览"));
    exitButton = MakeButton(this, "Button3", QStringLiteral("退出"));
    totals->addWidget(KuCunKaButton);
    totals->addSpacing(12);
    totals->addLayout(ButtonRow({printButton, previewButton, exitButton}));

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(10, 10, 10, 10);
    top->setSpacing(8);
    top->addLayout(filters);
    top->addWidget(stockGrid, 1);
    top->addLayout(totals);
    resize(900, 560);
}
