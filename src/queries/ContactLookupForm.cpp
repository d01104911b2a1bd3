#include "ContactLookupForm.h"

#include "AppContext.h"
#include "ContactColumns.h"
#include "ContactTable.h"
#include "GongYingShangStore.h"
#include "GuardedConnect.h"
#include "KeHuStore.h"
#include "PrintReport.h"
#include "StringGrid.h"
#include "YuanGongStore.h"

#include <QDate>
#include <QLineEdit>
#include <QPushButton>

TContactLookupForm::TContactLookupForm(AppContext& context, QWidget* parent, Shape shape)
    : QDialog(parent), m_ctx(context), m_shape(std::move(shape))
{
    m_columns = {{QString(), 10, {}}};
    m_columns << m_shape.columns();
    setupUi();
    search({});
    GuardedConnect(SearchButton, &QPushButton::clicked, this, m_ctx, &TContactLookupForm::SearchButtonClick);
    GuardedConnect(ShowAllButton, &QPushButton::clicked, this, m_ctx, &TContactLookupForm::ShowAllButtonClick);
    GuardedConnect(EscButton, &QPushButton::clicked, this, m_ctx, &TContactLookupForm::close);
    GuardedConnect(PrintButton, &QPushButton::clicked, this, m_ctx, [this] { PrintLookup(ReportOutput::Print); });
    GuardedConnect(BrowseButton, &QPushButton::clicked, this, m_ctx, [this] { PrintLookup(ReportOutput::Preview); });
}

void TContactLookupForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SearchEdit->setFocus();
}

void TContactLookupForm::search(const QString& text)
{
    m_rows = SearchContacts(m_ctx.db(), m_shape.table(), text);
    FillGrid(*contactGrid, m_rows, m_columns);
    contactGrid->setRow(contactGrid->rowCount() - 1);
}

void TContactLookupForm::SearchButtonClick()
{
    search(SearchEdit->text().trimmed());
    SearchEdit->setFocus();
    SearchEdit->selectAll();
}

void TContactLookupForm::ShowAllButtonClick()
{
    search({});
}

// The rows of the last list or search, as the grid shows them.
void TContactLookupForm::PrintLookup(ReportOutput output)
{
    ReportRequest r;
    r.form = m_shape.form;
    r.prepare = [rows = m_rows] { return ReportData{rows, {}}; };
    r.labels = {{QStringLiteral("TitleQRLabel"), m_ctx.GsInfo.GSName + m_shape.caption},
                {QStringLiteral("DateQRLabel"), m_ctx.today().toString(QStringLiteral("yyyy-MM-dd"))}};
    PrintReport(m_ctx, this, true, r, output);
}

TCX_KeHuForm::TCX_KeHuForm(AppContext& context, QWidget* parent)
    : TContactLookupForm(context, parent,
                         {"CX_KeHuForm", QStringLiteral("客户查询"), "KHEdit", QStringLiteral("客户"), &KeHuTable,
                          &KeHuColumns, ReportForm::CXKH})
{
}

TCX_GYSForm::TCX_GYSForm(AppContext& context, QWidget* parent)
    : TContactLookupForm(context, parent,
                         {"CX_GYSForm", QStringLiteral("供应商查询"), "GYSEdit", QStringLiteral("供应商"), &GYSTable,
                          &GYSColumns, ReportForm::CXGYS})
{
}

TCX_YGForm::TCX_YGForm(AppContext& context, QWidget* parent)
    : TContactLookupForm(context, parent,
                         {"CX_YGForm", QStringLiteral("员工查询"), "YGEdit", QStringLiteral("员工"), &YuanGongTable,
                          &YuanGongColumns, ReportForm::CXYG})
{
}
