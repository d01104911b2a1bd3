#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class Database;

// Automatic backups: at most one a day into a folder (Data/backup), the newest `keep` kept.

// The backup files in the folder, newest first ("DBBack" + yyyyMMdd + ".data").
QStringList AutoBackups(const QString& folder);

// Writes today's backup when the folder has none of `today` yet, then deletes all but the newest
// `keep`. Nothing is made when keep is 0. Returns the file written, or an empty text when none
// was due. Throws DbError when the backup cannot be made.
QString MakeAutoBackup(Database& db, const QString& folder, const QDate& today, int keep);
