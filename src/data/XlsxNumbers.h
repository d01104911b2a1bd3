#pragma once

#include <QByteArray>
#include <QString>

// The numbers of a sheet's XML in their shortest form that reads back as the same value: the
// workbook writer prints every number with sixteen digits, so money shown as 9954.2 would be
// stored as 9954.200000000001. Values written without a point or exponent (whole numbers, the
// indexes of shared strings) are left as they are.
QByteArray ShortestSheetNumbers(const QByteArray& sheetXml);

// Rewrites the sheets of a finished workbook with ShortestSheetNumbers; the other parts are
// copied as they are. False, with the reason (not the file's name) in *error, when the workbook
// cannot be read or written again.
bool ShortenWorkbookNumbers(const QString& path, QString* error);
