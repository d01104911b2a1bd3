#include "Money.h"

#include "NumberText.h"

#include <cmath>

Money Money::fromYuan(double yuan)
{
    return fromCents(std::llround(RoundFloat(2, yuan) * 100));
}

QString FormatMoney(Money m)
{
    return FormatGeneral(m.yuan());
}

std::optional<Money> ReadMoney(const QString& text)
{
    const std::optional<double> v = ReadNumber(text);
    if (!v)
        return std::nullopt;
    return Money::fromYuan(*v);
}
