#pragma once

#include <QString>

// The printed profit margin: profit ÷ amount × 100 with two decimals and no forced leading
// zero, followed by "%" (0.5 → ".50%", 12.345 → "12.35%", -3.2 → "-3.20%"). Halves round away
// from zero, taken on the value's 15-digit decimal form so that binary noise does not decide.
// A row whose amount is 0 prints "100.00%", as the statistics window shows it.
QString MarginText(double profit, double amount);

// The margin the windows show: profit ÷ amount × 100 to two decimals, halves away from zero
// (RoundFloat); 100 where the amount is 0. Shown in the general format followed by "%".
double Margin(double profit, double amount);
