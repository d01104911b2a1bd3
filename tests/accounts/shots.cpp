// Screenshots of the accounts windows, drawn offscreen on a temporary program folder with the
// demonstration data:
//   QT_QPA_PLATFORM=offscreen accounts_shots DIR
// writes receivables.png, receivables-customer.png, receivables-preview.png, receivables-statement.png,
// receivables-ageing.png, receivables-ageing-preview.png, receipt.png, receipt-history.png, payables.png, payment.png, payment-history.png, items.png and entry.png into DIR.

#include "AccountsForm.h"
#include "../ShotTool.h"
#include "AppContext.h"
#include "Application.h"
#include "PartPaymentDialogs.h"
#include "ReportPreviewDialog.h"
#include "SZDJForm.h"
#include "StringGrid.h"
#include "ZLSetYYSZForm.h"
#include "ZhangLingForm.h"

#include <QComboBox>
#include <QPushButton>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

// The first open document that has part payments recorded.
int RowWithHistory(TAccountsForm& form, AppContext& context)
{
    const QString table = form.side() == AccountSide::Receivable ? QStringLiteral("Log_SKGuoCheng")
                                                                 : QStringLiteral("Log_FKGuoCheng");
    for (int r = 1; r < form.documentGrid->rowCount(); ++r)
        if (context.db().scalar(QStringLiteral("select 1 from %1 where dh=:dh").arg(table),
                                {{QStringLiteral(":dh"), form.documentGrid->cell(1, r)}}).isValid())
            return r;
    return 1;
}

void AccountShots(AppContext& context, TAccountsForm& form, const char* window, const char* dialog,
                  const char* history)
{
    const int r = RowWithHistory(form, context);
    form.documentGrid->setRow(r);
    Shot(form, window);
    TCJForm pay(context, form.side(), &form);
    pay.QKEdit->setText(form.documentGrid->cell(6, r));
    pay.SKEdit->setText(QStringLiteral("500"));
    Shot(pay, dialog);
    TGCForm past(context, form.side(), &form);
    past.SetDH(form.documentGrid->cell(1, r));
    Shot(past, history);
}

// The preview the button opens.
void PreviewShot(QPushButton* button, const char* name)
{
    QTimer::singleShot(0, [name] {
        if (auto* preview = qobject_cast<ReportPreviewDialog*>(QApplication::activeModalWidget())) {
            preview->resize(900, 1000);
            Shot(*preview, name);
            preview->reject();
        }
    });
    button->click();
}

}  // namespace

int main(int argc, char* argv[])
{
    QingLanApplication app(argc, argv);
    ShotProgram program;
    if (!program.start(app, argc, argv, "accounts_shots"))
        return 1;
    AppContext& context = *program.context;
    {
        TXSYSKForm form(context);
        AccountShots(context, form, "receivables.png", "receipt.png", "receipt-history.png");
        form.partyGrid->setRow(2);
        Shot(form, "receivables-customer.png");
        PreviewShot(form.BrowseButton, "receivables-preview.png");
        PreviewShot(form.DZDButton, "receivables-statement.png");
        TZhangLingForm ageing(context, AccountSide::Receivable, &form);
        Shot(ageing, "receivables-ageing.png");
        PreviewShot(ageing.BrowseButton, "receivables-ageing-preview.png");
    }
    {
        TCGYFKForm form(context);
        AccountShots(context, form, "payables.png", "payment.png", "payment-history.png");
    }
    {
        TZLSetYYSZForm items(context);
        Shot(items, "items.png");
    }
    {
        TSZDJForm entry(context);
        entry.SZComboBox->setCurrentIndex(0);
        entry.SRRadioButton->setChecked(true);
        entry.JEEdit->setText(QStringLiteral("200"));
        Shot(entry, "entry.png");
    }
    return 0;
}
