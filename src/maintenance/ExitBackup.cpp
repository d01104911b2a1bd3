#include "ExitBackup.h"

#include "AppContext.h"
#include "AutoBackup.h"
#include "BackgroundWork.h"
#include "GuardedConnect.h"
#include "ProgramDir.h"

#include <QDate>
#include <QDir>

QString AutoBackupFolder(const AppContext& context)
{
    return ResolvePathNoCase(context.ProgramDir, QStringLiteral("Data/backup"));
}

void BackupOnExit(AppContext& context)
{
    if (!context.db().isOpen())
        return;
    RunGuarded(context, nullptr, [&] {
        try {
            MakeAutoBackup(context.db(), AutoBackupFolder(context), context.today(), context.AutoBackupKeep);
        } catch (const DbError& e) {
            throw DbError(QStringLiteral("退出时的自动备份没有完成: ") + e.text());
        }
    });
}

QString BackupBeforeChange(AppContext& context, QWidget* parent)
{
    QString backup;
    const QString folder = AutoBackupFolder(context);
    const QDateTime now = context.now();
    const int keep = context.AutoBackupKeep;
    RunMaintenance(context, parent, QStringLiteral("正在备份数据..."), [&](Database& db, const Progress&) {
        backup = MakeBackupBefore(db, folder, now, keep);
    });
    return backup;
}

QString BackupBeforeChangeText(const QString& backup)
{
    return QStringLiteral("操作前的数据已自动备份为:\n") + QDir::toNativeSeparators(backup)
         + QStringLiteral("\n如需找回, 可用\"数据恢复\"恢复该备份。");
}
