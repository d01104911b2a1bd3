#include "ExitBackup.h"

#include "AppContext.h"
#include "AutoBackup.h"
#include "GuardedConnect.h"
#include "ProgramDir.h"

#include <QDate>

QString AutoBackupFolder(const AppContext& context)
{
    return ResolvePathNoCase(context.ProgramDir, QStringLiteral("Data/backup"));
}

void BackupOnExit(AppContext& context)
{
    if (!context.db().isOpen())
        return;
    RunGuarded(context, nullptr, QStringLiteral("退出时自动备份"), [&] {
        MakeAutoBackup(context.db(), AutoBackupFolder(context), context.today(), context.AutoBackupKeep);
    });
}
