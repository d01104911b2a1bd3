#pragma once

#include <QString>

struct AppContext;

// The folder of the automatic backups: Data/backup in the program folder.
QString AutoBackupFolder(const AppContext& context);

// On leaving the program: today's automatic backup when none was made today, keeping the newest
// AutoBackupKeep (Set.ini [Backup] Keep). A failure is told through the prompts.
void BackupOnExit(AppContext& context);
