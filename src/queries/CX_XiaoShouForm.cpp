#include "CX_XiaoShouForm.h"

#include "AppContext.h"
#include "DocumentQuery.h"
#include "DocumentStore.h"
#include "GuardedConnect.h"
#include "RefreshOffer.h"
#include "ReportData.h"
#include "StringGrid.h"
#include "TradeDocumentPrintout.h"
#include "WindowParts.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace {

DocumentBook SalesBook(AppContext& ctx)
{
    DocumentBook b;
    b.word = QStringLiteral("销售");
    b.listColumns = {{QString(), 10, {}},
                     {QStringLiteral("单号"), 110, QStringLiteral("dh")},
                     {QStringLiteral("销售日期"), 85, QStringLiteral("in_date"), GridFormat::Date},
                     {QStringLiteral("数量"), 50, QStringLiteral("ShuLiang"), GridFormat::Integer},
                     {QStringLiteral("金额"), 85, QStringLiteral("jinE"), GridFormat::Money},
                     {QStringLiteral("客户"), 120, QStringLiteral("KeHu")},
                     {QStringLiteral("业务员"), 70, QStringLiteral("yewuyuan")},
                     {QStringLiteral("客户电话"), 100, QStringLiteral("KeHuPhone")},
                     {QStringLiteral("客户地址"), 150, QStringLiteral("KeHuAddress")},
                     {QStringLiteral("备注"), 120, QStringLiteral("Remark")}};
    b.list = &ListXiaoShouDan;
    b.lines = [&ctx](DanKind kind, const QString& dh) { return PrepareBB_XSDJ(ctx.db(), dh, kind); };
    b.listLines = &PrepareBB_XSDJLines;
    b.remove = [&ctx](const QString& dh) { DeleteXiaoShouDocument(ctx.db(), dh); };
    b.listForm = ReportForm::CXXS;
    b.document = [&ctx](const QString& word, const StringGrid& list, int row) {
        const auto cell = [&](int col) { return list.cell(col, row); };
        return TradeDocumentPrintout(ctx.GsInfo, ReportForm::XSDJ, word,
                                     {cell(1), cell(2), cell(5), cell(8), cell(7), cell(9), cell(3), cell(4)});
    };
    return b;
}

}  // namespace

TCX_XiaoShouForm::TCX_XiaoShouForm(AppContext& context, QWidget* parent)
    : QDialog(parent), m_ctx(context), m_book(SalesBook(context))
{
    setObjectName(QStringLiteral("CX_XiaoShouForm"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);
    pageTabs = Named(new QTabWidget(this), "PageControl1");
    journalPage = new DocumentQueryPage(m_ctx, m_book,
                                      {"DateTimePicker1", "DateTimePicker2", nullptr, "Button1", "Button3",
                                       "PrintButton1", "BrowseButton1", "GroupBox1", "StringGrid1", "SLLabel",
                                       "JELabel", "GroupBox2", "StringGrid2", "PrintButton3", "BrowseButton3"},
                                      false, pageTabs);
    customerPage = new DocumentQueryPage(m_ctx, m_book,
                                      {"DateTimePicker3", "DateTimePicker4", "KeHuEdit", "Button2", "Button4",
                                       "PrintButton", "BrowseButton", "GroupBox3", "StringGrid3", "SLLabel1",
                                       "JELabel1", "GroupBox4", "StringGrid4", "PrintButton4", "BrowseButton4"},
                                      true, pageTabs);
    journalPage->setObjectName(QStringLiteral("TabSheet1"));
    customerPage->setObjectName(QStringLiteral("TabSheet2"));
    pageTabs->addTab(journalPage, QStringLiteral("按销售流水查询"));
    pageTabs->addTab(customerPage, QStringLiteral("按客户查询"));
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(6, 6, 6, 6);
    top->addWidget(pageTabs);
    resize(1000, 640);

    // A deletion refills both pages (without the customer filter).
    for (DocumentQueryPage* page : {journalPage, customerPage})
        GuardedConnect(page, &DocumentQueryPage::documentDeleted, this, m_ctx, [this] {
            journalPage->Query(false);
            customerPage->Query(false);
        });
    refreshOffer = new RefreshOffer(m_ctx, this, [this] {
        journalPage->Reread();
        customerPage->Reread();
    });
    SetQueryKind(ForwardKind);
}

void TCX_XiaoShouForm::SetQueryKind(DanKind kind)
{
    setWindowTitle(kind == ForwardKind ? QStringLiteral("销售查询") : QStringLiteral("销售退货查询"));
    pageTabs->setCurrentIndex(0);
    for (DocumentQueryPage* page : {journalPage, customerPage}) {
        page->SetQueryKind(kind);
        page->Query(false);
    }
}
