#pragma once

#include "Money.h"

namespace vantorel {

class Clock;
class Database;
struct ProgramState;

// What the first start of a business day tells the main screen.
struct FirstStartOutcome {
    bool startupCashKnown = false; // carried over from the last close: the startup cash button is not offered
    Money startupCash;
};

// True before the business day's first sale: no bill opened and no line booked since the day began at 06:00.
bool IsFirstStartOfBusinessDay(Database& db, const Clock& clock);

// Hook for the day change: the work of the first start of a business day (startup cash carried over,
// daily counters, order-slip queue, promotions, invoice counter check). Called once at every start, after the
// input modes are loaded and before the main screen is shown. The day change is not part of this build yet,
// so nothing is done here.
FirstStartOutcome ActionOnFirstStartUp(Database& db, ProgramState& state, const Clock& clock);

} // namespace vantorel
