#pragma once

#include <QMetaType>
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

namespace vantorel {

// Currency as a whole number of 1/10,000 units. Arithmetic is exact; the only rounding is
// roundTo(), which rounds half to even like RoundToDigits.
class Money {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(std::int64_t units) {
        Money m;
        m.m_units = units;
        return m;
    }
    static constexpr Money fromCents(std::int64_t cents) { return fromUnits(cents * 100); }
    // Decimal text such as "1234.5", "-0.05", "1,234.00" (thousands separators are ignored).
    static std::optional<Money> parse(QStringView text);
    // Nearest 1/10,000, ties to even. Only for values that are already decimal amounts.
    static Money fromDouble(double value);

    constexpr std::int64_t units() const { return m_units; }
    double toDouble() const { return static_cast<double>(m_units) / Scale; }
    constexpr bool isZero() const { return m_units == 0; }

    // Round to the given number of decimals (0..4), half to even.
    Money roundTo(int decimals) const;
    // value * numerator / denominator, rounded half to even to 1/10,000.
    Money mulDiv(std::int64_t numerator, std::int64_t denominator) const;
    // value * percent / 100, where percent is itself a Money (e.g. 12.5 %).
    Money percentOf(Money percent) const;
    Money times(std::int64_t quantity) const { return fromUnits(m_units * quantity); }

    // Plain decimal text with the given number of decimals, no thousands separators ("1234.50").
    QString toPlainString(int decimals = 2) const;
    // Two decimals with thousands separators ("1,234.50").
    QString toDisplayString() const;

    constexpr Money operator+(Money o) const { return fromUnits(m_units + o.m_units); }
    constexpr Money operator-(Money o) const { return fromUnits(m_units - o.m_units); }
    constexpr Money operator-() const { return fromUnits(-m_units); }
    Money& operator+=(Money o) {
        m_units += o.m_units;
        return *this;
    }
    Money& operator-=(Money o) {
        m_units -= o.m_units;
        return *this;
    }
    constexpr auto operator<=>(const Money&) const = default;

private:
    std::int64_t m_units = 0;
};

// Rounds a / b half to even (b > 0 or b < 0).
std::int64_t divideRoundHalfEven(std::int64_t a, std::int64_t b);

} // namespace vantorel

Q_DECLARE_METATYPE(vantorel::Money)
