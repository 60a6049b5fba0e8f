#pragma once

#include <QString>
#include <vector>

namespace vantorel {

struct FunctionCode {
    QString code;
    QString description; // the Functions.Functions text shown in the rights screen
};

// Every guarded function with the description a new database starts with.
const std::vector<FunctionCode>& StandardFunctionCodes();

inline const QString BillingFunctionDescription = QStringLiteral("Billing Access to Billing");
inline const QString SalesTodayFunctionDescription = QStringLiteral("Report Sales Today");

} // namespace vantorel
