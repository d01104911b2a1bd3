// Screenshots of the query windows, drawn offscreen on a temporary program folder with the
// demonstration data:
//   QT_QPA_PLATFORM=offscreen queries_shots DIR
// writes stock.png, stock-card.png, stock-card-preview.png, sz.png, customers.png, sales.png,
// sales-returns-customer.png, sales-document-preview.png, purchases.png, performance.png and the
// seven pages of the sales profit window (profit-*.png) with a printout into DIR.

#include "../ShotTool.h"
#include "AppContext.h"
#include "Application.h"
#include "CX_CaiGouForm.h"
#include "CX_KuCunForm.h"
#include "CX_SZForm.h"
#include "ContactLookupForm.h"
#include "DateRangePresets.h"
#include "CX_XSLRForm.h"
#include "CX_XiaoShouForm.h"
#include "CX_YGYJForm.h"
#include "ProfitTrendChart.h"
#include "ReportPreviewDialog.h"
#include "StockCardForm.h"
#include "StringGrid.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

// The preview that a click on `button` opens.
void PreviewShot(QPushButton* button, const char* name)
{
    QTimer::singleShot(0, [name] {
        if (auto* preview = qobject_cast<ReportPreviewDialog*>(QApplication::activeModalWidget())) {
            preview->resize(900, 1000);
            Shot(*preview, name);
            preview->reject();
        }
    });
    button->click();
}

// Every demonstration document up to today (where the page's range ends when it opens).
void ListAll(DocumentQueryPage& page)
{
    page.From->setDate(QDate(2000, 1, 1));
    page.Query(true);
}

// Picks a name in a selection grid (which lists the page again).
void Pick(StringGrid& grid, const QString& name)
{
    for (int r = 1; r < grid.rowCount(); ++r)
        if (grid.cell(0, r) == name)
            grid.setRow(r);
}

// Every page of the sales profit window over the demonstration months; the selection pages on
// the goods item that sold most.
void ProfitShots(AppContext& context)
{
    TCX_XSLRForm profit(context);
    const QDate today = context.today();
    profit.fromDate->setDate(QDate(today.year(), today.month(), 1).addMonths(-4));
    profit.toDate->setDate(today);
    profit.countButton->click();
    profit.resize(1180, 720);
    Shot(profit, "profit-documents.png");
    PreviewShot(profit.BrowseButton, "profit-documents-preview.png");
    profit.pageTabs->setCurrentIndex(TCX_XSLRForm::SP);
    Shot(profit, "profit-goods.png");
    const QString brand = profit.itemGrid->cell(1, 1);
    const QString product = profit.itemGrid->cell(2, 1);
    profit.pageTabs->setCurrentIndex(TCX_XSLRForm::PP);
    Pick(*profit.brandPageProductList, product);
    Shot(profit, "profit-brands.png");
    profit.pageTabs->setCurrentIndex(TCX_XSLRForm::CP);
    Pick(*profit.productPageBrandList, brand);
    Shot(profit, "profit-products.png");
    profit.pageTabs->setCurrentIndex(TCX_XSLRForm::GG);
    Pick(*profit.specPageBrandList, brand);
    Pick(*profit.specPageProductList, product);
    Shot(profit, "profit-specs.png");
    profit.pageTabs->setCurrentIndex(TCX_XSLRForm::KH);
    Shot(profit, "profit-customers.png");
    profit.pageTabs->setCurrentIndex(TCX_XSLRForm::Trend);
    Shot(profit, "profit-trend.png");
    profit.TrendChart->exportPng(ShotFolder().filePath(QStringLiteral("profit-trend-export.png")));

    TCX_XSLRForm opened(context);
    opened.resize(1024, 700);
    opened.pageTabs->setCurrentIndex(TCX_XSLRForm::Trend);
    opened.TopComboBox->setCurrentIndex(1);
    Shot(opened, "profit-trend-products.png");
}

}  // namespace

int main(int argc, char* argv[])
{
    QingLanApplication app(argc, argv);
    ShotProgram program;
    if (!program.start(app, argc, argv, "queries_shots"))
        return 1;
    AppContext& context = *program.context;
    TCX_KuCunForm stock(context);
    stock.stockGrid->setRow(1);
    Shot(stock, "stock.png");
    TStockCardForm card(context,
                        {stock.stockGrid->cell(1, 1), stock.stockGrid->cell(2, 1), stock.stockGrid->cell(3, 1)},
                        &stock);
    Shot(card, "stock-card.png");
    PreviewShot(card.BrowseButton, "stock-card-preview.png");
    TCX_SZForm sz(context);
    sz.Presets->choose(DateRangePresets::ThisYear);
    sz.CXButtonClick();
    Shot(sz, "sz.png");
    TCX_KeHuForm customers(context);
    Shot(customers, "customers.png");

    TCX_XiaoShouForm sales(context);
    sales.SetQueryKind(ForwardKind);
    ListAll(*sales.journalPage);
    Shot(sales, "sales.png");
    PreviewShot(sales.journalPage->BrowseDocumentButton, "sales-document-preview.png");
    emit context.changes.changedElsewhere();  // as when another counter saved
    Shot(sales, "sales-refresh-offer.png");
    TCX_XiaoShouForm returns(context);
    returns.SetQueryKind(ReturnKind);
    returns.pageTabs->setCurrentIndex(1);
    ListAll(*returns.customerPage);
    Shot(returns, "sales-returns-customer.png");
    TCX_CaiGouForm purchases(context);
    purchases.SetQueryKind(ForwardKind);
    ListAll(*purchases.Page);
    Shot(purchases, "purchases.png");

    TCX_YGYJForm performance(context);
    performance.fromDate->setDate(QDate(context.today().year(), 1, 1));
    performance.countButton->click();
    Shot(performance, "performance.png");

    ProfitShots(context);
    return 0;
}
