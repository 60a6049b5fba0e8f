#include "DayChange.h"

namespace vantorel {

FirstStartOutcome ActionOnFirstStartUp(Database&, ProgramState&, const Clock&) {
    return {};
}

} // namespace vantorel
