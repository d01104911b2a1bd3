#include "ReportQuery.h"

#include "MarginText.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <memory>

ReportData MasterDetail(Database& db, RowSet master, const QString& linesSql, const SqlParams& params,
                        void (*finish)(RowSet&))
{
    QSqlQuery q = db.exec(linesSql, params);
    const QSqlRecord record = q.record();
    const int width = record.count() - 2;
    QStringList columns;
    for (int i = 0; i < width; ++i)
        columns << record.fieldName(i + 2);

    // Lines by document in the order read, each with its autoid.
    QHash<QString, int> documents;
    QVector<QVector<std::pair<qint64, QVector<QVariant>>>> lines;
    while (q.next()) {
        const QString dh = q.value(0).toString();
        auto found = documents.constFind(dh);
        if (found == documents.constEnd()) {
            found = documents.insert(dh, int(lines.size()));
            lines.emplace_back();
        }
        QVector<QVariant> row(width);
        for (int i = 0; i < width; ++i)
            row[i] = q.value(i + 2);
        lines[*found].append({q.value(1).toLongLong(), std::move(row)});
    }

    // Each listed document's lines in entry order, finished once.
    auto details = std::make_shared<QVector<RowSet>>();
    details->reserve(master.rowCount());
    RowSet none{columns, {}};
    if (finish)
        finish(none);
    const int dhColumn = master.columnIndex(QStringLiteral("dh"));
    for (int r = 0; r < master.rowCount(); ++r) {
        const auto found = documents.constFind(master.rows[r].value(dhColumn).toString());
        if (found == documents.constEnd()) {
            details->append(none);
            continue;
        }
        auto& own = lines[*found];
        std::stable_sort(own.begin(), own.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
        RowSet d{columns, {}};
        d.rows.reserve(own.size());
        for (auto& line : own)
            d.rows.append(std::move(line.second));
        own.clear();
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
