#include "CardNumber.h"

namespace vantorel {

namespace {

bool knownBrand(const QString& digits) {
    const qsizetype n = digits.size();
    const int firstTwo = digits.left(2).toInt();
    if (n == 16 && firstTwo >= 51 && firstTwo <= 55)
        return true; // Mastercard
    if ((n == 13 || n == 16) && digits.startsWith(QLatin1Char('4')))
        return true; // Visa
    if (n == 15 && (firstTwo == 34 || firstTwo == 37))
        return true; // American Express
    if (n == 16 && digits.startsWith(QLatin1String("6011")))
        return true; // Discover
    return false;
}

bool luhnValid(const QString& digits) {
    int total = 0;
    bool twice = false; // the last digit counts once, the one before it twice, and so on
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        int d = digits.at(i).unicode() - '0';
        if (twice) {
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        total += d;
        twice = !twice;
    }
    return total % 10 == 0;
}

} // namespace

bool CheckCardNumber(const QString& text) {
    QString digits = text;
    digits.remove(QLatin1Char(' '));
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return knownBrand(digits) && luhnValid(digits);
}

} // namespace vantorel
