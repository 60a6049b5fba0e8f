#include "Quantities.h"

#include "BillingMessages.h"
#include "Prompter.h"

namespace vantorel {

namespace {

bool allAsciiDigits(const QString& s) {
    if (s.isEmpty())
        return false;
    for (QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

std::optional<int> ParseQuantity(const QString& typed) {
    const QString text = typed.trimmed();
    if (!allAsciiDigits(text) || text.size() > 6)
        return std::nullopt;
    const int n = text.toInt();
    if (n == 0 && text.size() <= 3)
        return 1;
    if (!IsValidQuantity(n))
        return std::nullopt;
    return n;
}

std::optional<int> ReadQuantity(Prompter& prompter, const QString& typed) {
    const auto n = ParseQuantity(typed);
    if (!n) {
        const auto m = BillingMessage::InvalidInput();
        prompter.showMessage(m.text, m.caption, Prompter::Icon::Exclamation);
    }
    return n;
}

std::optional<int> ParseDiscountPercent(const QString& typed) {
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return 0;
    if (!allAsciiDigits(text) || text.size() > 2)
        return std::nullopt;
    return text.toInt();
}

} // namespace vantorel
