#pragma once

#include <QString>

// Event texts of check-in that the shared list does not hold yet.
namespace vantorel::AccessEventText {

// The billing user-ID prompt tells the user that a record of a wrong ID was saved.
inline QString BillingUserIdInvalid(const QString& typedId) {
    return QStringLiteral("Billing - Invalid User ID used: ") + typedId;
}

} // namespace vantorel::AccessEventText
