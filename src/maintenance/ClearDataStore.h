#pragma once

#include "Progress.h"

#include <QString>
#include <QStringList>

class Database;

// Keys of the months closed with their business data still present (ClearState 1), in month order.
QStringList ListUnclearedJieQun(Database& db);

// Documents of a month whose amount owed is not 0: they leave the receivables and payables when
// the month is cleared.
struct MonthOwing {
    int salesCount = 0;
    double salesOwed = 0;     // still owed by customers
    int purchaseCount = 0;
    double purchaseOwed = 0;  // still owed to suppliers
    int count() const { return salesCount + purchaseCount; }
};
MonthOwing GetMonthOwing(Database& db, const QString& key);

// Deletes the month's sales documents and lines, purchase documents and lines and income and
// expense entries (each by its date), marks the month cleared (ClearState 2) and writes what was
// deleted to the audit log, as one unit. Receipts and payments, the stock, master data and the
// closing rows stay; the goods items take the month's movements into their opening quantity.
void ClearMonthData(Database& db, const QString& key, const Progress& progress = {});
