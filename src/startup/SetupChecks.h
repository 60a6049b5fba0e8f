#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace vantorel {

class Clock;
class Database;

// What the menu and tax tables lack for billing to work.
struct SetupChecks {
    bool noMenuItems = false;       // fewer than two items in use, or one without a name
    bool noMenuGroup = false;       // no item in use, or one without a menu group
    bool noSpeedCode = false;       // no item in use, or one without a speed code
    bool taxNotSet = false;         // sales tax or service charge is 0
    bool optimizeSpeedcode = false; // several speed codes built from their main group's first letters

    static SetupChecks read(Database& db);

    // Billing cannot run without menu items and groups, nor at the keyboard without speed codes.
    bool menuIncomplete(bool touchMode) const {
        return noMenuItems || noMenuGroup || (!touchMode && noSpeedCode);
    }
};

// The "Service required" list after check-in (GetMessages).
struct SetupWarnings {
    QStringList items;
    bool showOptimizeHint = false; // "Speedcode can be optimized."

    bool isEmpty() const { return items.isEmpty(); }
};
SetupWarnings GetMessages(const SetupChecks& checks, bool touchMode, bool newMonth);

namespace SetupText {
inline const QString ServiceRequired = QStringLiteral("Service required");
inline const QString OptimizeHint = QStringLiteral("Speedcode can be optimized.");
inline const QString ServiceCaption = QStringLiteral("   Service");
inline const QString BillingNotAvailableCaption = QStringLiteral("   Billing not available");
inline QString MenuNeedsService(bool touchMode) {
    return (touchMode ? QStringLiteral("Menu Items and/or Menu Groups need service!  ")
                      : QStringLiteral("Menu Items, Menu Groups and/or Speedcode need service!  ")) +
           QStringLiteral("\rGo to Utilities/Menu/Menu Items...  ");
}
inline QString MenuNeedsMaintenance(bool touchMode) {
    return (touchMode ? QStringLiteral("Menu Items and/or Menu Groups need maintenance!  ")
                      : QStringLiteral("Menu Items, Menu Groups and/or Speedcode need maintenance!  ")) +
           QStringLiteral("\rYou can not access Billing. Please inform your superior.  ");
}
inline const QString LastDayOfMonth = QStringLiteral("Last Day of the Month");
inline const QString LastDayOfMonthNote =
    QStringLiteral("Recommend to check Events and Incentives, before changes are being made by automatic "
                   "maintenance, tomorrow. ");
inline QString InputModeHint(bool touchMode) {
    return touchMode ? QStringLiteral("Change to KEYBOARD input in Utilities-Maintenance-InputMode")
                     : QStringLiteral("Change to TOUCHSCREEN input in Utilities-Maintenance-InputMode");
}
} // namespace SetupText

// Adds the "TR15" function ("Report Sales Today") when the database lacks it.
void EnsureSalesTodayFunction(Database& db);

// "Welcome to " + the business name, or "Welcome..." without one.
QString WelcomeText(Database& db);

// The month of the last month-start maintenance differs from this month (the year is not compared).
bool NewMonthFlag(Database& db, const Clock& clock);

bool IsLastDayOfMonth(const QDate& date);

} // namespace vantorel
