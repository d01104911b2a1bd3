#pragma once

#include "Database.h"

#include <QStringList>

// Moves a shop from its SQLite file to an empty database on a PostgreSQL server, in one
// transaction on the server: the schema, then every row of every table as it stands (numbered
// rows keep their numbers, and the server's numbering goes on after the highest). Before the
// transaction commits, each table's row count is compared with the file's and the database check
// runs on both; any difference, or a server database that holds tables already, leaves the
// server as it was (DbError, in words for the operator). Returns what was copied, a line a table.
QStringList CopyToServer(Database& file, const DatabaseTarget& server);
