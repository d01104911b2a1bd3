#include "ReportQuery.h"

#include "MarginText.h"

#include <QRegularExpression>
#include <QSqlQuery>

ReportDataset SelectRows(Database& db, const QString& sql, const SqlParams& params)
{
    QSqlQuery q = db.exec(sql, params);
    return ReportDataset::fromQuery(q);
}

ReportData MasterDetail(Database& db, ReportDataset master, const QString& detailSql,
                        void (*finish)(ReportDataset&))
{
    static const QRegularExpression Param(QStringLiteral(":(\\w+)"));
    QStringList fields;
    for (const QRegularExpressionMatch& m : Param.globalMatch(detailSql))
        if (!fields.contains(m.captured(1)))
            fields << m.captured(1);

    // The detail query reads the master's values at the moment it runs, so it keeps its own copy.
    QVector<SqlParams> rowParams;
    for (int r = 0; r < master.rowCount(); ++r) {
        SqlParams p;
        for (const QString& f : fields)
            p.append({u':' + f, master.value(r, f)});
        rowParams.append(p);
    }
    Database* handle = &db;
    ReportData data;
    data.master = std::move(master);
    data.details = [handle, detailSql, rowParams, finish](int row) {
        if (row < 0 || row >= rowParams.size())
            return ReportDataset();
        ReportDataset lines = SelectRows(*handle, detailSql, rowParams[row]);
        if (finish)
            finish(lines);
        return lines;
    };
    return data;
}

void AppendMarginColumn(ReportDataset& d, const QString& profit, const QString& amount)
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
