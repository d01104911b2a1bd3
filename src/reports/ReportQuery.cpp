#include "ReportQuery.h"

#include "MarginText.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <memory>
#include <numeric>

namespace {

// The lines of one listed document as they are read, with their autoids.
struct DocumentLines {
    QVector<QVector<QVariant>> rows;
    QVector<qint64> ids;
    bool inOrder = true;

    void add(qint64 id, QVector<QVariant>&& row)
    {
        inOrder = inOrder && (ids.isEmpty() || ids.last() < id);
        ids.append(id);
        rows.append(std::move(row));
    }

    // The rows in entry order.
    QVector<QVector<QVariant>> take()
    {
        if (inOrder)
            return std::move(rows);
        QVector<int> order(rows.size());
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [this](int x, int y) { return ids[x] < ids[y]; });
        QVector<QVector<QVariant>> sorted;
        sorted.reserve(rows.size());
        for (int i : order)
            sorted.append(std::move(rows[i]));
        return sorted;
    }
};

}  // namespace

ReportData MasterDetail(Database& db, RowSet master, const QString& linesSql, const SqlParams& params,
                        void (*finish)(RowSet&))
{
    // Master rows by document number (the stored text).
    QHash<QString, int> masterRows;
    masterRows.reserve(master.rowCount());
    const int dhColumn = master.columnIndex(QStringLiteral("dh"));
    for (int r = 0; r < master.rowCount(); ++r)
        masterRows.insert(master.rows[r].value(dhColumn).toString(), r);

    QSqlQuery q = db.exec(linesSql, params);
    const QSqlRecord record = q.record();
    const int width = record.count() - 2;
    QStringList columns;
    for (int i = 0; i < width; ++i)
        columns << record.fieldName(i + 2);

    // The lines of one document come one after the other; the master row is looked up when the
    // document changes.
    QVector<DocumentLines> lines(master.rowCount());
    QString currentDh;
    int current = -1;
    while (q.next()) {
        const QString dh = q.value(0).toString();
        if (current < 0 || dh != currentDh) {
            currentDh = dh;
            current = masterRows.value(dh, -1);
            if (current < 0)
                continue;
        }
        QVector<QVariant> row(width);
        for (int i = 0; i < width; ++i)
            row[i] = q.value(i + 2);
        lines[current].add(q.value(1).toLongLong(), std::move(row));
    }

    // Each listed document's lines in entry order, finished once.
    auto details = std::make_shared<QVector<RowSet>>();
    details->reserve(master.rowCount());
    for (DocumentLines& own : lines) {
        RowSet d{columns, own.take()};
        if (finish)
            finish(d);
        details->append(std::move(d));
    }

    ReportData data;
    data.master = std::move(master);
    data.details = [details](int row) {
        return row < 0 || row >= details->size() ? RowSet() : details->at(row);
    };
    return data;
}

QString DocumentLinesSql(const QString& headerTable, const QString& lineTable, const QString& lineColumns,
                         const QString& condition)
{
    // The headers drive (cross join keeps them outside), each finding its lines by number.
    return QStringLiteral("select a.dh,b.autoid,%1 from %2 a cross join %3 b on b.dh=a.dh where %4")
        .arg(lineColumns, headerTable, lineTable, condition);
}

void AppendMarginColumn(RowSet& d, const QString& profit, const QString& amount)
{
    const int p = d.columnIndex(profit);
    const int a = d.columnIndex(amount);
    d.columns << QStringLiteral("lrr");
    for (auto& row : d.rows)
        row.append(MarginText(row[p].toDouble(), row[a].toDouble()));
}

QString DateCondition(const QString& alias)
{
    return QStringLiteral("%1in_date>=:from and %1in_date<=:to").arg(alias);
}

SqlParams DateParams(const QDate& from, const QDate& to)
{
    return {{QStringLiteral(":from"), SqlDate(from)}, {QStringLiteral(":to"), SqlDate(to)}};
}
