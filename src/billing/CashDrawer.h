#pragma once

#include <QString>

namespace vantorel {

class Clock;
class Database;
struct ProgramState;

// "Cash drawer" on the billing screen: the code typed (its first four characters are a user ID) opens the
// drawer when that user holds the right "TF34". Any other code is refused without a message and logged.
bool MayOpenCashDrawer(Database& db, const ProgramState& state, const Clock& clock, const QString& typedCode);

} // namespace vantorel
