#pragma once

#include "Progress.h"

#include <QString>

class Database;

// Writes a consistent snapshot of the open database to target: through SQLite's online backup on
// a file; on a server, one snapshot's rows copied into a new database file of the same kind (the
// row counts compared), so a backup of either can be restored on either. The copy is a complete
// database file even while another connection is writing. The
// snapshot is made beside target and moved into place when complete, so an existing file of that
// name is replaced only by a good copy. Throws DbError when the copy cannot be made.
void BackupDatabase(Database& db, const QString& target, const Progress& progress = {});

// Why a file cannot be restored: empty when it is a sound database of this system (this or an
// older schema version; the check the connection makes, InspectDatabase), otherwise the refusal
// shown to the operator. Reads the file only.
QString CheckBackupFile(const QString& path);

// Puts the rows of a backup file in place of a server's, in one transaction that holds the whole
// shop: the backup (checked as CheckBackupFile does, and brought to the current schema on a
// copy, the file itself untouched) is copied into the emptied tables, the row counts are compared
// and the database check must find on the server what it finds in the file. Any refusal or
// failure throws DbError and leaves the server as it was.
void RestoreServer(Database& server, const QString& backup, const Progress& progress = {});
