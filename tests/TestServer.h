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

struct ServerDatabase {
    DatabaseTarget target;

    explicit ServerDatabase(const DatabaseTarget& server) : target(server)
    {
        target.name = QStringLiteral("t_") + QUuid::createUuid().toString(QUuid::Id128);
        maintenance([this](Database& db) { db.exec(QStringLiteral("create database ") + target.name); });
    }
    ~ServerDatabase()
    {
        try {
            maintenance([this](Database& db) { db.exec(QStringLiteral("drop database if exists %1 with (force)").arg(target.name)); });
        } catch (const DbError&) {
        }
    }
    ServerDatabase(const ServerDatabase&) = delete;
    ServerDatabase& operator=(const ServerDatabase&) = delete;

private:
    template <class F>
    void maintenance(F&& work)
    {
        DatabaseTarget admin = target;
        admin.name = QStringLiteral("postgres");
        Database db(QStringLiteral("maintenance-") + QUuid::createUuid().toString(QUuid::Id128));
        db.open(admin);
        work(db);
    }
};
