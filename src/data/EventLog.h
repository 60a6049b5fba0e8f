#pragma once

#include <QString>

namespace vantorel {

class Clock;
class Database;
struct ProgramState;

// Appends one row to the event log: now, the text, the checked-in user's name (empty before anyone has
// checked in) and the subject (a bill number, an account name, or empty). Joins the caller's unit of work
// when one is open, so that an action and its event land together.
void RecordEvent(Database& db, const ProgramState& state, const Clock& clock, const QString& text,
                 const QString& subject = QString());

} // namespace vantorel
