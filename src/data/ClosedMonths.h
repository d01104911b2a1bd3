#pragma once

#include <QDate>
#include <QString>

class Database;

// Months that were closed (a row of the monthly closing, Log_JieQun) and changed afterwards.
// Saving or deleting a document, a receipt (payment) or an income/expense entry dated in a closed
// month marks the month, inside the transaction of the change, so that the closing list shows
// "需重新结存" until the month is closed again (closing again writes a fresh, unmarked row).

// True when the month of the day has a closing row.
bool IsMonthClosed(Database& db, const QDate& day);

// Marks the closed month of the day as changed since its closing; nothing when the month is not
// closed (or the day is invalid).
void MarkMonthChanged(Database& db, const QDate& day);

// The same for the month of a stored row: the date (in_date) of the row of `table` whose number
// (dh) is given, a document header or an income/expense entry; nothing when there is none.
void MarkMonthOfRowChanged(Database& db, const QString& table, const QString& dh);
