#pragma once

#include <QString>

class TDM;

// Suffix of the database file that a restore replaced (kept beside the database).
inline constexpr const char* BeforeRestoreSuffix = ".before-restore";

// Puts a backup in place of the database of dm: the backup is copied beside the database, the
// copy is checked (a sound database of this system), the current file is kept as
// "db.data.before-restore" and the copy moved into place in one step; the connection is then
// opened on it. Returns an empty text on success, otherwise the refusal or failure to show; the
// current database then stays in place and the connection open on it.
// On a server the shop's rows as they stand are backed up into "db.data.before-restore" first,
// then RestoreServer puts the backup's rows in place in one transaction.
QString RestoreDatabase(TDM& dm, const QString& backup);

inline constexpr const char* RestoreFailedMessage = "数据恢复失败，请检查磁盘是否已满或打开写保护!";
