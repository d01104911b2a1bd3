// Layout of the receipt (payment) dialog and the history dialog.
#include "PartPaymentDialogs.h"

#include "AccountTexts.h"
#include "GridColumns.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace {

constexpr Qt::WindowFlags DialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

}  // namespace

void TCJForm::setupUi()
{
    const AccountTexts& texts = TextsOf(m_side);
    setObjectName(texts.recordFormName);
    setWindowTitle(texts.record);
    setWindowFlags(DialogFlags);

    payDate = MakeDateEdit(this, "DateTimePicker1");
    QKEdit = MakeEdit(this, "QKEdit");
    QKEdit->setReadOnly(true);
    QKEdit->setEnabled(false);
    SKEdit = MakeEdit(this, "SKEdit");
    OKButton = MakeButton(this, "OKButton", QStringLiteral("确定"));
    OKButton->setAutoDefault(true);  // Enter on the focused button confirms
    EscButton = MakeButton(this, "EscButton", QStringLiteral("取消"));

    auto* fields = new QFormLayout;
    fields->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fields->setVerticalSpacing(10);
    fields->addRow(texts.dateLabel, payDate);
    fields->addRow(QStringLiteral("目前尚欠款"), QKEdit);
    fields->addRow(texts.amountLabel, SKEdit);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(20, 18, 20, 14);
    top->setSpacing(14);
    top->addLayout(fields);
    top->addLayout(ButtonRow({OKButton, EscButton}));
    setFixedSize(300, sizeHint().height());
}

void TGCForm::setupUi()
{
    const AccountTexts& texts = TextsOf(m_side);
    setObjectName(texts.historyFormName);
    setWindowTitle(texts.historyCaption);
    setWindowFlags(DialogFlags);

    paymentGrid = Named(new StringGrid(this), "StringGrid1");
    SetGridColumns(*paymentGrid, texts.historyColumns);
    paymentGrid->verticalHeader()->setDefaultSectionSize(std::max(15, fontMetrics().height() + 4));
    EscButton = MakeButton(this, "EscButton", QStringLiteral("返回"));

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(12, 12, 12, 12);
    top->addWidget(paymentGrid, 1);
    top->addLayout(ButtonRow({EscButton}));
    resize(300, 320);
}
