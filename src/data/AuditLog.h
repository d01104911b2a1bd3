#pragma once

#include <QString>
#include <QVector>

class Database;

// The audit log Log_Audit: what was done, by whom and when, for the operations that destroy or
// overwrite data (deleting a document, recording or writing off a payment, overwriting stock or
// cost by hand, renaming or deleting master data, clearing a month, initialising, restoring,
// user changes).

struct AuditEntry {
    QString time;      // yyyy-MM-dd hh:mm:ss, local time
    QString operatorName;
    QString action;    // "删除用户", "修改用户", ...
    QString object;    // what it was done to: a user name, a document number, ...
    QString before;    // short text of the value before, empty when there was none
    QString after;     // short text of the value after, empty when there is none
};

// Writes one entry with the database's operator and the current time. Call it inside the
// transaction of the change it records, so that both are kept or neither.
void WriteAudit(Database& db, const QString& action, const QString& object, const QString& before = {},
                const QString& after = {});

// Every entry, oldest first.
QVector<AuditEntry> ReadAudit(Database& db);
