#pragma once

#include "Progress.h"

#include <QString>

class Database;

// Why a shop on a PostgreSQL server is not backed up or restored by the program: the server's own
// tools do it.
QString ServerBackupText();

// Writes a consistent snapshot of the open database to target through the engine's online
// backup: the copy is a complete database file even while another connection is writing. The
// snapshot is made beside target and moved into place when complete, so an existing file of that
// name is replaced only by a good copy. Throws DbError when the copy cannot be made.
void BackupDatabase(Database& db, const QString& target, const Progress& progress = {});

// Why a file cannot be restored: empty when it is a sound database of this system (this or an
// older schema version; the check the connection makes, InspectDatabase), otherwise the refusal
// shown to the operator. Reads the file only.
QString CheckBackupFile(const QString& path);
