#pragma once

#include <QString>

namespace vantorel {

// A typed card number passes when, without its blanks, it is all digits, belongs to a known brand
// (Mastercard: 16 digits from 51 to 55; Visa: 13 or 16 digits starting 4; AmEx: 15 digits starting 34 or
// 37; Discover: 16 digits starting 6011) and its Luhn check sum is a multiple of 10. The brand is tested
// first: a number that passes the sum but has no known brand is refused.
bool CheckCardNumber(const QString& text);

} // namespace vantorel
