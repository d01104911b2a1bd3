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
    RunGuarded(context, nullptr, [&] {
        MakeAutoBackup(context.db(), AutoBackupFolder(context), QDate::currentDate(), context.AutoBackupKeep);
    });
}
