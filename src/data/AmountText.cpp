#include "AmountText.h"

namespace vantorel {

QString FormatAmount(const QString& text) {
    if (text.isEmpty())
        return text;
    QString plain = text;
    plain.remove(QLatin1Char(','));
    const auto value = IsNumberText(plain) ? Money::parse(plain) : std::nullopt;
    if (!value)
        throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value->toDisplayString();
}

QString FormatAmount(Money amount) {
    return amount.toDisplayString();
}

QString StripAmount(const QString& text) {
    if (text.isEmpty())
        return text;
    QString plain = text;
    plain.remove(QLatin1Char(','));
    // Only a ".00" that ends the number: "12.005" must not become "12005".
    qsizetype at = plain.indexOf(QLatin1String(".00"));
    while (at >= 0) {
        const qsizetype after = at + 3;
        if (after >= plain.size() || !plain.at(after).isDigit()) {
            plain.remove(at, 3);
            break;
        }
        at = plain.indexOf(QLatin1String(".00"), at + 1);
    }
    return plain;
}

bool IsNumberText(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    qsizetype i = 0;
    if (t.at(0) == QLatin1Char('-') || t.at(0) == QLatin1Char('+'))
        i = 1;
    bool digit = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digit = true;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

} // namespace vantorel
