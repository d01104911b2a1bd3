#pragma once

#include "Progress.h"

#include <QStringList>

class Database;

// The tables that hold a shop's rows, on either engine (a server's schema stamp left out).
QStringList ShopTables(Database& db);

// Copies every row of every table of `from` into the same, empty tables of `to`, a database of the
// same schema version on either engine: numbered rows keep their numbers (a server's numbering
// then goes on after the highest), so do the row numbers of the tables without. Runs inside the
// caller's transaction on `to`; reads `from` in key order a slice at a time. Each table's row
// count is compared afterwards; a difference throws DbError. Returns a line a table ("表: N 行").
// progress counts rows.
QStringList CopyShopRows(Database& from, Database& to, const Progress& progress = {});
