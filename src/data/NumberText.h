#pragma once

#include <QString>
#include <optional>

// Brings x to n decimals, halves away from zero (n of 1 or less rounds to one decimal).
// The scaled value is held in 64 bits, so money far beyond 21474836.47 rounds exactly.
double RoundFloat(int n, double x);

// The "general format" of money and quantities in grids and boxes: the shortest decimal text with
// up to 15 significant digits, no thousands separator, no trailing zeros ("1500", "12.5").
QString FormatGeneral(double x);

// Reads a number typed by the operator or written by FormatGeneral; blanks around it are ignored.
// Returns nothing for a text that is not a number (empty, ".", "abc").
std::optional<double> ReadNumber(const QString& text);

// Reads a cell of a list: a text that is not a number counts as 0.
double CellNumber(const QString& text);

// Money on screen and on paper: the general format of the value rounded to two decimals
// ("541.36", never "541.360000000001").
QString FormatMoney(double x);

// Money total as shown under a list and on a report: the money text followed by " 元".
QString YuanText(double total);
