#include "MarginText.h"

#include "NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// |value| rounded to whole units, halves away from zero, decided on the value's 15-digit decimal
// form. Only a value within binary noise of a half needs that form; any other rounds alike.
long long RoundedUnits(double value)
{
    const double magnitude = std::fabs(value);
    const double fromHalf = std::fabs(magnitude - std::floor(magnitude) - 0.5);
    if (fromHalf > magnitude * 1e-12)
        return std::llround(magnitude);
    char digits[40];
    std::snprintf(digits, sizeof digits, "%.15g", magnitude);
    return std::llround(std::strtod(digits, nullptr));
}

}  // namespace

QString MarginText(double profit, double amount)
{
    if (amount == 0)
        return QStringLiteral("100.00%");
    // One text per report row: written into a buffer, one string made.
    const double scaled = profit / amount * 100 * 100;
    const long long cents = RoundedUnits(scaled);
    char text[48];
    const char* sign = scaled < 0 && cents != 0 ? "-" : "";
    const int size = cents >= 100 ? std::snprintf(text, sizeof text, "%s%lld.%02lld%%", sign, cents / 100, cents % 100)
                                  : std::snprintf(text, sizeof text, "%s.%02lld%%", sign, cents);
    return QString::fromLatin1(text, size);
}

double Margin(double profit, double amount)
{
    return amount != 0 ? RoundFloat(2, profit / amount * 100) : 100;
}
