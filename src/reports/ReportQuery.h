#pragma once

// Shared pieces of the report data routines (internal to the report data library).

#include "Database.h"
#include "DocumentLists.h"
#include "ReportRows.h"

#include <QDate>
#include <QString>
#include <functional>

// Every row of a select, as SelectRows reads them (the same values and types), read straight
// through SQLite; texts repeated down a column share one string.
RowSet ReadRows(Database& db, const QString& sql, const SqlParams& params = {});

// The rows of a select handed to take in pieces of up to pieceRows rows as they are read (the
// values ReadRows gives), so that a long range is written out without being held: take may
// change a piece (add a column), the next piece starts afresh.
void ReadRowPieces(Database& db, const QString& sql, const SqlParams& params, const std::function<void(RowSet&)>& take,
                   int pieceRows = 4096);

// The lines of the documents a master dataset lists, read with one statement and split by
// document in memory. linesSql selects, for every listed document, the header's document number
// (matched with the master's "dh" column) and the line's autoid, then the columns of the line;
// each document keeps its lines in entry order, without those two leading columns. finish, when
// given, completes every document's lines (for example with its margin column).
ReportData MasterDetail(Database& db, RowSet master, const QString& linesSql, const SqlParams& params,
                        void (*finish)(RowSet&) = nullptr);

// The statement of MasterDetail for documents of headerTable (alias "a") chosen by condition,
// with their lines of lineTable (alias "b"; lineColumns are qualified with "b.").
QString DocumentLinesSql(const Database& db, const QString& headerTable, const QString& lineTable, const QString& lineColumns,
                         const QString& condition);

// Appends the margin columns computed from the named profit and amount columns of each row: "lrr",
// the printed text (MarginText), and "margin", the number the windows show (Margin).
void AppendMarginColumn(RowSet& d, const QString& profit = QStringLiteral("LR"),
                        const QString& amount = QStringLiteral("ZJE"));

