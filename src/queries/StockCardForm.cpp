#include "StockCardForm.h"

#include "AppContext.h"
#include "GridColumns.h"
#include "GridList.h"
#include "GuardedConnect.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QVector<GridColumn> CardColumns()
{
    return {{QString(), 10, {}},
            {QStringLiteral("日期"), 90, QStringLiteral("in_date"), GridFormat::Date},
            {QStringLiteral("单号"), 120, QStringLiteral("dh")},
            {QStringLiteral("业务"), 70, QStringLiteral("kind")},
            {QStringLiteral("客户/供应商"), 160, QStringLiteral("party")},
            {QStringLiteral("单价"), 80, QStringLiteral("danjia"), GridFormat::Money},
            {QStringLiteral("成本"), 80, QStringLiteral("CB"), GridFormat::Money},
            {QStringLiteral("入库"), 60, QStringLiteral("RuKu"), GridFormat::Integer},
            {QStringLiteral("出库"), 60, QStringLiteral("ChuKu"), GridFormat::Integer},
            {QStringLiteral("结存"), 70, QStringLiteral("JieCun"), GridFormat::Integer}};
}

QString GoodsText(const GoodsKey& g)
{
    return g.PinPai + QStringLiteral(" / ") + g.ChanPin + QStringLiteral(" / ") + g.GuiGe;
}

}  // namespace

TStockCardForm::TStockCardForm(AppContext& context, GoodsKey goods, QWidget* parent)
    : QDialog(parent), m_ctx(context), m_goods(std::move(goods))
{
    setupUi();
    m_rows = StockCard(m_ctx.db(), m_goods);
    FillGrid(*cardGrid, m_rows, CardColumns());
    cardGrid->setRow(cardGrid->rowCount() - 1);
    GuardedConnect(PrintButton, &QPushButton::clicked, this, m_ctx, [this] { print(false); });
    GuardedConnect(BrowseButton, &QPushButton::clicked, this, m_ctx, [this] { print(true); });
    GuardedConnect(ExitButton, &QPushButton::clicked, this, m_ctx, &TStockCardForm::close);
}

void TStockCardForm::setupUi()
{
    setObjectName(QStringLiteral("StockCardForm"));
    setWindowTitle(QStringLiteral("库存卡"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);
    GoodsLabel = Named(new QLabel(GoodsText(m_goods), this), "GoodsLabel");
    GoodsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = GoodsLabel->font();
    bold.setBold(true);
    GoodsLabel->setFont(bold);
    cardGrid = Named(new StringGrid(this), "StringGrid1");
    SetGridColumns(*cardGrid, CardColumns());
    PrintButton = MakeButton(this, "PrintButton", QStringLiteral("打印"));
    BrowseButton = MakeButton(this, "BrowseButton", QStringLiteral("打印预览"));
    ExitButton = MakeButton(this, "ExitButton", QStringLiteral("退出"));
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(10, 10, 10, 10);
    top->addWidget(GoodsLabel);
    top->addWidget(cardGrid, 1);
    top->addLayout(ButtonRow({PrintButton, BrowseButton, ExitButton}));
    resize(860, 520);
}

void TStockCardForm::print(bool preview)
{
    PrintGridList(m_ctx, this, m_ctx.GsInfo.GSName + QStringLiteral("库存卡 ") + GoodsText(m_goods), m_rows,
                  CardColumns(), preview ? ReportOutput::Preview : ReportOutput::Print);
}
