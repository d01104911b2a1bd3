#pragma once

#include <QByteArray>
#include <QString>

// The numbers of a sheet's XML in their shortest form that reads back as the same value: the
// workbook writer prints every number with sixteen digits, so money shown as 9954.2 would be
// stored as 9954.200000000001. Values written without a point or exponent (whole numbers, the
// indexes of shared strings) are left as they are.
QByteArray ShortestSheetNumbers(const QByteArray& sheetXml);

// Copies the finished workbook `from` to `to` with the numbers of its sheets in their shortest
// form; the other parts are copied as they are. Each part is read and written piece by piece, so
// a workbook of a million rows takes no more memory than one of ten. False, with the reason (not
// the file's name) in *error, when the workbook cannot be read or `to` cannot be written.
bool ShortenWorkbookNumbers(const QString& from, const QString& to, QString* error);
