#include "ZhangLingForm.h"

#include "AccountTexts.h"
#include "AccountsStore.h"
#include "AppContext.h"
#include "GridColumns.h"
#include "GuardedConnect.h"
#include "StringGrid.h"

#include <QDate>
#include <QPushButton>

TZhangLingForm::TZhangLingForm(AppContext& context, AccountSide side, QWidget* parent)
    : QDialog(parent), m_ctx(context), m_side(side)
{
    setupUi();
    GuardedConnect(EscButton, &QPushButton::clicked, this, m_ctx, &QDialog::close);
    FillGrid(*StringGrid1, Ageing(OpenDocuments(m_ctx.db(), m_side, AllParties()), m_side, QDate::currentDate()),
             TextsOf(m_side).ageingColumns);
    StringGrid1->setRow(1);
}
