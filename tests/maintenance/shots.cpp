// Screenshots of the maintenance windows, drawn offscreen on a temporary program folder with the
// demonstration data, its months closed:
//   QT_QPA_PLATFORM=offscreen maintenance_shots DIR
// writes closing.png, closing-preview.png, clearing.png, clearing-question.png, init.png,
// backup.png, restore.png and audit-log.png into DIR.

#include "../ShotTool.h"
#include "AppContext.h"
#include "Application.h"
#include "AuditLog.h"
#include "AuditLogForm.h"
#include "AutoBackup.h"
#include "ClearDataForm.h"
#include "ExitBackup.h"
#include "DataBAKForm.h"
#include "DigitsUpDown.h"
#include "InitSYSForm.h"
#include "JieQunForm.h"
#include "JieQunStore.h"
#include "MonthKey.h"
#include "ReportPreviewDialog.h"

#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

// Takes the next modal window (a preview or a question) and closes it.
void ShotOfModal(const char* name)
{
    QTimer::singleShot(0, [name] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (qobject_cast<ReportPreviewDialog*>(modal))
                modal->resize(900, 700);
            Shot(*modal, name);
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                box->reject();
            else
                static_cast<QDialog*>(modal)->reject();
        }
    });
}

}  // namespace

int main(int argc, char* argv[])
{
    QingLanApplication app(argc, argv);
    ShotProgram program;
    if (!program.start(app, argc, argv, "maintenance_shots"))
        return 1;
    AppContext& context = *program.context;
    // The demonstration data covers about four months up to today: close each of them.
    const QDate today = context.today();
    for (int back = 5; back >= 0; --back) {
        const QDate month = today.addMonths(-back);
        MakeJieQun(context.db(), MonthKey(QString::number(month.year()), QString::number(month.month())));
    }
    {
        TJieQunForm form(context);
        const QDate first = today.addMonths(-5);
        form.BeginYUpDown->setValue(first.year());
        form.BeginMUpDown->setValue(first.month());
        form.EndYUpDown->setValue(today.year());
        form.EndMUpDown->setValue(today.month());
        form.show();
        form.CXButton->click();
        Shot(form, "closing.png");
        ShotOfModal("closing-preview.png");
        form.BrowseButton->click();
    }
    {
        TClearDataForm form(context);
        Shot(form, "clearing.png");
        ShotOfModal("clearing-question.png");
        form.ClearButton->click();
    }
    {
        TInitSYSForm form(context);
        form.XSCheckBox->setChecked(true);
        form.SZCheckBox->setChecked(true);
        Shot(form, "init.png");
        ShotOfModal("init-question.png");
        form.ClearButton->click();
    }
    MakeAutoBackup(context.db(), AutoBackupFolder(context), today.addDays(-1), 10);
    MakeAutoBackup(context.db(), AutoBackupFolder(context), today, 10);
    {
        TDataBAK_Form form(context);
        form.pathEdit->setText(QDir::toNativeSeparators(QDir::home().filePath(ProposedBackupName(today) + ".data")));
        Shot(form, "backup.png");
    }
    {
        TDataCBAK_Form form(context);
        form.pathEdit->setText(QDir::toNativeSeparators(QDir::home().filePath(ProposedBackupName(today) + ".data")));
        Shot(form, "restore.png");
        ShotOfModal("restore-question.png");
        form.restoreButton->click();
    }
    {
        // A few entries of the audit log: a month cleared, a restore, a user change.
        context.db().setOperator(QStringLiteral("系统管理员"));
        WriteAudit(context.db(), QStringLiteral("修改用户"), QStringLiteral("王磊"), QStringLiteral("王磊"),
                   QStringLiteral("+QX_XSDJ,-QX_UserGL"));
        WriteAudit(context.db(), QStringLiteral("恢复数据库"), QDir::toNativeSeparators(AutoBackups(AutoBackupFolder(context)).value(0)),
                   {}, QStringLiteral("原数据库保留为 db.data.before-restore"));
        TAuditLogForm form(context);
        Shot(form, "audit-log.png");
    }
    return 0;
}
