#pragma once

#include <QString>

struct AppContext;
class QWidget;

// The folder of the automatic backups: Data/backup in the program folder.
QString AutoBackupFolder(const AppContext& context);

// On leaving the program: today's automatic backup when none was made today, keeping the newest
// AutoBackupKeep (Set.ini [Backup] Keep). A failure is told through the prompts with its reason.
void BackupOnExit(AppContext& context);

// Before an operation deletes or replaces data: a backup of the database into the automatic
// backups (MakeBackupBefore), so the operation can be undone by a restore. It runs as maintenance
// off the window's thread (RunMaintenance): parent's window repaints and shows the progress
// window meanwhile. Returns the file written; throws DbError when it cannot be made (the
// operation must then not run).
QString BackupBeforeChange(AppContext& context, QWidget* parent);

// The sentence that names that backup, for the message after the operation.
QString BackupBeforeChangeText(const QString& backup);
