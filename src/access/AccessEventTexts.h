#pragma once

#include <QString>

// Event texts of check-in, rights and bill authorization.
namespace vantorel::AccessEventText {

inline QString StartupCashEntered(const QString& amount, const QString& userName) {
    return QStringLiteral("Startup Cash - ") + amount + QStringLiteral(" entered by ") + userName;
}
inline QString OwnerChangeAttempt() {
    return QStringLiteral("Authori - Attempt to change owner settings.");
}
inline QString AuthorizationSaved(const QString& userName) {
    return QStringLiteral("Utility Access - Authorization Saved for User = ") + userName;
}
inline QString ApprovalIncorrect(const QString& typedId) {
    return QStringLiteral("Authori - ") + typedId + QStringLiteral(": Incorrect Code");
}
inline QString ApprovalGranted(const QString& approverName, const QString& action) {
    return QStringLiteral("Authori - ") + approverName + QStringLiteral(": ") + action;
}
// The billing user-ID prompt tells the user that a record of a wrong ID was saved.
inline QString BillingUserIdInvalid(const QString& typedId) {
    return QStringLiteral("Billing - Invalid User ID used: ") + typedId;
}

} // namespace vantorel::AccessEventText
