#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

// An amount of money held exactly, in cents (64 bits). Amounts, totals and amounts owed are added
// and compared as Money, so a total is the same whatever the order of its parts. Doubles appear
// only at the boundaries: the REAL columns of the database (yuan(), the double nearest to the
// cents, is what is written) and the texts on screen (FormatMoney, ReadMoney).
class Money {
public:
    constexpr Money() = default;
    static constexpr Money fromCents(std::int64_t cents)
    {
        Money m;
        m.m_cents = cents;
        return m;
    }
    // A double brought to the cent, halves away from zero (as RoundFloat(2, x)).
    static Money fromYuan(double yuan);

    constexpr std::int64_t cents() const { return m_cents; }
    // The value for a REAL column or a double-typed caller: exactly the cents as a decimal reads.
    double yuan() const { return double(m_cents) / 100; }

    constexpr Money operator+(Money o) const { return fromCents(m_cents + o.m_cents); }
    constexpr Money operator-(Money o) const { return fromCents(m_cents - o.m_cents); }
    constexpr Money operator-() const { return fromCents(-m_cents); }
    constexpr Money& operator+=(Money o) { m_cents += o.m_cents; return *this; }
    constexpr Money& operator-=(Money o) { m_cents -= o.m_cents; return *this; }
    // A unit price times a quantity: exact, as the cents are whole.
    constexpr Money operator*(std::int64_t quantity) const { return fromCents(m_cents * quantity); }
    // A share of the amount (an average over a quantity), brought to the cent, halves away from
    // zero; count must not be 0.
    Money dividedBy(std::int64_t count) const;
    constexpr auto operator<=>(const Money&) const = default;

private:
    std::int64_t m_cents = 0;
};

// Amounts written in code and tests: 1999.5_yuan, 30_yuan.
constexpr Money operator""_yuan(unsigned long long yuan)
{
    return Money::fromCents(std::int64_t(yuan) * 100);
}
constexpr Money operator""_yuan(long double yuan)
{
    return Money::fromCents(std::int64_t(yuan * 100 + 0.5L));
}

// Money in the general format: "1500", "12.5", "0.01", "-3.2".
QString FormatMoney(Money m);

// A total as shown under a list and on a report: "1500.5 元".
QString YuanText(Money total);

// Money typed by the operator, brought to the cent; nothing for a text that is not a number.
std::optional<Money> ReadMoney(const QString& text);
