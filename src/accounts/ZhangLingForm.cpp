#include "ZhangLingForm.h"

#include "AccountTexts.h"
#include "AccountsStore.h"
#include "AppContext.h"
#include "GuardedConnect.h"
#include "StringGrid.h"

#include <QDate>
#include <QPushButton>

TZhangLingForm::TZhangLingForm(AppContext& context, AccountSide side, QWidget* parent)
    : QDialog(parent), m_ctx(context), m_side(side)
{
    setupUi();
    GuardedConnect(EscButton, &QPushButton::clicked, this, m_ctx, &QDialog::close);
    QVector<QStringList> rows;
    for (const AgeingRow& r : Ageing(OpenDocuments(m_ctx.db(), m_side, AllParties()), QDate::currentDate())) {
        QStringList row{r.party};
        for (double band : r.bands)
            row.append(MoneyText(band));
        row.append(MoneyText(r.total));
        rows.append(row);
    }
    StringGrid1->setDataRows(std::move(rows));
    StringGrid1->setRow(1);
}
