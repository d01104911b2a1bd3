#pragma once

#include "RowSet.h"

#include <QString>

class Database;

// 0 no closing row, 1 closed with its data present, 2 closed and cleared.
int GetJieQunState(Database& db, const QString& key);

// Computes the month's row from its sales lines and income and expense entries and inserts it
// (ClearState 1). Sales amount = sum of line amounts; profit = amount less sum(CB x quantity);
// income = entries of type "收入", expense = every other entry. No value is rounded.
void MakeJieQun(Database& db, const QString& key);

void DeleteJieQun(Database& db, const QString& key);

// Closes a month again: deletes its row and computes it afresh, as one unit.
void ReMakeJieQun(Database& db, const QString& key);

// The closing rows of the months first..last (keys compared as text), in month order: JQM, its
// year JQM1 and month JQM2, sales XSE, sales profit XSLR, other income Other_SR and expense
// Other_ZC, profit of the period BenQiLR, ClearState, and JQState: "需重新结存" when the month's
// business changed after its closing (ClosedMonths.h), else empty. The window lists them and
// prints them.
RowSet ListJieQun(Database& db, const QString& first, const QString& last);
