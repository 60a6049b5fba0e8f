#pragma once

#include <QString>

namespace vantorel {

class Clock;
class Database;
class Prompter;
struct ProgramState;

namespace CheckInText {
inline const QString Caption = QStringLiteral("  Check In");
inline const QString MissingInput = QStringLiteral("Please enter your Name and User ID   ");
inline const QString RefusedCaption = QStringLiteral("  Access refused");
inline const QString Refused = QStringLiteral(
    "Although your Name and User ID have been verified, you\nhave not yet been authorized to enter the "
    "program!\n\nPlease request your superior to arrange appropriate access.     ");
} // namespace CheckInText

// Appends the checked-in user's TimeInTimeOut row (DateIn now, DateOut empty).
void RecordCheckIn(Database& db, const ProgramState& state, const Clock& clock);

// Stamps DateOut on the checked-in user's own latest open row, so that workstations sharing a database never
// check out each other's users. Returns false when that user has no open row (or nobody is checked in).
bool RecordCheckOut(Database& db, const ProgramState& state, const Clock& clock);

// True when exactly one user has that ID; then the user becomes the current user.
bool CheckUserID(Database& db, ProgramState& state, const QString& id);

// Check-in with name and ID at the keyboard: three attempts, the third failure is recorded and ends the
// program.
class KeyboardCheckIn {
public:
    enum class Result {
        MissingName, // message shown, focus the name
        MissingId,   // message shown, focus the ID
        TryAgain,    // wrong name or ID: clear both fields
        Failed,      // third wrong attempt, recorded: end the program
        Verified     // the user is the current user now
    };

    Result attempt(Database& db, ProgramState& state, const Clock& clock, Prompter& prompter,
                   const QString& name, const QString& id);
    // LoginAttempts: the number of the next attempt, from 1.
    int attemptNumber() const { return m_attempt; }

private:
    int m_attempt = 1;
};

// Check-in by ID alone from the touch pad: "XPX" (Exit) or an ID that matches no user ends the program.
enum class TouchCheckInResult { Exit, UnknownId, Verified };
TouchCheckInResult TouchCheckIn(Database& db, ProgramState& state, const Clock& clock, const QString& reply);

// Which way a verified user goes: refused (no billing right at all), straight into billing (every right is
// one of TF02, TF34, TR15, at most three rows), or the main menu.
enum class Entry { Refused, BillingOnly, MainMenu };
Entry StraightToBilling(Database& db, const ProgramState& state);

// After a verified identification: decides the entry and, unless the user is refused (message shown), records
// the check-in. A refused user leaves no open time-sheet row behind.
Entry CompleteCheckIn(Database& db, const ProgramState& state, const Clock& clock, Prompter& prompter);

} // namespace vantorel
