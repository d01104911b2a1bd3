#pragma once

// A failure made to order: from now on, a write of one kind to a table fails with the message
// (as a full disk or a broken file would make it fail), on either engine.

#include "Database.h"

inline QString RefusalName(const QString& table, const QString& event)
{
    return QStringLiteral("refuse_%1_%2").arg(table, event);
}

// event: "insert", "update" or "delete"; when: a condition on the new row ("new.guige='B'"),
// empty for every row.
inline void RefuseWrites(Database& db, const QString& table, const QString& event, const QString& message,
                         const QString& when = {})
{
    const QString name = RefusalName(table, event);
    if (db.engine() == Engine::Sqlite) {
        db.exec(QStringLiteral("create trigger %1 before %2 on %3 %4 begin select raise(abort, '%5'); end")
                    .arg(name, event, table, when.isEmpty() ? QString() : QStringLiteral("when ") + when, message));
        return;
    }
    db.exec(QStringLiteral("create function %1() returns trigger language plpgsql as "
                           "$$ begin raise exception '%2'; end $$")
                .arg(name, message));
    db.exec(QStringLiteral("create trigger %1 before %2 on %3 for each row %4 execute function %1()")
                .arg(name, event, table, when.isEmpty() ? QString() : QStringLiteral("when (%1)").arg(when)));
}

// Ends a refusal that RefuseWrites made.
inline void AllowWrites(Database& db, const QString& table, const QString& event)
{
    db.exec(db.engine() == Engine::Sqlite ? QStringLiteral("drop trigger %1").arg(RefusalName(table, event))
                                          : QStringLiteral("drop trigger %1 on %2").arg(RefusalName(table, event), table));
}

// Another program holding the data locked until released (or destroyed): on SQLite the whole
// file, on a server the table, so that even reading it waits.
struct HeldLock {
    Database db{QStringLiteral("held-lock")};
    HeldLock(const DatabaseTarget& target, const QString& table)
    {
        db.open(target);
        if (db.engine() == Engine::Sqlite) {
            db.exec(QStringLiteral("begin exclusive"));
        } else {
            db.exec(QStringLiteral("begin"));
            db.exec(QStringLiteral("lock table %1 in access exclusive mode").arg(table));
        }
    }
    void release()
    {
        if (db.isOpen())
            db.close();
    }
};
