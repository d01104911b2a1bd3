#include "CopyToServer.h"

#include "CheckStore.h"
#include "Schema.h"

#include <QSqlRecord>

namespace {

constexpr int RowsPerStatement = 500;

QStringList Tables(Database& file)
{
    QSqlQuery q = file.exec(QStringLiteral("select name from sqlite_master where type='table' "
                                           "and name not like 'sqlite%' order by name"));
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    return names;
}

bool HasColumn(const QSqlRecord& record, const char* name)
{
    return record.indexOf(QLatin1String(name)) >= 0;
}

// Copies one table, the file's rowid of a table without autoid into the server's rowid column.
// Returns the number of rows copied.
qint64 CopyTable(Database& file, Database& server, const QString& table)
{
    const QSqlRecord columns = file.handle().record(table);
    const bool numbered = HasColumn(columns, "autoid");
    QStringList names;
    for (int i = 0; i < columns.count(); ++i)
        names << columns.fieldName(i);
    if (!numbered)
        names.prepend(QStringLiteral("rowid"));
    QSqlQuery rows = file.exec(QStringLiteral("select %1 from %2 order by rowid").arg(names.join(u','), table));
    const QString insert = QStringLiteral("insert into %1(%2) values").arg(table, names.join(u','));
    qint64 copied = 0;
    QStringList tuples;
    SqlParams params;
    const auto flush = [&] {
        if (tuples.isEmpty())
            return;
        server.exec(insert + tuples.join(u','), params);
        tuples.clear();
        params.clear();
    };
    while (rows.next()) {
        QStringList values;
        for (int c = 0; c < names.size(); ++c) {
            const QString name = QStringLiteral(":v%1_%2").arg(tuples.size()).arg(c);
            values << name;
            params.append({name, rows.value(c)});
        }
        tuples << u'(' + values.join(u',') + u')';
        ++copied;
        if (tuples.size() == RowsPerStatement)
            flush();
    }
    flush();
    // The server numbers the rows it adds from now on after the highest copied.
    const QString key = numbered ? QStringLiteral("autoid") : QStringLiteral("rowid");
    server.exec(QStringLiteral("select setval(pg_get_serial_sequence('%1','%2'), coalesce(max(%2),0)+1, false) from %1")
                    .arg(table.toLower(), key));
    return copied;
}

}  // namespace

QStringList CopyToServer(Database& file, const DatabaseTarget& target)
{
    if (InspectDatabase(file) != DatabaseState::Usable || StoredSchemaVersion(file) != SchemaVersion)
        throw DbError(QStringLiteral("数据库文件 %1 不是本版本程序可用的数据库，没有复制。请先用本程序打开一次，或先用 --check 检查。")
                          .arg(file.path()));
    const QStringList fileFaults = CheckDatabase(file);
    if (!fileFaults.isEmpty())
        throw DbError(QStringLiteral("数据库文件检查发现问题，没有复制：\n") + fileFaults.join(u'\n'));
    Database server(QStringLiteral("copy-target"));
    server.open(target);
    if (!IsEmptyDatabase(server))
        throw DbError(QStringLiteral("服务器上的数据库 %1 不是空的，没有复制，也没有改动它。请指定一个新建的空数据库。").arg(target.display()));
    Transaction t(server);
    CreateSchema(server);
    // The schema's own rows (the stamp) are the server's; the rest come from the file.
    QStringList report;
    for (const QString& table : Tables(file)) {
        const qint64 copied = CopyTable(file, server, table);
        const qint64 there = server.scalar(QStringLiteral("select count(*) from ") + table).toLongLong();
        const qint64 here = file.scalar(QStringLiteral("select count(*) from ") + table).toLongLong();
        if (copied != here || there != here)
            throw DbError(QStringLiteral("表 %1 复制后行数不符（文件 %2 行，服务器 %3 行），没有复制。").arg(table).arg(here).arg(there));
        report << QStringLiteral("%1: %2 行").arg(table).arg(there);
    }
    const QStringList serverFaults = CheckDatabase(server);
    if (!serverFaults.isEmpty())
        throw DbError(QStringLiteral("复制到服务器后检查发现问题，没有复制：\n") + serverFaults.join(u'\n'));
    t.commit();
    return report;
}
