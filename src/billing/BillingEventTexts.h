#pragma once

#include <QString>

// Event texts recorded by the billing engine (same namespace as the program's other event texts).
namespace vantorel::EventText {

inline QString MarketPriceChanged(const QString& item, const QString& oldPrice, const QString& newPrice) {
    return QStringLiteral("MarketPrice: ") + item + QStringLiteral(" from ") + oldPrice +
           QStringLiteral(" to ") + newPrice;
}
inline QString MarketPriceAndIncentiveChanged(const QString& item, const QString& oldPrice,
                                              const QString& newPrice, const QString& newIncentive) {
    return MarketPriceChanged(item, oldPrice, newPrice) + QStringLiteral("; Incentive: ") + newIncentive;
}
inline QString MiscellaneousBooked(const QString& comment) {
    return QStringLiteral("Billing/Misc - ") + comment + QStringLiteral(" Inventory?? ");
}
inline QString ItemDeleted(const QString& item, const QString& price, int quantity, const QString& amount) {
    return QStringLiteral("Billing - Deleted ") + item + QStringLiteral(": ") + price +
           QStringLiteral(" x ") + QString::number(quantity) + QStringLiteral(" = ") + amount;
}
inline QString ItemsEdited(const QString& item, const QString& from, const QString& to) {
    return QStringLiteral("Billing - Items Edited ") + item + QStringLiteral(" from ") + from +
           QStringLiteral(" to ") + to;
}
inline QString MiscellaneousChanged(const QString& values) {
    return QStringLiteral("Billing - Changed Misc. to ") + values;
}
inline QString EmptyAccountClosed() {
    return QStringLiteral("Billing - Empty account closed");
}
inline QString BillDiscountGiven(int percent, const QString& from, const QString& to) {
    return QStringLiteral("Billing - Bill discount: ") + QString::number(percent) +
           QStringLiteral("%. Item value from ") + from + QStringLiteral(" to ") + to;
}
inline QString ItemTransferred(int quantity, const QString& item, const QString& fromBill,
                               const QString& toBill, const QString& amount) {
    return QStringLiteral("Billing - Transfer ") + QString::number(quantity) + QLatin1Char(' ') + item +
           QStringLiteral(" from ") + fromBill + QStringLiteral(" to ") + toBill + QStringLiteral(" (") +
           amount + QLatin1Char(')');
}
inline QString AllItemsTransferred(int lineCount, const QString& fromBill, const QString& toBill,
                                   const QString& total) {
    return QStringLiteral("Billing - Transfer all (") + QString::number(lineCount) +
           QStringLiteral(") items from ") + fromBill + QStringLiteral(" to ") + toBill +
           QStringLiteral(" (") + total + QLatin1Char(')');
}
inline QString TaxesAndChargesSaved() {
    return QStringLiteral("Taxes & Charges - Saved");
}
inline QString CreditCardsSaved() {
    return QStringLiteral("Credit Cards - Saved");
}

// The reason written on the void record of an empty bill that was closed.
inline QString EmptyAccountVoidReason() {
    return QStringLiteral("Billing - Empty Account Closed");
}

} // namespace vantorel::EventText
