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
    profit.DateTimePicker1->setDate(QDate(today.year(), today.month(), 1).addMonths(-4));
    profit.DateTimePicker2->setDate(today);
    profit.Button1->click();
    profit.resize(1180, 720);
    Shot(profit, "profit-documents.png");
    PreviewShot(profit.BrowseButton, "profit-documents-preview.png");
    profit.PageControl1->setCurrentIndex(TCX_XSLRForm::SP);
    Shot(profit, "profit-goods.png");
    const QString brand = profit.StringGrid3->cell(1, 1);
    const QString product = profit.StringGrid3->cell(2, 1);
    profit.PageControl1->setCurrentIndex(TCX_XSLRForm::PP);
    Pick(*profit.StringGrid4, product);
    Shot(profit, "profit-brands.png");
    profit.PageControl1->setCurrentIndex(TCX_XSLRForm::CP);
    Pick(*profit.StringGrid6, brand);
    Shot(profit, "profit-products.png");
    profit.PageControl1->setCurrentIndex(TCX_XSLRForm::GG);
    Pick(*profit.StringGrid8, brand);
    Pick(*profit.StringGrid9, product);
    Shot(profit, "profit-specs.png");
    profit.PageControl1->setCurrentIndex(TCX_XSLRForm::KH);
    Shot(profit, "profit-customers.png");
    profit.PageControl1->setCurrentIndex(TCX_XSLRForm::Trend);
    Shot(profit, "profit-trend.png");
    profit.TrendChart->exportPng(ShotFolder().filePath(QStringLiteral("profit-trend-export.png")));

    TCX_XSLRForm opened(context);
    opened.resize(1024, 700);
    opened.PageControl1->setCurrentIndex(TCX_XSLRForm::Trend);
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
    stock.StringGrid1->setRow(1);
    Shot(stock, "stock.png");
    TStockCardForm card(context,
                        {stock.StringGrid1->cell(1, 1), stock.StringGrid1->cell(2, 1), stock.StringGrid1->cell(3, 1)},
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
    ListAll(*sales.TabSheet1);
    Shot(sales, "sales.png");
    PreviewShot(sales.TabSheet1->BrowseDocumentButton, "sales-document-preview.png");
    TCX_XiaoShouForm returns(context);
    returns.SetQueryKind(ReturnKind);
    returns.PageControl1->setCurrentIndex(1);
    ListAll(*returns.TabSheet2);
    Shot(returns, "sales-returns-customer.png");
    TCX_CaiGouForm purchases(context);
    purchases.SetQueryKind(ForwardKind);
    ListAll(*purchases.Page);
    Shot(purchases, "purchases.png");

    TCX_YGYJForm performance(context);
    performance.DateTimePicker1->setDate(QDate(context.today().year(), 1, 1));
    performance.Button1->click();
    Shot(performance, "performance.png");

    ProfitShots(context);
    return 0;
}
