#include "AuditLog.h"

#include "Database.h"

void WriteAudit(Database& db, const QString& action, const QString& object, const QString& before,
                const QString& after)
{
    // Empty texts are stored as '' (a null QString would bind as NULL).
    const auto text = [](const QString& s) { return s.isNull() ? QStringLiteral("") : s; };
    db.exec(QStringLiteral("insert into Log_Audit(at_time,operator,action,object,old_value,new_value)"
                           " values(:at_time,:operator,:action,:object,:old_value,:new_value)"),
            {{QStringLiteral(":at_time"),
              db.clock().now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))},
             {QStringLiteral(":operator"), text(db.operatorName())},
             {QStringLiteral(":action"), text(action)},
             {QStringLiteral(":object"), text(object)},
             {QStringLiteral(":old_value"), text(before)},
             {QStringLiteral(":new_value"), text(after)}});
}

QVector<AuditEntry> ReadAudit(Database& db)
{
    QSqlQuery q = db.exec(QStringLiteral("select at_time,operator,action,object,old_value,new_value"
                                         " from Log_Audit order by autoid"));
    QVector<AuditEntry> entries;
    while (q.next())
        entries.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                        q.value(3).toString(), q.value(4).toString(), q.value(5).toString()});
    return entries;
}
