#pragma once

#include "Money.h"

#include <QString>

namespace vantorel {

// Bill amounts are exact decimals. Every rounding below is a single rounding of the exact value, half to
// even; none goes through binary floating point.

// The nearest whole cent of an amount.
inline Money ToCents(Money value) {
    return value.roundTo(2);
}
// value x numerator / denominator, rounded once to whole cents.
Money MulDivToCents(Money value, qint64 numerator, qint64 denominator);
// value x percent / 100 at four decimals, and the same rounded once to whole cents.
Money PercentOf(Money value, Money percent);
Money PercentOfToCents(Money value, Money percent);
inline Money WholePercent(int percent) {
    return Money::fromUnits(qint64(percent) * Money::Scale);
}

// The amount of a bill line: 0 for a free line (discount 100), else price x quantity less the item
// discount, in whole cents.
Money LineAmount(Money price, int quantity, int discountPercent);

// The last digit of the cents becomes 0 or 5 (1, 2 -> 0; 3, 4, 6, 7 -> 5; 8, 9 -> 0 of the next ten).
Money ToFiveCents(Money value);
// The bill rounding of the final amount: 0 none, 5 to 0.05, 10 to 0.10.
Money RoundBill(Money value, int rounding);

// Amount text of event texts and authorization texts: two decimals, no thousands separators.
inline QString AmountText(Money value) {
    return value.toPlainString(2);
}

} // namespace vantorel
