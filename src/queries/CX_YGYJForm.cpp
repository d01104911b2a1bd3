#include "CX_YGYJForm.h"

#include "AppContext.h"
#include "BackgroundWork.h"
#include "DateRangePresets.h"
#include "GridColumns.h"
#include "GuardedConnect.h"
#include "PrintReport.h"
#include "ProfitColumns.h"
#include "ProfitTotals.h"
#include "ReportData.h"
#include "StringGrid.h"
#include "YuanGongStore.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

TCX_YGYJForm::TCX_YGYJForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    const QDate today = m_ctx.today();
    fromDate->setDate(QDate(today.year(), today.month(), 1));
    toDate->setDate(today);
    RunGuarded(m_ctx, this, [this] {
        ListYeWuYuanNames();
        ListYGYJ();
        CalcYGYJTotals();
    });
    const auto refresh = [this] {
        ListYGYJ();
        CalcYGYJTotals();
    };
    GuardedConnect(countButton, &QPushButton::clicked, this, m_ctx, refresh);
    GuardedConnect(Presets, &DateRangePresets::rangeChosen, this, m_ctx, refresh);
    GuardedConnect(employeeGrid, &StringGrid::rowSelected, this, m_ctx, refresh);
    GuardedConnect(PrintButton, &QPushButton::clicked, this, m_ctx, [this] { PrintYGYJ(ReportOutput::Print); });
    GuardedConnect(BrowseButton, &QPushButton::clicked, this, m_ctx, [this] { PrintYGYJ(ReportOutput::Preview); });
    GuardedConnect(EscButton, &QPushButton::clicked, this, m_ctx, &TCX_YGYJForm::close);
}

// "所有", then every employee in the order they were added; "所有" selected.
void TCX_YGYJForm::ListYeWuYuanNames()
{
    QVector<QStringList> rows{{QStringLiteral("所有")}};
    for (const QString& name : YuanGongNames(m_ctx.db()))
        rows.append({name});
    const QSignalBlocker quiet(employeeGrid);
    employeeGrid->setDataRows(std::move(rows));
    employeeGrid->setRow(1);
}

QString TCX_YGYJForm::selectedYuanGong() const
{
    const int r = employeeGrid->row();
    return r > 0 ? employeeGrid->cell(0, r) : QString();
}

// The same rows as the printout, by salesperson and product class; the first row selected.
void TCX_YGYJForm::ListYGYJ()
{
    const QString who = selectedYuanGong();
    const QDate from = fromDate->date(), to = toDate->date();
    const auto rows = RunInBackground(m_ctx, this, QStringLiteral("正在统计员工业绩..."),
                                      [&](Database& db) { return PrepareBB_YGYJ(db, who, from, to); });
    if (!rows)
        return;
    FillGrid(*salesGrid, *rows, YGYJColumns());
    salesGrid->setRow(1);
}

void TCX_YGYJForm::CalcYGYJTotals()
{
    ShowProfitTotals(*salesGrid, 4, {JELabel, LRLabel, LRRLabel, CBLabel});
}

void TCX_YGYJForm::PrintYGYJ(ReportOutput output)
{
    const QDate from = fromDate->date();
    const QDate to = toDate->date();
    ReportRequest r;
    r.form = ReportForm::YGYJ;
    r.read = [who = selectedYuanGong(), from, to](Database& db) {
        return ReportData{PrepareBB_YGYJ(db, who, from, to), {}};
    };
    const QString day = QStringLiteral("yyyy-MM-dd");
    r.labels = ProfitTotalPrintLabels({JELabel, LRLabel, LRRLabel, CBLabel});
    r.labels.insert(QStringLiteral("TitleQRLabel"),
                    from.toString(day) + QStringLiteral("至") + to.toString(day) + QStringLiteral("员工业绩报表"));
    PrintReport(m_ctx, this, !salesGrid->cell(1, 1).isEmpty(), r, output);
}
