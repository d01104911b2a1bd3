#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

double RoundFloat(int n, double x)
{
    double scale = 10;
    for (int i = 1; i < n; ++i)
        scale *= 10;
    const double y = x * scale;
    if (!std::isfinite(y))
        return x;  // a value too large to scale is a whole number already (or infinite, or NaN)
    // A half that binary fractions cannot hold exactly (1.005 is 1.00499999999999989...) is still
    // a half: values within a few billionths of one, or within the error of their size, count as it.
    // The allowance stays below a thousandth of the last digit, so a hundred billion yuan still
    // rounds 0.4 of a cent down.
    const double noise = std::min(1e-9 + std::fabs(y) * 1e-13, 1e-3);
    const double shifted = x >= 0 ? y + 0.5 + noise : y - 0.5 - noise;
    // The integer part, held in 64 bits; values too large for that are whole numbers already.
    const double k = std::fabs(shifted) < 9.0e18 ? double(std::int64_t(shifted)) : std::trunc(shifted);
    return k / scale;
}

QString FormatGeneral(double x)
{
    if (x == 0 || std::isnan(x))
        return QStringLiteral("0");
    return QString::number(x, 'g', 15);
}

std::optional<double> ReadNumber(const QString& text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

double CellNumber(const QString& text)
{
    return ReadNumber(text).value_or(0);
}

QString FormatMoney(double x)
{
    return FormatGeneral(RoundFloat(2, x));
}

QString YuanText(double total)
{
    return FormatMoney(total) + QStringLiteral(" 元");
}
