#include "AuditLogForm.h"

#include "AppContext.h"
#include "AuditLogStore.h"
#include "DateRangePresets.h"
#include "GridColumns.h"
#include "GuardedConnect.h"
#include "StringGrid.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>

namespace {

QVector<GridColumn> AuditColumns()
{
    return {{QString(), 10, {}},
            {QStringLiteral("时间"), 140, QStringLiteral("at_time")},
            {QStringLiteral("操作员"), 90, QStringLiteral("operator")},
            {QStringLiteral("操作"), 110, QStringLiteral("action")},
            {QStringLiteral("对象"), 170, QStringLiteral("object")},
            {QStringLiteral("原值"), 220, QStringLiteral("old_value")},
            {QStringLiteral("新值"), 220, QStringLiteral("new_value")}};
}
}  // namespace

TAuditLogForm::TAuditLogForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    SetGridColumns(*auditGrid, AuditColumns());
    const QDate today = m_ctx.today();
    fromDate->setDate(QDate(today.year(), today.month(), 1));
    toDate->setDate(today);
    RunGuarded(m_ctx, this, [this] {
        ActionComboBox->addItem(QString::fromUtf8(AllActions));
        ActionComboBox->addItems(AuditActions(m_ctx.db()));
        ListAudit();
    });
    GuardedConnect(CXButton, &QPushButton::clicked, this, m_ctx, &TAuditLogForm::CXButtonClick);
    GuardedConnect(Presets, &DateRangePresets::rangeChosen, this, m_ctx, &TAuditLogForm::CXButtonClick);
    GuardedConnect(ActionComboBox, &QComboBox::activated, this, m_ctx, [this](int) { CXButtonClick(); });
    connect(EscButton, &QPushButton::clicked, this, &QDialog::close);
}

// The entries of the range and action, newest first; the first row selected.
void TAuditLogForm::ListAudit()
{
    const RowSet rows =
        AuditRows(m_ctx.db(), fromDate->date(), toDate->date(), ActionComboBox->currentText());
    FillGrid(*auditGrid, rows, AuditColumns());
    auditGrid->setRow(1);
    CountLabel->setText(QStringLiteral("共 %1 条").arg(rows.rowCount()));
}

void TAuditLogForm::CXButtonClick()
{
    ListAudit();
}
