#pragma once

#include "Money.h"

#include <QString>
#include <stdexcept>

namespace vantorel {

// A text that should have been a number was not one.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// Empty stays empty; otherwise the text without its "," read as a number and shown with thousands
// separators and two decimals ("1234.5" -> "1,234.50"). Throws ConversionError for a text that is not a
// number: callers pass amounts the program produced.
QString FormatAmount(const QString& text);
QString FormatAmount(Money amount);

// The number inside an amount text: empty stays empty, every "," goes and the first ".00" that ends the
// number is dropped ("1,234.00" -> "1234", "1,234.50" -> "1234.50").
QString StripAmount(const QString& text);

// True for a plain decimal number such as "12", "-3.5", "0.25", ".5" or "7." (blanks around it allowed);
// false for empty text, a lone sign, thousands separators, exponents and anything else.
bool IsNumberText(const QString& text);

} // namespace vantorel
