#pragma once

#include "Database.h"
#include "Money.h"

#include <QStringList>
#include <QVariant>
#include <QVector>

class QSqlQuery;

// The rows a data routine hands out: named columns (matched without regard to letter case) and
// the rows' values in column order. A list window shows them through its grid columns
// (FillGrid), its printout lays out the same rows.
struct RowSet {
    QStringList columns;
    QVector<QVector<QVariant>> rows;

    int rowCount() const { return int(rows.size()); }
    bool isEmpty() const { return rows.isEmpty(); }
    // Index of a column by name, letter case ignored; -1 when missing.
    int columnIndex(const QString& name) const;
    // Value of a named column in a row; an invalid QVariant when either is missing.
    QVariant value(int row, const QString& column) const;

    // Reads every row of an executed select. Integers are held in 64 bits, as SQLite gives them,
    // whichever engine read them (a server gives its 4-byte columns as int, and its 8-byte ones
    // as unsigned when not negative).
    static RowSet fromQuery(QSqlQuery& query);
};

// The total of a money column, each value to the cent as a list shows it; a total of cents does not
// depend on the order of the rows.
Money MoneySum(const RowSet& rows, const QString& column);

// Runs a select and reads every row.
RowSet SelectRows(Database& db, const QString& sql, const SqlParams& params = {});
