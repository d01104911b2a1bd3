#include "ContactTable.h"

#include "AuditLog.h"
#include "Database.h"

namespace {

QString Param(const QString& column)
{
    return u':' + column;
}

SqlParams Params(const ContactTable& t, const QStringList& values)
{
    SqlParams params;
    for (qsizetype i = 0; i < t.columns.size(); ++i)
        params.append({Param(t.columns[i]), values.value(i)});
    return params;
}

QString WhereName(const ContactTable& t)
{
    return QStringLiteral(" where ") + t.key + QStringLiteral("=:OldName");
}

}  // namespace

bool ContactExists(Database& db, const ContactTable& t, const QString& name)
{
    return db.exec(QStringLiteral("select 1 from ") + t.table + WhereName(t), {{QStringLiteral(":OldName"), name}})
        .next();
}

void InsertContact(Database& db, const ContactTable& t, const QStringList& values)
{
    QStringList params;
    for (const QString& c : t.columns)
        params.append(Param(c));
    db.exec(QStringLiteral("insert into %1(%2) values(%3)").arg(t.table, t.columns.join(u','), params.join(u',')),
            Params(t, values));
}

void UpdateContact(Database& db, const ContactTable& t, const QString& oldName, const QStringList& values)
{
    QStringList sets;
    for (const QString& c : t.columns)
        sets.append(c + u'=' + Param(c));
    SqlParams params = Params(t, values);
    params.append({QStringLiteral(":OldName"), oldName});

    Transaction tr(db);
    const QSqlQuery q =
        db.exec(QStringLiteral("update ") + t.table + QStringLiteral(" set ") + sets.join(u',') + WhereName(t), params);
    const QString newName = values.value(0);
    if (q.numRowsAffected() > 0 && newName != oldName)
        WriteAudit(db, QStringLiteral("修改") + t.what, oldName, oldName, newName);
    tr.commit();
}

void DeleteContact(Database& db, const ContactTable& t, const QString& name)
{
    Transaction tr(db);
    QStringList before = ContactValues(db, t, name);
    before.removeAll(QString());
    const QSqlQuery q = db.exec(QStringLiteral("delete from ") + t.table + WhereName(t), {{QStringLiteral(":OldName"), name}});
    if (q.numRowsAffected() > 0)
        WriteAudit(db, QStringLiteral("删除") + t.what, name, before.join(QStringLiteral(" / ")));
    tr.commit();
}

QStringList ContactValues(Database& db, const ContactTable& t, const QString& name)
{
    QSqlQuery q = db.exec(QStringLiteral("select ") + t.columns.join(u',') + QStringLiteral(" from ") + t.table
                              + WhereName(t) + QStringLiteral(" order by rowid limit 1"),
                          {{QStringLiteral(":OldName"), name}});
    QStringList values;
    if (q.next())
        for (qsizetype i = 0; i < t.columns.size(); ++i)
            values.append(q.value(int(i)).toString());
    return values;
}

RowSet ContactRows(Database& db, const ContactTable& t)
{
    return SelectRows(db, QStringLiteral("select ") + t.columns.join(u',') + QStringLiteral(" from ") + t.table
                              + QStringLiteral(" order by rowid"));
}

RowSet SearchContacts(Database& db, const ContactTable& t, const QString& text)
{
    QString pattern = text;
    pattern.replace(u'\\', QStringLiteral("\\\\")).replace(u'%', QStringLiteral("\\%")).replace(u'_', QStringLiteral("\\_"));
    return SelectRows(db,
                      QStringLiteral("select ") + t.columns.join(u',') + QStringLiteral(" from ") + t.table
                          + QStringLiteral(" where ") + t.key
                          + QStringLiteral(" like '%' || coalesce(:text, '') || '%' escape '\\' order by rowid"),
                      {{QStringLiteral(":text"), pattern}});
}

QStringList ContactNames(Database& db, const ContactTable& t)
{
    QSqlQuery q = db.exec(QStringLiteral("select ") + t.key + QStringLiteral(" from ") + t.table
                          + QStringLiteral(" order by rowid"));
    QStringList names;
    while (q.next())
        names.append(q.value(0).toString());
    return names;
}
