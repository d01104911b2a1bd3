#pragma once

// Income and expense: the items entries are recorded against (Base_ShouZhi) and the entries
// themselves (Log_ShouZhi).

#include "Records.h"
#include "RowSet.h"

#include <QString>
#include <QStringList>

class Database;

// Item names in the order they were added.
QStringList ShouZhiItems(Database& db);
// True when an item of that name exists (letter case ignored).
bool BaseShouZhiExists(Database& db, const QString& item);
void InsertBaseShouZhi(Database& db, const QString& item);
void DeleteBaseShouZhi(Database& db, const QString& item);

// The two kinds of entry stored in Log_ShouZhi.type.
QString IncomeType();   // "收入"
QString ExpenseType();  // "支出"

// Each marks a closed month of the entry's date as changed (ClosedMonths.h), in one transaction.
void InsertShouZhi(Database& db, const TShouZhi& entry);
void DeleteShouZhi(Database& db, const QString& dh);
// The entries dated from first to last (both included), in the order they were recorded, with
// the columns dh, in_date, type, item, jine, remark.
RowSet ShouZhiRows(Database& db, const QDate& first, const QDate& last);
