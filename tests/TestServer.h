#pragma once

// The PostgreSQL server a test runs against when QINGLAN_TEST_SERVER names one (a libpq URI of
// its maintenance database, set by ctest for the NAME_pg runs): each ServerDatabase is a new empty
// database on it, dropped again when the object goes.

#include "Database.h"

#include <QUuid>
#include <optional>

inline std::optional<DatabaseTarget> TestServer()
{
    const QString uri = qEnvironmentVariable("QINGLAN_TEST_SERVER");
    if (uri.isEmpty())
        return std::nullopt;
    return DatabaseTarget::server(uri);
}

// Runs statements on the server's maintenance database (creating and dropping databases).
template <class F>
void OnMaintenanceDatabase(const DatabaseTarget& server, F&& work)
{
    DatabaseTarget admin = server;
    admin.name = QStringLiteral("postgres");
    Database db(QStringLiteral("maintenance-") + QUuid::createUuid().toString(QUuid::Id128));
    db.open(admin);
    work(db);
}

// A new database on the server, empty or a copy of the database named copyOf (on which no
// connection may be open). It stays until the server is removed, unless a ServerDatabase owns it.
inline DatabaseTarget NewServerDatabase(const DatabaseTarget& server, const QString& copyOf = {})
{
    DatabaseTarget target = server;
    target.name = QStringLiteral("t_") + QUuid::createUuid().toString(QUuid::Id128);
    OnMaintenanceDatabase(server, [&](Database& db) {
        db.exec(QStringLiteral("create database ") + target.name
                + (copyOf.isEmpty() ? QString() : QStringLiteral(" template ") + copyOf));
    });
    return target;
}

struct ServerDatabase {
    DatabaseTarget target;

    explicit ServerDatabase(const DatabaseTarget& server, const QString& copyOf = {})
        : target(NewServerDatabase(server, copyOf))
    {
    }
    ~ServerDatabase()
    {
        try {
            OnMaintenanceDatabase(target, [this](Database& db) {
                db.exec(QStringLiteral("drop database if exists %1 with (force)").arg(target.name));
            });
        } catch (const DbError&) {
        }
    }
    ServerDatabase(const ServerDatabase&) = delete;
    ServerDatabase& operator=(const ServerDatabase&) = delete;
};
