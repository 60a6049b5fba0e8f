#pragma once

#include <QString>

namespace vantorel {

class Clock;
class Database;
struct ProgramState;

namespace UserIdPromptText {
inline const QString Title = QStringLiteral("User Identification");
inline const QString Prompt = QStringLiteral("Please enter your User ID");
inline const QString Invalid = QStringLiteral("The code you entered is invalid. A record has been saved.");
inline const QString InvalidCaption = QStringLiteral("Incorrect Input");
} // namespace UserIdPromptText

// Keyboard billing's user-ID prompt: a valid ID makes its owner the current user. A wrong one is recorded,
// as the prompt's message tells the user.
enum class UserIdPromptResult { Empty, Valid, Invalid };

// "To Billing": the first four characters of the field are checked.
UserIdPromptResult UserIdToBilling(Database& db, ProgramState& state, const Clock& clock,
                                   const QString& field);
// "Exit": the whole field is checked.
UserIdPromptResult UserIdExit(Database& db, ProgramState& state, const Clock& clock, const QString& field);

} // namespace vantorel
