#include "Money.h"

#include "NumberText.h"

#include <cmath>

Money Money::fromYuan(double yuan)
{
    return fromCents(std::llround(RoundFloat(2, yuan) * 100));
}

Money Money::dividedBy(std::int64_t count) const
{
    const bool negative = (m_cents < 0) != (count < 0);
    const std::int64_t a = m_cents < 0 ? -m_cents : m_cents;
    const std::int64_t b = count < 0 ? -count : count;
    const std::int64_t q = (2 * a + b) / (2 * b);
    return fromCents(negative ? -q : q);
}

QString FormatMoney(Money m)
{
    return FormatGeneral(m.yuan());
}

QString YuanText(Money total)
{
    return YuanText(total.yuan());
}

std::optional<Money> ReadMoney(const QString& text)
{
    const std::optional<double> v = ReadNumber(text);
    if (!v)
        return std::nullopt;
    return Money::fromYuan(*v);
}
