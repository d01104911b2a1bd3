#pragma once

#include <QStringList>

class Database;

// Checks an open database of this system and returns one text per fault found, empty when
// everything agrees:
// - the engine's integrity check (nothing else is read when it fails);
// - documents whole: every header has lines, its quantity and amount equal their sums, and no
//   line is without its header;
// - the stock: every goods item with a known opening quantity holds that quantity plus what its
//   lines purchased less what they sold (see Ledger.h), and no goods item holds less than 0;
// - amounts owed: a document owes at most its amount either way (|QK| <= |jinE|) unless its last
//   receipt or payment in the audit log left exactly that amount owed (paying more or less than
//   was owed is allowed), a settled document (QK 0) has no receipt or payment rows left, and
//   every amount owed is the amount less what was paid when saving less what receipts, payments
//   and write-offs took off since (QK = jinE - SS - CJ, docs/accounts.md).
QStringList CheckDatabase(Database& db);
