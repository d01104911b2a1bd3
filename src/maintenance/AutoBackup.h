#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

class Database;

// Automatic backups into a folder (Data/backup), the newest `keep` kept: at most one a day, and
// one before each operation that deletes or replaces data.

// The backup files in the folder, newest first: the day's ("DBBack" + yyyyMMdd + ".data", counted
// from the day's start) and those made before an operation ("DBBack" + yyyyMMdd-HHmmss + ".data").
QStringList AutoBackups(const QString& folder);

// When a backup of the folder was made, as its name says (midnight for a day's backup); an
// invalid moment for any other name.
QDateTime AutoBackupTime(const QString& path);

// Writes today's backup when the folder has none of `today` yet, then deletes all but the newest
// `keep`. Nothing is made when keep is 0. Returns the file written, or an empty text when none
// was due. Throws DbError when the backup cannot be made.
QString MakeAutoBackup(Database& db, const QString& folder, const QDate& today, int keep);

// The backup before an operation that deletes or replaces data: always written (also when keep is
// 0), named after the moment, so it never replaces the day's backup or an earlier one; then all
// but the newest `keep` are deleted (none when keep is 0). Returns the file written. Throws
// DbError when the backup cannot be made.
QString MakeBackupBefore(Database& db, const QString& folder, const QDateTime& now, int keep);
