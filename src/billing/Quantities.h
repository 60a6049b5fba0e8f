#pragma once

#include <QString>
#include <optional>

namespace vantorel {

class Prompter;

constexpr int MaxQuantity = 999;

inline bool IsValidQuantity(int quantity) {
    return quantity >= 1 && quantity <= MaxQuantity;
}

// A typed quantity: a whole number from 1 to 999; "0", "00" and "000" mean 1. Anything else ("-5",
// "1.5", "", "1000") is refused.
std::optional<int> ParseQuantity(const QString& typed);

// The same, showing the invalid-input message when the text is refused.
std::optional<int> ReadQuantity(Prompter& prompter, const QString& typed);

// A typed item discount: empty means 0; whole percent 0 to 99.
std::optional<int> ParseDiscountPercent(const QString& typed);

} // namespace vantorel
