#pragma once

#include "Money.h"

namespace vantorel {

// Rounds to the given number of decimals, ties to even (2 decimals for money). The Money form is exact;
// the double form rounds the value as its decimal text reads (2.675 -> 2.68), not the binary noise of it.
Money RoundToDigits(Money value, int decimals);
double RoundToDigits(double value, int decimals);

// Rounds to two decimals, then to the nearest five cents: a last digit of 1 or 2 goes down to 0, 3 or 4
// up to 5, 6 or 7 down to 5, 8 or 9 up to the next ten cents; 0 and 5 stay. Negative amounts round the
// same way as their positive counterparts.
Money RoundToFiveCents(Money amount);

} // namespace vantorel
