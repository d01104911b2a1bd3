#include "ZhangLingForm.h"

#include "AccountTexts.h"
#include "AccountsStore.h"
#include "AppContext.h"
#include "GridColumns.h"
#include "GridList.h"
#include "GuardedConnect.h"
#include "StringGrid.h"

#include <QDate>
#include <QPushButton>

TZhangLingForm::TZhangLingForm(AppContext& context, AccountSide side, QWidget* parent)
    : QDialog(parent), m_ctx(context), m_side(side)
{
    setupUi();
    GuardedConnect(PrintButton, &QPushButton::clicked, this, m_ctx, &TZhangLingForm::PrintButtonClick);
    GuardedConnect(BrowseButton, &QPushButton::clicked, this, m_ctx, &TZhangLingForm::BrowseButtonClick);
    GuardedConnect(EscButton, &QPushButton::clicked, this, m_ctx, &QDialog::close);
    m_rows = Ageing(OpenDocuments(m_ctx.db(), m_side, AllParties()), m_side, m_ctx.today());
    FillGrid(*ageingGrid, m_rows, TextsOf(m_side).ageingColumns);
    ageingGrid->setRow(1);
}

void TZhangLingForm::PrintList(bool print)
{
    PrintGridList(m_ctx, this, windowTitle(), m_rows, TextsOf(m_side).ageingColumns,
                  print ? ReportOutput::Print : ReportOutput::Preview);
}

void TZhangLingForm::PrintButtonClick()
{
    PrintList(true);
}

void TZhangLingForm::BrowseButtonClick()
{
    PrintList(false);
}
