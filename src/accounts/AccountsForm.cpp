#include "AccountsForm.h"

#include "AccountTexts.h"
#include "AccountsStore.h"
#include "AppContext.h"
#include "GridColumns.h"
#include "GuardedConnect.h"
#include "KeHuStore.h"
#include "NumberText.h"
#include "PartPaymentDialogs.h"
#include "PrintReport.h"
#include "RefreshOffer.h"
#include "ReportData.h"
#include "ZhangLingForm.h"
#include "StringGrid.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

// Column of the document list that holds the amount (5) and the amount owed (6).
constexpr int AmountColumn = 5;
constexpr int OwedColumn = 6;

}  // namespace

TAccountsForm::TAccountsForm(AppContext& context, AccountSide side, QWidget* parent)
    : QDialog(parent), m_ctx(context), m_side(side)
{
    setupUi();
    GuardedConnect(HXButton, &QPushButton::clicked, this, m_ctx, TextsOf(m_side).writeOff, &TAccountsForm::HXButtonClick);
    GuardedConnect(CJButton, &QPushButton::clicked, this, m_ctx, &TAccountsForm::CJButtonClick);
    GuardedConnect(GCButton, &QPushButton::clicked, this, m_ctx, &TAccountsForm::GCButtonClick);
    GuardedConnect(PrintButton, &QPushButton::clicked, this, m_ctx, &TAccountsForm::PrintButtonClick);
    GuardedConnect(BrowseButton, &QPushButton::clicked, this, m_ctx, &TAccountsForm::BrowseButtonClick);
    GuardedConnect(ZLButton, &QPushButton::clicked, this, m_ctx, &TAccountsForm::ZLButtonClick);
    GuardedConnect(DZDButton, &QPushButton::clicked, this, m_ctx, &TAccountsForm::DZDButtonClick);
    GuardedConnect(EscButton, &QPushButton::clicked, this, m_ctx, &QDialog::close);
    GuardedConnect(partyGrid, &StringGrid::rowSelected, this, m_ctx, &TAccountsForm::partySelected);
    GuardedConnect(documentGrid, &StringGrid::rowSelected, this, m_ctx, &TAccountsForm::documentSelected);
    refreshOffer = new RefreshOffer(m_ctx, this, [this] { Reread(); });
    RefreshAll();
}

void TAccountsForm::Reread()
{
    const QString party = selectedParty();
    const QString dh = selectedDH();
    const QSignalBlocker quietParties(partyGrid);
    const QSignalBlocker quietDocuments(documentGrid);
    ListParties();
    if (!SelectRowWith(*partyGrid, 0, party))
        partyGrid->setRow(1);
    ListDocuments(selectedParty());
    SelectRowWith(*documentGrid, 1, dh);
    ShowLines(selectedDH());
    ShowTotals();
}

void TAccountsForm::RefreshAll()
{
    ListParties();
    ListDocuments(selectedParty());
    ShowLines(selectedDH());
    ShowTotals();
}

void TAccountsForm::ListParties()
{
    QVector<QStringList> rows{{AllParties()}};
    for (const QString& name : OwingParties(m_ctx.db(), m_side))
        rows.append({name});
    const QSignalBlocker quiet(partyGrid);
    partyGrid->setDataRows(std::move(rows));
    partyGrid->setRow(1);
}

void TAccountsForm::ListDocuments(const QString& party)
{
    const QSignalBlocker quiet(documentGrid);
    FillGrid(*documentGrid, OpenDocuments(m_ctx.db(), m_side, party), TextsOf(m_side).documentColumns);
    documentGrid->setRow(1);
    DZDButton->setEnabled(m_side == AccountSide::Receivable && !party.isEmpty() && party != AllParties());
}

void TAccountsForm::ShowLines(const QString& dh)
{
    FillGrid(*lineGrid, DocumentLines(m_ctx.db(), m_side, dh), TextsOf(m_side).lineColumns);
    lineGrid->setRow(lineGrid->rowCount() - 1);
}

void TAccountsForm::ShowTotals()
{
    JELabel->setText(YuanText(MoneyColumnSum(*documentGrid, AmountColumn)));
    QKLabel->setText(YuanText(MoneyColumnSum(*documentGrid, OwedColumn)));
}

QString TAccountsForm::selectedDH() const
{
    const int r = documentGrid->row();
    return r > 0 ? documentGrid->cell(1, r).trimmed() : QString();
}

QString TAccountsForm::selectedParty() const
{
    const int r = partyGrid->row();
    return r > 0 ? partyGrid->cell(0, r) : QString();
}

