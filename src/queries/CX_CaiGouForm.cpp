#include "CX_CaiGouForm.h"

#include "AppContext.h"
#include "DocumentQuery.h"
#include "DocumentStore.h"
#include "GuardedConnect.h"
#include "GongYingShangStore.h"
#include "RefreshOffer.h"
#include "ReportData.h"
#include "StringGrid.h"
#include "TradeDocumentPrintout.h"

#include <QVBoxLayout>

namespace {

DocumentBook PurchaseBook(AppContext& ctx)
{
    DocumentBook b;
    b.word = QStringLiteral("采购");
    b.listColumns = {{QString(), 10, {}},
                     {QStringLiteral("单号"), 110, QStringLiteral("dh")},
                     {QStringLiteral("采购日期"), 85, QStringLiteral("in_date"), GridFormat::Date},
                     {QStringLiteral("数量"), 50, QStringLiteral("ShuLiang"), GridFormat::Integer},
                     {QStringLiteral("金额"), 90, QStringLiteral("jinE"), GridFormat::Money},
                     {QStringLiteral("供应商"), 160, QStringLiteral("GYS")},
                     {QStringLiteral("备注"), 200, QStringLiteral("Remark")}};
    b.list = [](Database& db, DanKind kind, const QString&, const QDate& from, const QDate& to) {
        return ListCaiGouDan(db, kind, from, to);
    };
    b.lines = [&ctx](DanKind kind, const QString& dh) { return PrepareBB_CGDJ(ctx.db(), dh, kind); };
    b.listLines = &PrepareBB_CGDJLines;
    b.remove = [&ctx](const QString& dh) { DeleteCaiGouDocument(ctx.db(), dh); };
    b.listForm = ReportForm::CXCG;
    b.document = [&ctx](const QString& word, const StringGrid& list, int row) {
        const auto cell = [&](int col) { return list.cell(col, row); };
        const TGongYingShang supplier = GetGYS(ctx.db(), cell(5));
        return TradeDocumentPrintout(ctx.GsInfo, ReportForm::CGDJ, word,
                                     {cell(1), cell(2), cell(5), supplier.address, supplier.phone, cell(6), cell(3), cell(4)});
    };
    return b;
}

}  // namespace

TCX_CaiGouForm::TCX_CaiGouForm(AppContext& context, QWidget* parent)
    : QDialog(parent), m_ctx(context), m_book(PurchaseBook(context))
{
    setObjectName(QStringLiteral("CX_CaiGouForm"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);
    Page = new DocumentQueryPage(m_ctx, m_book,
                                 {"DateTimePicker1", "DateTimePicker2", nullptr, "Button1", "Button2", "PrintButton",
                                  "BrowseButton", "GroupBox1", "StringGrid1", "SLLabel", "JELabel", "GroupBox2",
                                  "StringGrid2", "PrintButton3", "BrowseButton3"},
                                 false, this);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(6, 6, 6, 6);
    top->addWidget(Page);
    resize(900, 620);
    GuardedConnect(Page, &DocumentQueryPage::documentDeleted, this, m_ctx, [this] { Page->Query(false); });
    refreshOffer = new RefreshOffer(m_ctx, this, [this] { Page->Reread(); });
    SetQueryKind(ForwardKind);
}

void TCX_CaiGouForm::SetQueryKind(DanKind kind)
{
    setWindowTitle(kind == ForwardKind ? QStringLiteral("采购查询") : QStringLiteral("采购退货查询"));
    Page->SetQueryKind(kind);
    Page->Query(false);
}
