#pragma once

#include <QString>
#include <QStringList>

namespace vantorel {

class Database;
class Prompter;
struct ProgramState;

namespace RightsText {
inline const QString DeniedCaption = QStringLiteral("   Access denied");
inline const QString BillingDenied = QStringLiteral(
    "You have insufficient authorization to access the Billing utility.     \n\nPlease contact your "
    "supervisor.");
inline const QString UtilityDenied = QStringLiteral(
    "You have insufficient authorization to access this utility.     \r\rPlease contact your supervisor.");
inline const QString AnyOfDenied = QStringLiteral(
    "You have insufficient authorization to access this utility.     \n\nPlease contact your supervisor.");
inline const QString NetworkBlocked =
    QStringLiteral("While you are connected via LAN to the active Database,\naccess to this Utility has been "
                   "blocked...    ");
inline const QString NetworkBlockedCaption = QStringLiteral("No Access");
inline QString NotEntitled(const QString& action) {
    return QStringLiteral("You have not been entitled to ") + action +
           QStringLiteral("     \n\nPlease contact your supervisor.");
}
} // namespace RightsText

// Rights are read from the database on every check, so that a change made on any workstation applies at once.
// Each check shows its refusal message through the prompter and returns false.

// The main screen's Billing check: some FunctionAccess row of the code belongs to the checked-in user.
bool AuthorizedForBilling(Database& db, const ProgramState& state, Prompter& prompter, const QString& code);

// The check of the utilities, reports and archive screens: the checked-in user holds exactly one row of the
// code.
bool Authorized(Database& db, const ProgramState& state, Prompter& prompter, const QString& code);

// The input-mode screen's check of one setting; the user is found by the checked-in ID.
bool AuthorizedAccess(Database& db, const ProgramState& state, Prompter& prompter, const QString& code,
                      const QString& action, const QString& caption);

// The input-mode entry: at least one of the codes held (as the utilities check counts them), and not on a
// database reached over the network.
bool AuthorizedAnyOf(Database& db, const ProgramState& state, Prompter& prompter, const QStringList& codes);

// Without messages: how many FunctionAccess rows of the code the user with that AutoNum holds.
int CountRightRows(Database& db, qint64 userNumber, const QString& code);

} // namespace vantorel
