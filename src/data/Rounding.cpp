#include "Rounding.h"

#include <QRegularExpression>
#include <QString>
#include <cmath>
#include <cstdlib>

namespace vantorel {

Money RoundToDigits(Money value, int decimals) {
    return value.roundTo(decimals);
}

double RoundToDigits(double value, int decimals) {
    if (!std::isfinite(value) || value == 0.0)
        return value;
    constexpr int Significant = 15; // what a double holds reliably; the digits beyond are binary noise
    const QString e = QString::number(std::fabs(value), 'e', Significant - 1); // "2.67500000000000e+00"
    const qsizetype ePos = e.indexOf(QLatin1Char('e'));
    QString digits = e.left(ePos);
    digits.remove(QLatin1Char('.'));
    const int exponent = e.mid(ePos + 1).toInt();
    const int keep = exponent + 1 + decimals; // significant digits left of the rounding position
    if (keep >= Significant)
        return value;
    if (keep < 0)
        return std::copysign(0.0, value);
    qint64 n = keep == 0 ? 0 : digits.left(keep).toLongLong();
    const QString dropped = digits.mid(keep);
    const int firstDropped = dropped.at(0).digitValue();
    const bool restNonZero = dropped.mid(1).contains(QRegularExpression(QStringLiteral("[1-9]")));
    if (firstDropped > 5 || (firstDropped == 5 && (restNonZero || n % 2 != 0)))
        ++n;
    QString text = QString::number(n);
    if (decimals > 0) {
        if (text.size() <= decimals)
            text = QString(decimals + 1 - text.size(), QLatin1Char('0')) + text;
        text.insert(text.size() - decimals, QLatin1Char('.'));
    } else if (decimals < 0) {
        text += QString(-decimals, QLatin1Char('0'));
    }
    const double magnitude = text.toDouble();
    return value < 0 ? -magnitude : magnitude;
}

Money RoundToFiveCents(Money amount) {
    const Money rounded = amount.roundTo(2);
    const std::int64_t cents = std::llabs(rounded.units()) / 100;
    const std::int64_t last = cents % 10;
    std::int64_t adjusted = cents;
    if (last == 1 || last == 2)
        adjusted = cents - last;
    else if (last == 3 || last == 4 || last == 6 || last == 7)
        adjusted = cents - last + 5;
    else if (last == 8 || last == 9)
        adjusted = cents - last + 10;
    const Money result = Money::fromCents(adjusted);
    return rounded.units() < 0 ? -result : result;
}

} // namespace vantorel
