#pragma once

#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>

class QSqlQuery;

// Rows handed to the report engine: named columns (matched without regard to letter case) and
// the rows' values in column order.
struct ReportDataset {
    QStringList columns;
    QVector<QVector<QVariant>> rows;

    int rowCount() const { return int(rows.size()); }
    bool isEmpty() const { return rows.isEmpty(); }
    // Index of a column by name, letter case ignored; -1 when missing.
    int columnIndex(const QString& name) const;
    // Value of a named column in a row; an invalid QVariant when either is missing.
    QVariant value(int row, const QString& column) const;

    // Reads every row of an executed select.
    static ReportDataset fromQuery(QSqlQuery& query);
};

// A master dataset and, for master-detail reports, the lines of each master row.
struct ReportData {
    ReportDataset master;
    std::function<ReportDataset(int masterRow)> details;  // empty for single-dataset reports
};
