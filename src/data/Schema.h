#pragma once

class Database;

// Identifies a database file of this system (PRAGMA application_id).
inline constexpr int SchemaApplicationId = 0x514C4A44;  // "QLJD"
inline constexpr int SchemaVersion = 8;

// Creates every table and index on an empty database and stamps it with this system's id and
// schema version. Throws DbError on failure.
void CreateSchema(Database& db);

// Brings a database of this system of an earlier schema version to the current one, in one
// transaction; does nothing on a current one. Throws DbError on failure.
void UpgradeSchema(Database& db);

// The schema version the open database carries (0 when it carries none).
int StoredSchemaVersion(Database& db);

// True when the open database carries this system's id and a schema version it can read.
bool IsQingLanDatabase(Database& db);

// True when the database holds no table at all: a new file, or a server database just made for
// this system. Only such a one is given the schema; one holding tables of another program is left alone.
bool IsEmptyDatabase(Database& db);

// What an open database file was found to be when the program connects to it.
enum class DatabaseState { Usable, NotOurs, Newer, Damaged };

// Checks an open file: this system's id, a schema version this program reads, and every table
// and index walked page by page (each row counted), so that a file with damaged pages is found
// at connection instead of by every later statement. Reads only; writes nothing. The walk reads
// each page once without the row-by-row cross-checks of an integrity check (docs/database.md
// gives its cost on the ten-year database). A file of an older version, which the upgrade is
// about to change, gets the full integrity check instead.
// A session that only reads (a command-line export, whose connection is then made query-only)
// may ask for the header alone on a file of the current version: it writes nothing that could
// spread damage, and a damaged page it reads fails its statement as the walk would have.
enum class Inspection { Pages, Header };
DatabaseState InspectDatabase(Database& db, Inspection depth = Inspection::Pages);

// Inserts the built-in administrator with its initial password and every permission granted.
void InsertBuiltInAdministrator(Database& db);

inline constexpr const char* BuiltInAdministrator = "系统管理员";
inline constexpr const char* BuiltInAdministratorPassword = "793";
