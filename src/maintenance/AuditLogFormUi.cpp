// Layout of the operation log window.
#include "AuditLogForm.h"

#include "AppContext.h"
#include "DateRangePresets.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

void TAuditLogForm::setupUi()
{
    setObjectName(QStringLiteral("AuditLogForm"));
    setWindowTitle(QStringLiteral("操作日志"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);

    fromDate = MakeDateEdit(this, "DateTimePicker1");
    toDate = MakeDateEdit(this, "DateTimePicker2");
    Presets = Named(new DateRangePresets(m_ctx.clock(), fromDate, toDate, this), "Presets");
    ActionComboBox = Named(new QComboBox(this), "ActionComboBox");
    ActionComboBox->setMinimumWidth(130);
    CXButton = MakeButton(this, "CXButton", QStringLiteral("查询"));
    CXButton->setDefault(true);
    EscButton = MakeButton(this, "EscButton", QStringLiteral("退出"));

    auto* bar = new QHBoxLayout;
    AddDateRange(bar, fromDate, toDate);
    bar->addWidget(new QLabel(QStringLiteral("操作"), this));
    bar->addWidget(ActionComboBox);
    bar->addWidget(CXButton);
    bar->addStretch(1);
    bar->addLayout(ButtonRow({EscButton}));

    auditGrid = Named(new StringGrid(this), "StringGrid1");
    CountLabel = Named(new QLabel(this), "CountLabel");

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(10, 10, 10, 10);
    top->addLayout(bar);
    top->addWidget(Presets);
    top->addWidget(auditGrid, 1);
    top->addWidget(CountLabel);
    resize(1000, 540);
}
