#include "BillAmounts.h"

namespace vantorel {

Money MulDivToCents(Money value, qint64 numerator, qint64 denominator) {
    // mulDiv rounds once; asking for hundredths of the denominator gives the result in cents.
    return Money::fromCents(value.mulDiv(numerator, denominator * 100).units());
}

Money PercentOf(Money value, Money percent) {
    return value.mulDiv(percent.units(), 100 * Money::Scale);
}

Money PercentOfToCents(Money value, Money percent) {
    return MulDivToCents(value, percent.units(), 100 * Money::Scale);
}

Money LineAmount(Money price, int quantity, int discountPercent) {
    if (discountPercent >= 100)
        return Money();
    return MulDivToCents(price.times(quantity), 100 - discountPercent, 100);
}

Money ToFiveCents(Money value) {
    const Money cents = ToCents(value);
    const bool negative = cents.units() < 0;
    qint64 c = (negative ? -cents.units() : cents.units()) / 100;
    const qint64 last = c % 10;
    if (last != 0 && last != 5) {
        c -= last;
        if (last == 3 || last == 4 || last == 6 || last == 7)
            c += 5;
        else if (last == 8 || last == 9)
            c += 10;
    }
    return Money::fromCents(negative ? -c : c);
}

Money RoundBill(Money value, int rounding) {
    switch (rounding) {
    case 5:
        return ToFiveCents(value);
    case 10:
        return value.roundTo(1);
    default:
        return value;
    }
}

} // namespace vantorel
