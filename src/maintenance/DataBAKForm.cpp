#include "DataBAKForm.h"

#include "AppContext.h"
#include "AutoBackup.h"
#include "BackgroundWork.h"
#include "BackupStore.h"
#include "ExitBackup.h"
#include "GuardedConnect.h"
#include "RestoreDatabase.h"
#include "StringGrid.h"

#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QLineEdit>
#include <QPushButton>

QString ProposedBackupName(const QDate& day)
{
    return QStringLiteral("DBBack") + day.toString(QStringLiteral("yyyyMMdd"));
}

TDataBAK_Form::TDataBAK_Form(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    GuardedConnect(browseButton, &QPushButton::clicked, this, m_ctx, &TDataBAK_Form::browseButtonClick);
    GuardedConnect(backupButton, &QPushButton::clicked, this, m_ctx, QStringLiteral("备份数据"), &TDataBAK_Form::backupButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::close);
    ListAutoBackups();
}

// Date (from the name), size and path of each automatic backup, newest first.
void TDataBAK_Form::ListAutoBackups()
{
    QVector<QStringList> rows;
    for (const QString& path : AutoBackups(AutoBackupFolder(m_ctx))) {
        const QFileInfo file(path);
        // A day's backup shows its date, one made before an operation its time as well.
        const QDateTime made = AutoBackupTime(path);
        const bool ofTheDay = file.completeBaseName().size() == 14;
        rows.append({made.toString(ofTheDay ? QStringLiteral("yyyy-MM-dd") : QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                     QLocale::c().formattedDataSize(file.size(), 1, QLocale::DataSizeTraditionalFormat),
                     QDir::toNativeSeparators(path)});
    }
    AutoBackupGrid->setDataRows(std::move(rows));
    AutoBackupGrid->setRow(1);
}

void TDataBAK_Form::browseButtonClick()
{
    saveDialog->selectFile(ProposedBackupName(m_ctx.today()));
    if (saveDialog->exec() == QDialog::Accepted && !saveDialog->selectedFiles().isEmpty())
        pathEdit->setText(QDir::toNativeSeparators(saveDialog->selectedFiles().first()));
    else
        pathEdit->clear();
}

void TDataBAK_Form::backupButtonClick()
{
    if (pathEdit->text().isEmpty()) {
        m_ctx.prompts->message(this, QStringLiteral("请点击浏览按钮,输入备份的路径及文件名"));
        browseButton->setFocus();
        return;
    }
    bool done = true;
    const QString target = QDir::fromNativeSeparators(pathEdit->text());
    try {
        RunMaintenance(m_ctx, this, QStringLiteral("正在备份数据..."),
                       [&](Database& db, const Progress& progress) { BackupDatabase(db, target, progress); });
    } catch (const DbError&) {
        done = false;
    }
    if (!done) {
        m_ctx.prompts->message(this, QStringLiteral("备份失败,请检查文件路径及文件名是否正确，或磁盘是否打开写保护!"));
        return;
    }
    m_ctx.prompts->message(this, QStringLiteral("备份完成!"));
    accept();
}

TDataCBAK_Form::TDataCBAK_Form(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    GuardedConnect(browseButton, &QPushButton::clicked, this, m_ctx, &TDataCBAK_Form::browseButtonClick);
    GuardedConnect(restoreButton, &QPushButton::clicked, this, m_ctx, QStringLiteral("恢复数据"), &TDataCBAK_Form::restoreButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::close);
    // The open dialog starts among the automatic backups.
    if (QDir(AutoBackupFolder(m_ctx)).exists())
        openDialog->setDirectory(AutoBackupFolder(m_ctx));
}

void TDataCBAK_Form::browseButtonClick()
{
    if (openDialog->exec() == QDialog::Accepted && !openDialog->selectedFiles().isEmpty())
        pathEdit->setText(QDir::toNativeSeparators(openDialog->selectedFiles().first()));
    else
        pathEdit->clear();
}

void TDataCBAK_Form::restoreButtonClick()
{
    if (pathEdit->text().isEmpty()) {
        m_ctx.prompts->message(this, QStringLiteral("请点击浏览按钮选择要恢复的备份文件！"));
        browseButton->setFocus();
        return;
    }
    if (!m_ctx.prompts->warningQuestion(this, QStringLiteral("确定要用备份文件\n") + pathEdit->text()
                                                  + QStringLiteral("\n恢复数据吗?\n当前数据库中的全部数据将被该备份的数据替换!"
                                                                   "\n\n恢复前将自动备份当前数据库。")))
        return;
    const QString backup = BackupBeforeChange(m_ctx, this);
    const QString failure = RestoreDatabase(m_ctx.DM, QDir::fromNativeSeparators(pathEdit->text()));
    m_ctx.prompts->message(this, failure.isEmpty() ? QStringLiteral("数据恢复成功!\n") + BackupBeforeChangeText(backup)
                                                   : failure);
    accept();
}
