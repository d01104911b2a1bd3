#include "CX_KuCunForm.h"

#include "AppContext.h"
#include "GoodsSelector.h"
#include "GridColumns.h"
#include "GuardedConnect.h"
#include "NumberText.h"
#include "PrintReport.h"
#include "RefreshOffer.h"
#include "ReportData.h"
#include "StockCardForm.h"
#include "StockColumns.h"
#include "StringGrid.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QPushButton>

TCX_KuCunForm::TCX_KuCunForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    InitKuCunQuery();
    GuardedConnect(m_goods, &GoodsSelector::changed, this, m_ctx, [this] {
        ListKuCun();
        CalcKuCunTotals();
    });
    GuardedConnect(orderBox, &QComboBox::activated, this, m_ctx, [this] {
        ListKuCun();
        CalcKuCunTotals();
    });
    GuardedConnect(printButton, &QPushButton::clicked, this, m_ctx, [this] { PrintKuCun(ReportOutput::Print); });
    GuardedConnect(previewButton, &QPushButton::clicked, this, m_ctx, [this] { PrintKuCun(ReportOutput::Preview); });
    GuardedConnect(exitButton, &QPushButton::clicked, this, m_ctx, &TCX_KuCunForm::close);
    GuardedConnect(KuCunKaButton, &QPushButton::clicked, this, m_ctx, &TCX_KuCunForm::KuCunKaButtonClick);
    GuardedConnect(stockGrid, &StringGrid::doubleClicked, this, m_ctx, &TCX_KuCunForm::KuCunKaButtonClick);
    // Another counter's sale or purchase: the same goods items read again, the same row selected.
    refreshOffer = new RefreshOffer(m_ctx, this, [this] {
        const int row = stockGrid->row();
        ListKuCun();
        CalcKuCunTotals();
        stockGrid->setRow(std::min(row, stockGrid->rowCount() - 1));
    });
}

void TCX_KuCunForm::InitKuCunQuery()
{
    m_goods = new GoodsSelector(m_ctx, brandBox, productBox, specBox, GoodsSelector::WithAllEntries, this);
    ListKuCun();
    CalcKuCunTotals();
}

// Every goods item within the chosen brand, product and spec, in the chosen order (the same rows
// as the printout); the last row selected.
void TCX_KuCunForm::ListKuCun()
{
    FillGrid(*stockGrid,
             PrepareBB_CXKC(m_ctx.db(), m_goods->PinPai(), m_goods->ChanPin(), m_goods->GuiGe(),
                            orderBox->currentText()),
             KuCunColumns());
    stockGrid->setRow(stockGrid->rowCount() - 1);
}

void TCX_KuCunForm::CalcKuCunTotals()
{
    SLLabel->setText(QString::number(qint64(ColumnSum(*stockGrid, 4))));
    ZCBLabel->setText(FormatMoney(MoneyColumnSum(*stockGrid, 7)));
}

void TCX_KuCunForm::PrintKuCun(ReportOutput output)
{
    ReportRequest r;
    r.form = ReportForm::CXKC;
    r.prepare = [this, brand = m_goods->PinPai(), product = m_goods->ChanPin(), spec = m_goods->GuiGe(),
                 order = orderBox->currentText()] {
        return ReportData{PrepareBB_CXKC(m_ctx.db(), brand, product, spec, order), {}};
    };
    r.labels = {{QStringLiteral("TitleQRLabel"), m_ctx.GsInfo.GSName + QStringLiteral("库存查询")},
                {QStringLiteral("DateQRLabel"), m_ctx.today().toString(QStringLiteral("yyyy-MM-dd"))},
                {QStringLiteral("SumSLQRLabel"), SLLabel->text()},
                {QStringLiteral("SumJEQRLabel"), ZCBLabel->text()}};
    PrintReport(m_ctx, this, true, r, output);
}

// The movements of the selected goods item with a running balance.
void TCX_KuCunForm::KuCunKaButtonClick()
{
    const int row = stockGrid->row();
    const QString brand = stockGrid->cell(1, row);
    if (row < 1 || brand.isEmpty())
        return;
    TStockCardForm card(m_ctx, {brand, stockGrid->cell(2, row), stockGrid->cell(3, row)}, this);
    card.exec();
}
