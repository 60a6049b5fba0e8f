#include "EventLog.h"

#include "Clock.h"
#include "Database.h"
#include "ProgramState.h"
#include "SqlNames.h"
#include "TextHelpers.h"

namespace vantorel {

void RecordEvent(Database& db, const ProgramState& state, const Clock& clock, const QString& text,
                 const QString& subject) {
    db.exec(QStringLiteral("INSERT INTO Events (%1, %2, UserID, BillNumber) VALUES (?, ?, ?, ?)")
                .arg(SqlName(QStringLiteral("DateTime")), SqlName(QStringLiteral("Event"))),
            {clock.now(), text, CapitalizeName(state.currentUserName), subject});
}

} // namespace vantorel
