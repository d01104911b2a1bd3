#include "RowSet.h"

#include <QSqlQuery>
#include <QSqlRecord>

int RowSet::columnIndex(const QString& name) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant RowSet::value(int row, const QString& column) const
{
    const int c = columnIndex(column);
    if (row < 0 || row >= rows.size() || c < 0 || c >= rows[row].size())
        return {};
    return rows[row][c];
}

RowSet RowSet::fromQuery(QSqlQuery& query)
{
    RowSet d;
    const QSqlRecord rec = query.record();
    for (int i = 0; i < rec.count(); ++i)
        d.columns << rec.fieldName(i);
    while (query.next()) {
        QVector<QVariant> row(rec.count());
        for (int i = 0; i < rec.count(); ++i) {
            row[i] = query.value(i);
            const int type = row[i].typeId();
            if (type == QMetaType::Int || type == QMetaType::ULongLong)
                row[i] = row[i].isNull() ? QVariant(QMetaType::fromType<qlonglong>()) : QVariant(row[i].toLongLong());
        }
        d.rows.append(std::move(row));
    }
    return d;
}

RowSet SelectRows(Database& db, const QString& sql, const SqlParams& params)
{
    QSqlQuery q = db.exec(sql, params);
    return RowSet::fromQuery(q);
}

Money MoneySum(const RowSet& rows, const QString& column)
{
    Money sum;
    const int c = rows.columnIndex(column);
    if (c < 0)
        return sum;
    for (const QVector<QVariant>& row : rows.rows)
        sum += Money::fromYuan(row.value(c).toDouble());
    return sum;
}
