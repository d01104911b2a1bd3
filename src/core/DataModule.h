#pragma once

#include "Database.h"

#include <QString>

// The data module: the one database connection of the program, on Data/db.data in the program
// folder, or on the PostgreSQL server that Set.ini's section [Database] names (ReadDatabaseTarget). A missing database file is created with the schema, the built-in administrator and the
// demonstration data; an existing file that is not a database of this system is never touched.
class TDM {
public:
    explicit TDM(QString programDir);

    Database& db() { return m_db; }
    QString databasePath() const;

    // (Re)opens the connection. On failure returns false with the reason in *error, in Chinese
    // and naming the file (the caller shows "数据库连接失败!" and the reason): not a database of
    // this system, made by a newer program, damaged, or a folder that cannot be written. A file
    // is never changed by a failed connection. The check of InspectDatabase runs once per file
    // (again only when the file changed since).
    bool ConnectDB(QString* error = nullptr);

    // For a session that only reads (a command-line export): the connection checks the file's
    // header instead of walking every page (InspectDatabase, Inspection::Header) and is made
    // query-only, so nothing can be written to the file.
    void setReadingOnly() { m_readingOnly = true; }

private:
    void createDatabase(const QString& path);
    void connectServer(const DatabaseTarget& target);
    QString m_programDir;
    Database m_db;
    QString m_checked;  // the file last found usable, with its size and time
    bool m_readingOnly = false;
};

inline constexpr const char* ConnectFailedMessage = "数据库连接失败!";

// "数据库连接失败!" with the reason on the next line.
QString ConnectFailedText(const QString& reason);
