#pragma once

#include "Records.h"
#include "RowSet.h"

#include <QDate>
#include <QString>

class Database;

// The document lists of the sales and purchase queries, in entry order, with the columns of the
// list printouts. Kind ForwardKind lists every document of the range (returns with their stored
// negative figures); ReturnKind only the return documents ("xt", "ct"), their quantity and
// amount negated so they show as positive figures.

// A filter text (trimmed; none when empty) keeps, in ForwardKind, the documents whose customer
// name or phone contains it; in ReturnKind those whose customer name is exactly it. The text is
// matched as written: quotes, '%' and '_' are ordinary characters.
RowSet ListXiaoShouDan(Database& db, DanKind kind, const QString& filter, const QDate& from, const QDate& to);

RowSet ListCaiGouDan(Database& db, DanKind kind, const QDate& from, const QDate& to);
