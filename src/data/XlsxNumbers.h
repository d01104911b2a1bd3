#pragma once

#include <QString>

// Copies the finished workbook `from` to `to` with the numbers of its sheets in their shortest
// form that reads back as the same value: the workbook writer prints sixteen digits, so 9954.2
// would be stored as 9954.200000000001. Whole numbers and shared-string indexes stay as they are,
// the other parts are copied as they are. Each part is read and written piece by piece, so a
// workbook of a million rows takes no more memory than one of ten. False, with the reason (not
// the file's name) in *error, when the workbook cannot be read or `to` cannot be written.
bool ShortenWorkbookNumbers(const QString& from, const QString& to, QString* error);
