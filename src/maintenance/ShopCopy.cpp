#include "ShopCopy.h"

#include "Database.h"

#include <QSqlRecord>

namespace {

// Rows read and written by one statement.
constexpr int RowsPerStatement = 1000;

qint64 CountRows(Database& db, const QString& table)
{
    return db.scalar(QStringLiteral("select count(*) from ") + table).toLongLong();
}

// The columns of a table as `from` keeps them; a table without autoid gets its row number first
// (SQLite's implicit rowid, the server's rowid column).
QStringList Columns(Database& from, const QString& table, QString* key)
{
    const QSqlRecord record = from.handle().record(table);
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i).toLower();
    *key = names.contains(QLatin1String("autoid")) ? QStringLiteral("autoid") : QStringLiteral("rowid");
    if (!names.contains(*key))
        names.prepend(*key);
    return names;
}

// Copies one table a slice at a time; returns the rows copied.
qint64 CopyTable(Database& from, Database& to, const QString& table, const std::function<void(int)>& copiedRows)
{
    QString key;
    const QStringList names = Columns(from, table, &key);
    const int keyColumn = int(names.indexOf(key));
    const QString select = QStringLiteral("select %1 from %2 where %3>:last order by %3 limit %4")
                               .arg(names.join(u','), table, key)
                               .arg(RowsPerStatement);
    const QString insert = QStringLiteral("insert into %1(%2) values").arg(table, names.join(u','));
    qint64 copied = 0;
    QVariant last = -1;  // rows are numbered from 1
    for (;;) {
        QSqlQuery rows = from.exec(select, {{QStringLiteral(":last"), last}});
        QStringList tuples;
        SqlParams params;
        while (rows.next()) {
            QStringList values;
            for (int c = 0; c < names.size(); ++c) {
                const QString name = QStringLiteral(":v%1_%2").arg(tuples.size()).arg(c);
                values << name;
                params.append({name, rows.value(c)});
            }
            tuples << u'(' + values.join(u',') + u')';
            last = rows.value(keyColumn);
        }
        if (tuples.isEmpty())
            break;
        to.exec(insert + tuples.join(u','), params);
        copied += tuples.size();
        copiedRows(int(tuples.size()));
    }
    // A server numbers the rows it adds from now on after the highest copied.
    if (to.engine() == Engine::Postgres)
        to.exec(QStringLiteral("select setval(pg_get_serial_sequence('%1','%2'), coalesce(max(%2),0)+1, false) from %1")
                    .arg(table.toLower(), key));
    return copied;
}

}  // namespace

QStringList ShopTables(Database& db)
{
    const QString sql = db.engine() == Engine::Postgres
        ? QStringLiteral("select tablename from pg_tables where schemaname=current_schema() "
                         "and tablename<>'sys_schema' order by tablename")
        : QStringLiteral("select name from sqlite_master where type='table' and name not like 'sqlite%' order by lower(name)");
    QSqlQuery q = db.exec(sql);
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    return names;
}

QStringList CopyShopRows(Database& from, Database& to, const Progress& progress)
{
    const QStringList tables = ShopTables(from);
    QList<qint64> counts;
    qint64 total = 0;
    for (const QString& table : tables)
        total += counts.emplace_back(CountRows(from, table));
    qint64 done = 0;
    const auto copiedRows = [&](int rows) {
        done += rows;
        if (progress)
            progress(int(done), int(total));
    };
    QStringList report;
    for (qsizetype i = 0; i < tables.size(); ++i) {
        const qint64 copied = CopyTable(from, to, tables[i], copiedRows);
        const qint64 there = CountRows(to, tables[i]);
        if (copied != counts[i] || there != counts[i])
            throw DbError(QStringLiteral("表 %1 复制后行数不符（原有 %2 行，复制后 %3 行），没有复制。")
                              .arg(tables[i])
                              .arg(counts[i])
                              .arg(there));
        report << QStringLiteral("%1: %2 行").arg(tables[i]).arg(there);
    }
    if (progress)
        progress(int(total), int(total));
    return report;
}
