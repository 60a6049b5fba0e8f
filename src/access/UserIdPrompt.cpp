#include "UserIdPrompt.h"

#include "AccessEventTexts.h"
#include "CheckIn.h"
#include "EventLog.h"

namespace vantorel {

namespace {

UserIdPromptResult check(Database& db, ProgramState& state, const Clock& clock, const QString& field,
                         const QString& id) {
    if (field.isEmpty())
        return UserIdPromptResult::Empty;
    if (CheckUserID(db, state, id))
        return UserIdPromptResult::Valid;
    RecordEvent(db, state, clock, AccessEventText::BillingUserIdInvalid(field));
    return UserIdPromptResult::Invalid;
}

} // namespace

UserIdPromptResult UserIdToBilling(Database& db, ProgramState& state, const Clock& clock,
                                   const QString& field) {
    return check(db, state, clock, field, field.left(4));
}

UserIdPromptResult UserIdExit(Database& db, ProgramState& state, const Clock& clock, const QString& field) {
    return check(db, state, clock, field, field);
}

} // namespace vantorel
