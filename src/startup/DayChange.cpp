#include "DayChange.h"

#include "BusinessDay.h"
#include "Clock.h"
#include "Database.h"

namespace vantorel {

bool IsFirstStartOfBusinessDay(Database& db, const Clock& clock) {
    const QDateTime now = clock.now();
    const QVariantList day = {BusinessDayStartAt(now), BusinessDayEndAt(now)};
    // Indexed range look-ups that stop at the first row: instant on a year of bills.
    return !db.queryOne(QStringLiteral("SELECT 1 FROM BillA WHERE InDate >= ? AND InDate <= ? LIMIT 1"), day) &&
           !db.queryOne(QStringLiteral("SELECT 1 FROM BillB WHERE OrderDate >= ? AND OrderDate <= ? LIMIT 1"), day);
}

FirstStartOutcome ActionOnFirstStartUp(Database&, ProgramState&, const Clock&) {
    return {};
}

} // namespace vantorel
