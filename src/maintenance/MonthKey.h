#pragma once

#include "Database.h"

#include <QString>

// A month key "yyyyMM" (year, then the month with a leading zero).

// The key of a year text and a month text: both trimmed, "0" put before a one-character month.
QString MonthKey(const QString& year, const QString& month);

// Six characters, the year between "1000" and "9999" and the month between "01" and "12".
bool IsValidMonthKey(const QString& key);

// The month's dates as the parameters :first (its first day) and :next (the first day of the next
// month), for conditions "in_date>=:first and in_date<:next". Throws DbError for an invalid key.
SqlParams MonthParams(const QString& key);
