#pragma once

#include "AmountText.h"
#include "Money.h"

#include <QString>
#include <optional>

namespace vantorel {

class Clock;
class Database;
struct ProgramState;

namespace StartupCashText {
inline const QString Title = QStringLiteral("Startup Cash");
inline const QString Confirm = QStringLiteral("Done");
inline const QString Prompt = QStringLiteral(
    "Please input the amount of money you deposit in the cash drawer to start today's business.");
inline const QString Button = QStringLiteral("Enter Startup Cash");
inline QString Label(const Money& amount) {
    return QStringLiteral("Startup cash ") + FormatAmount(amount);
}
} // namespace StartupCashText

// The startup cash button is offered while no startup cash is known for the business day.
bool StartupCashOffered(Database& db);

// The amount of a pad reply: empty for "XPX", an empty reply, text that is not an amount, a negative amount
// or 0.
std::optional<Money> StartupCashFromReply(const QString& reply);

// Stores the startup cash: Utility.CashForward, the INI values carried to the next day and the event,
// together.
void EnterStartupCash(Database& db, const ProgramState& state, const Clock& clock, const Money& amount);

} // namespace vantorel
