#pragma once

// The values of a row set as text, row by row, to compare with a table in a test.

#include "RowSet.h"

#include <QStringList>
#include <QVector>

inline QVector<QStringList> Texts(const RowSet& rows)
{
    QVector<QStringList> out;
    for (const QVector<QVariant>& row : rows.rows) {
        QStringList line;
        for (const QVariant& v : row)
            line << v.toString();
        out.append(line);
    }
    return out;
}
