#pragma once

#include <QString>

// The engine that holds the data: the embedded SQLite file (the default, nothing to set up) or a
// PostgreSQL server shared by several counters.
enum class Engine { Sqlite, Postgres };

// Where the data lives: a SQLite file, or a database on a PostgreSQL server. The server's password
// is never kept here: libpq reads it from ~/.pgpass (or the file PGPASSFILE names), as every
// PostgreSQL tool does.
struct DatabaseTarget {
    Engine engine = Engine::Sqlite;
    QString path;  // the SQLite file
    QString host;  // a server name, an address, or the folder of its socket; empty: libpq's default
    int port = 0;  // 0: libpq's default
    QString name;  // the database
    QString user;
    QString service;  // an entry of pg_service.conf, in place of the fields above

    static DatabaseTarget file(const QString& path);
    // A libpq URI (postgresql://USER@HOST:PORT/NAME, or ?host=FOLDER&port=N for a socket folder) or the name of a pg_service.conf entry. Throws DbError on a URI it cannot read.
    static DatabaseTarget server(const QString& uriOrService);

    // The file's path, or user@host:port/name, for messages.
    QString display() const;
    // The server database as a libpq URI (a service as its name), as server() reads it back.
    QString uri() const;
};
