#include "Money.h"

#include <QLocale>
#include <cmath>
#include <cstdlib>

namespace vantorel {

namespace {
__extension__ typedef __int128 Int128;
}

std::int64_t divideRoundHalfEven(std::int64_t a, std::int64_t b) {
    if (b < 0) {
        a = -a;
        b = -b;
    }
    std::int64_t q = a / b;
    std::int64_t r = a % b;
    if (r == 0)
        return q;
    // Work with the magnitude of the remainder; q truncates toward zero.
    const std::int64_t twice = 2 * std::llabs(r);
    const int sign = (a < 0) ? -1 : 1;
    if (twice > b || (twice == b && (q % 2 != 0)))
        q += sign;
    return q;
}

std::optional<Money> Money::parse(QStringView text) {
    QString t = text.trimmed().toString();
    t.remove(QLatin1Char(','));
    if (t.isEmpty())
        return std::nullopt;
    bool negative = false;
    int i = 0;
    if (t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+')) {
        negative = t[0] == QLatin1Char('-');
        i = 1;
    }
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    int fractionDigits = 0;
    bool seenDigit = false;
    bool inFraction = false;
    std::int64_t extra = 0; // digits beyond the fourth decimal decide rounding
    int extraDigits = 0;
    bool extraNonZeroTail = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == QLatin1Char('.')) {
            if (inFraction)
                return std::nullopt;
            inFraction = true;
            continue;
        }
        if (!c.isDigit() || c.unicode() > '9')
            return std::nullopt;
        seenDigit = true;
        const int d = c.unicode() - '0';
        if (!inFraction) {
            if (whole > (INT64_MAX / Scale - 9) / 10)
                return std::nullopt;
            whole = whole * 10 + d;
        } else if (fractionDigits < 4) {
            fraction = fraction * 10 + d;
            ++fractionDigits;
        } else {
            if (extraDigits == 0)
                extra = d;
            else if (d != 0)
                extraNonZeroTail = true;
            ++extraDigits;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    while (fractionDigits < 4) {
        fraction *= 10;
        ++fractionDigits;
    }
    std::int64_t units = whole * Scale + fraction;
    if (extraDigits > 0) {
        if (extra > 5 || (extra == 5 && (extraNonZeroTail || (units % 2 != 0))))
            ++units;
    }
    return fromUnits(negative ? -units : units);
}

Money Money::fromDouble(double value) {
    // Go through the shortest decimal text of the double so that 0.1 stays 0.1.
    const auto parsed = parse(QString::number(value, 'f', 8));
    if (parsed)
        return *parsed;
    return fromUnits(static_cast<std::int64_t>(std::nearbyint(value * Scale)));
}

Money Money::roundTo(int decimals) const {
    if (decimals >= 4)
        return *this;
    if (decimals < 0)
        decimals = 0;
    std::int64_t step = 1;
    for (int i = decimals; i < 4; ++i)
        step *= 10;
    return fromUnits(divideRoundHalfEven(m_units, step) * step);
}

Money Money::mulDiv(std::int64_t numerator, std::int64_t denominator) const {
    const Int128 product = static_cast<Int128>(m_units) * numerator;
    Int128 q = product / denominator;
    Int128 r = product % denominator;
    if (r != 0) {
        Int128 absR = r < 0 ? -r : r;
        Int128 absD = denominator < 0 ? -static_cast<Int128>(denominator) : denominator;
        const bool negative = (product < 0) != (denominator < 0);
        if (2 * absR > absD || (2 * absR == absD && (q % 2 != 0)))
            q += negative ? -1 : 1;
    }
    return fromUnits(static_cast<std::int64_t>(q));
}

Money Money::percentOf(Money percent) const { return mulDiv(percent.units(), 100 * Scale); }

QString Money::toPlainString(int decimals) const {
    if (decimals < 0)
        decimals = 0;
    if (decimals > 4)
        decimals = 4;
    const Money r = roundTo(decimals);
    const std::int64_t absUnits = std::llabs(r.m_units);
    QString s = QString::number(absUnits / Scale);
    if (decimals > 0) {
        QString frac = QStringLiteral("%1").arg(absUnits % Scale, 4, 10, QLatin1Char('0'));
        s += QLatin1Char('.') + frac.left(decimals);
    }
    if (r.m_units < 0)
        s.prepend(QLatin1Char('-'));
    return s;
}

QString Money::toDisplayString() const {
    QString plain = toPlainString(2);
    const bool negative = plain.startsWith(QLatin1Char('-'));
    if (negative)
        plain.remove(0, 1);
    const qsizetype dot = plain.indexOf(QLatin1Char('.'));
    QString whole = plain.left(dot);
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, QLatin1Char(','));
    return (negative ? QStringLiteral("-") : QString()) + whole + plain.mid(dot);
}

} // namespace vantorel
