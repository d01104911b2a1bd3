#include "CX_SZForm.h"

#include "AppContext.h"
#include "ClosedMonthQuestion.h"
#include "DateRangePresets.h"
#include "GridColumns.h"
#include "GuardedConnect.h"
#include "NumberText.h"
#include "PrintReport.h"
#include "ShouZhiColumns.h"
#include "ShouZhiStore.h"
#include "StringGrid.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>

TCX_SZForm::TCX_SZForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    const QDate today = m_ctx.today();
    fromDate->setDate(QDate(today.year(), today.month(), 1));
    toDate->setDate(today);
    ListShouZhi();
    CalcTotals();
    GuardedConnect(CXButton, &QPushButton::clicked, this, m_ctx, &TCX_SZForm::CXButtonClick);
    GuardedConnect(Presets, &DateRangePresets::rangeChosen, this, m_ctx, &TCX_SZForm::CXButtonClick);
    GuardedConnect(DelButton, &QPushButton::clicked, this, m_ctx, &TCX_SZForm::DelButtonClick);
    GuardedConnect(PrintButton, &QPushButton::clicked, this, m_ctx, [this] { PrintShouZhi(false); });
    GuardedConnect(BrowseButton, &QPushButton::clicked, this, m_ctx, [this] { PrintShouZhi(true); });
    GuardedConnect(EscButton, &QPushButton::clicked, this, m_ctx, &TCX_SZForm::close);
}

void TCX_SZForm::ListShouZhi()
{
    m_rows = ShouZhiRows(m_ctx.db(), fromDate->date(), toDate->date());
    FillGrid(*entryGrid, m_rows, ShouZhiColumns());
    entryGrid->setRow(1);
}

// Income where the type is exactly "收入", expense otherwise; each to the cent with " 元".
void TCX_SZForm::CalcTotals()
{
    double income = 0;
    double expense = 0;
    for (int r = 1; r < entryGrid->rowCount(); ++r) {
        const QString amount = entryGrid->cell(5, r);
        if (amount.isEmpty())
            continue;
        (entryGrid->cell(3, r) == IncomeType() ? income : expense) += CellNumber(amount);
    }
    SRLabel->setText(YuanText(income));
    ZCLabel->setText(YuanText(expense));
}

void TCX_SZForm::CXButtonClick()
{
    ListShouZhi();
    CalcTotals();
}

void TCX_SZForm::DelButtonClick()
{
    const QString dh = entryGrid->cell(1, entryGrid->row());
    if (entryGrid->row() < 1 || dh.isEmpty())
        return;
    if (!m_ctx.prompts->warningQuestion(this, QStringLiteral("确定要删除单号为'") + dh + QStringLiteral("'的收支记录吗?")))
        return;
    const QDate day =
        QDate::fromString(m_rows.value(entryGrid->row() - 1, QStringLiteral("in_date")).toString(), Qt::ISODate);
    if (!GoOnInClosedMonth(m_ctx, this, day))
        return;
    DeleteShouZhi(m_ctx.db(), dh);
    ListShouZhi();
    CalcTotals();
}

// The rows of the last list under the pickers' current dates.
void TCX_SZForm::PrintShouZhi(bool preview)
{
    const QString form = QStringLiteral("yyyy-MM-dd");
    ReportRequest r;
    r.form = ReportForm::CXSZ;
    r.prepare = [rows = m_rows] { return ReportData{rows, {}}; };
    r.labels = {{QStringLiteral("TitleQRLabel"), fromDate->date().toString(form) + QStringLiteral("至")
                                                     + toDate->date().toString(form)
                                                     + QStringLiteral("收支查询")},
                {QStringLiteral("SUMSRQRLabel"), SRLabel->text()},
                {QStringLiteral("SUMZCQRLabel"), ZCLabel->text()}};
    PrintReport(m_ctx, this, true, r, preview ? ReportOutput::Preview : ReportOutput::Print);
}
