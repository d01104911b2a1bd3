#pragma once

#include <QStringList>

class Database;

// Checks an open database of this system and returns one text per fault found, empty when
// everything agrees:
// - the engine's integrity check (nothing else is read when it fails);
// - documents whole: every header has lines, its quantity and amount equal their sums, and no
//   line is without its header;
// - the stock: every goods item with a known opening quantity holds that quantity plus what its
//   lines purchased less what they sold (see Ledger.h);
// - amounts owed: a document owes at most its amount either way (|QK| <= |jinE|) unless its last
//   receipt or payment in the audit log left exactly that amount owed (paying more or less than
//   was owed is allowed), and a settled document (QK 0) has no receipt or payment rows left.
QStringList CheckDatabase(Database& db);
