#pragma once

// The lists of the receivables and payables windows: who owes (or is owed), the open documents,
// their lines and part payments, and the ageing of what is owed. One set of routines serves both
// sides.

#include "DocumentLists.h"
#include "PartPayments.h"
#include "RowSet.h"

#include <QDate>
#include <QString>
#include <QStringList>

class Database;

// Customers (suppliers) with at least one open document (amount owed not 0), in name order.
QStringList OwingParties(Database& db, AccountSide side);

// Open documents of one customer (supplier), or of all when the name is empty or AllParties(),
// in the order they were saved: dh, KeHu (GYS), in_date, shuliang, jinE, QK, Remark and, for
// sales documents, yewuyuan, KeHuPhone, KeHuAddress.
RowSet OpenDocuments(Database& db, AccountSide side, const QString& party);

// Lines of one document as stored: PinPai, chanpin, guige, danjia, shuliang, jinE.
RowSet DocumentLines(Database& db, AccountSide side, const QString& dh);

// Receipts (payments) of a document, by date and then in the order they were recorded:
// in_date, JinE.
RowSet PartPayments(Database& db, AccountSide side, const QString& dh);

// Days from the document date to today that end the first three age bands (0-30, 31-60, 61-90;
// the fourth is over 90). A document dated after today counts as 0-30.
inline constexpr int AgeingBandDays[3] = {30, 60, 90};

// What each customer (supplier) of the open documents owes by age: party, B1, B2, B3, B4 and
// total, each summed to the cent, the parties in the order they first appear; the last row,
// named "合计", totals every band.
RowSet Ageing(const RowSet& openDocuments, AccountSide side, const QDate& today);
