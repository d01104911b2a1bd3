#include "ReportForms.h"

#include "FormLayouts.h"

#include <QHash>

namespace {

struct FormEntry {
    ReportForm form;
    ReportLayout (*build)();
};

constexpr FormEntry Forms[] = {
    {ReportForm::XSDJ, SalesDocumentLayout},
    {ReportForm::CGDJ, PurchaseDocumentLayout},
    {ReportForm::CXXS, SalesListLayout},
    {ReportForm::CXCG, PurchaseListLayout},
    {ReportForm::CXKC, StockListLayout},
    {ReportForm::CXXSLR_XSD, ProfitByDocumentLayout},
    {ReportForm::CXXSLR_SP, ProfitByGoodsLayout},
    {ReportForm::CXXSLR_PP, ProfitByBrandLayout},
    {ReportForm::CXXSLR_CP, ProfitByProductLayout},
    {ReportForm::CXXSLR_GG, ProfitBySpecLayout},
    {ReportForm::CXXSLR_KH, ProfitByCustomerLayout},
    {ReportForm::YGYJ, EmployeePerformanceLayout},
    {ReportForm::XSYSK, ReceivablesLayout},
    {ReportForm::CGYFK, PayablesLayout},
    {ReportForm::CXKH, CustomerListLayout},
    {ReportForm::CXGYS, SupplierListLayout},
    {ReportForm::CXYG, EmployeeListLayout},
    {ReportForm::CXSZ, IncomeExpenseListLayout},
    {ReportForm::JieQun, MonthlyClosingLayout},
    {ReportForm::XSXP, ReceiptLayout},
    {ReportForm::KHDZD, StatementLayout},
};

}  // namespace

QVector<ReportForm> AllReportForms()
{
    QVector<ReportForm> all;
    for (const FormEntry& e : Forms)
        all << e.form;
    return all;
}

const ReportLayout& ReportFormLayout(ReportForm form)
{
    static const QHash<int, ReportLayout> layouts = [] {
        QHash<int, ReportLayout> h;
        for (const FormEntry& e : Forms)
            h.insert(int(e.form), e.build());
        return h;
    }();
    return *layouts.find(int(form));
}

bool IsMasterDetailForm(ReportForm form)
{
    return ReportFormLayout(form).band(BandKind::SubDetail) != nullptr;
}
