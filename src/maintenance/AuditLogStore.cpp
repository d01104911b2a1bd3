#include "AuditLogStore.h"

RowSet AuditRows(Database& db, const QDate& from, const QDate& to, const QString& action)
{
    QString sql = QStringLiteral("select at_time,operator,action,object,old_value,new_value from Log_Audit"
                                 " where at_time>=:from and at_time<:next");
    SqlParams params{{QStringLiteral(":from"), SqlDate(from)}, {QStringLiteral(":next"), SqlDate(to.addDays(1))}};
    if (!action.isEmpty() && action != QString::fromUtf8(AllActions)) {
        sql += QStringLiteral(" and action=:action");
        params.append({QStringLiteral(":action"), action});
    }
    return SelectRows(db, sql + QStringLiteral(" order by at_time desc, autoid desc"), params);
}

QStringList AuditActions(Database& db)
{
    QSqlQuery q = db.exec(QStringLiteral("select distinct action from Log_Audit order by ")
                          + db.chineseOrder(QStringLiteral("action")));
    QStringList actions;
    while (q.next())
        actions << q.value(0).toString();
    return actions;
}
