#pragma once

#include "EventTexts.h"

#include <QString>

// Event texts only the billing engine records; the shared ones are in EventTexts.h.
namespace vantorel::EventText {

inline QString MiscellaneousBooked(const QString& comment) {
    return QStringLiteral("Billing/Misc - ") + comment + QStringLiteral(" Inventory?? ");
}
inline QString MiscellaneousChanged(const QString& values) {
    return QStringLiteral("Billing - Changed Misc. to ") + values;
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


} // namespace vantorel::EventText
