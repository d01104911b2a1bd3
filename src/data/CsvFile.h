#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The cells of a CSV file: UTF-8 (with or without a byte-order mark) or, failing that, the
// Chinese code page that spreadsheet programs write; quoted cells may hold commas, quotes ("")
// and line breaks. Throws DbError when the file cannot be read.
QVector<QStringList> ReadCsvFile(const QString& path);
