#pragma once

#include "RowSet.h"

#include <QDate>
#include <QStringList>

// Reading the audit log (Log_Audit) for the operation log window.

// The entries of the days from..to (by their time), newest first; an action other than empty or
// "全部" keeps the entries of that action. Columns at_time, operator, action, object, old_value,
// new_value.
RowSet AuditRows(Database& db, const QDate& from, const QDate& to, const QString& action);

// Every action the log holds, in Chinese order.
QStringList AuditActions(Database& db);

inline constexpr const char* AllActions = "全部";