void TAccountsForm::partySelected()
{
    ListDocuments(selectedParty());
    ShowLines(selectedDH());
    ShowTotals();
}

void TAccountsForm::documentSelected()
{
    ShowLines(selectedDH());
}

void TAccountsForm::CJButtonClick()
{
    const QString dh = selectedDH();
    if (dh.isEmpty())
        return;
    TCJForm dialog(m_ctx, m_side, this);
    dialog.QKEdit->setText(documentGrid->cell(OwedColumn, documentGrid->row()).trimmed());
    dialog.SetDH(dh);
    if (dialog.exec() == QDialog::Accepted)
        RefreshAll();
}

void TAccountsForm::HXButtonClick()
{
    const QString dh = selectedDH();
    if (dh.isEmpty())
        return;
    if (!m_ctx.prompts->question(this, TextsOf(m_side).writeOffQuestion))
        return;
    WriteOffOwed(m_ctx.db(), m_side, dh);
    RefreshAll();
}

void TAccountsForm::GCButtonClick()
{
    const QString dh = selectedDH();
    if (dh.isEmpty())
        return;
    TGCForm dialog(m_ctx, m_side, this);
    dialog.SetDH(dh);
    dialog.exec();
}

void TAccountsForm::PrintList(bool print)
{
    const AccountTexts& texts = TextsOf(m_side);
    const QString party = selectedParty();
    ReportRequest r;
    r.form = m_side == AccountSide::Receivable ? ReportForm::XSYSK : ReportForm::CGYFK;
    r.prepare = [this, party] {
        return m_side == AccountSide::Receivable ? PrepareBB_XSYSK(m_ctx.db(), party) : PrepareBB_CGYFK(m_ctx.db(), party);
    };
    r.labels = {{QStringLiteral("TitleQRLabel"), texts.reportTitle},
                {QStringLiteral("DateQRLabel"), m_ctx.today().toString(QStringLiteral("yyyy-MM-dd"))},
                {QStringLiteral("SumJEQRLabel"), JELabel->text()},
                {QStringLiteral("SumQKQRLabel"), QKLabel->text()}};
    PrintReport(m_ctx, this, true, r, print ? ReportOutput::Print : ReportOutput::Preview);
}

void TAccountsForm::PrintButtonClick()
{
    PrintList(true);
}

void TAccountsForm::BrowseButtonClick()
{
    PrintList(false);
}

void TAccountsForm::ZLButtonClick()
{
    TZhangLingForm ageing(m_ctx, m_side, this);
    ageing.exec();
}

void TAccountsForm::DZDButtonClick()
{
    const QString customer = selectedParty();
    if (!DZDButton->isEnabled() || customer.isEmpty() || customer == AllParties())
        return;
    // The customer's phone and address from the customer list; a customer no longer listed
    // there keeps those of the newest open document.
    TKeHu k = GetKeHu(m_ctx.db(), customer);
    const int last = documentGrid->rowCount() - 1;
    if (k.KeHu.isEmpty()) {
        k.phone = documentGrid->cell(8, last);
        k.address = documentGrid->cell(9, last);
    }
    const RowSet statement = PrepareBB_KHDZD(m_ctx.db(), customer);
    const StatementTotals totals = TotalsOfStatement(statement);
    const TGsInfo& gs = m_ctx.GsInfo;
    ReportRequest r;
    r.form = ReportForm::KHDZD;
    r.prepare = [&statement] { return ReportData{statement, {}}; };
    r.labels = {{QStringLiteral("TitleQRLabel"), gs.GSName + QStringLiteral("客户对账单")},
                {QStringLiteral("QYAddressQRLabel"), gs.GSAddress},
                {QStringLiteral("QYPhoneQRLabel"), gs.GSPhone},
                {QStringLiteral("KHQRLabel"), customer},
                {QStringLiteral("PhoneQRLabel"), k.phone},
                {QStringLiteral("AddressQRLabel"), k.address},
                {QStringLiteral("DateQRLabel"), m_ctx.today().toString(QStringLiteral("yyyy-MM-dd"))},
                {QStringLiteral("SumJEQRLabel"), YuanText(totals.jinE)},
                {QStringLiteral("SumSKQRLabel"), YuanText(totals.SK)},
                {QStringLiteral("SumQKQRLabel"), YuanText(totals.YE)}};
    PrintReport(m_ctx, this, !statement.isEmpty(), r, ReportOutput::Preview);
}
