#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// Reads the first sheet (xl/worksheets/sheet1.xml) of an .xlsx workbook as rows of cell texts,
// row 1 first: text cells as they are, numbers in general format ("1500", "12.5"), cells with a
// date format as "yyyy-MM-dd", booleans as "TRUE"/"FALSE". Missing cells inside a row are empty
// texts; rows keep their place (a missing row is an empty list). Throws DbError when the file is
// not a readable workbook.
QVector<QStringList> ReadXlsxSheet(const QString& path);

// The raw contents of one part of an .xlsx workbook ("xl/worksheets/sheet1.xml"). Throws DbError
// when the file is not a readable workbook or has no such part.
QByteArray XlsxPart(const QString& path, const QString& part);
