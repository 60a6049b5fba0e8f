#include "CashDrawer.h"

#include "BillStore.h"
#include "Database.h"
#include "EventLog.h"
#include "EventTexts.h"
#include "ProgramState.h"
#include "Rights.h"
#include "UnitOfWork.h"
#include "UserLookup.h"

namespace vantorel {

bool MayOpenCashDrawer(Database& db, const ProgramState& state, const Clock& clock,
                       const QString& typedCode) {
    const QString code = typedCode.left(4);
    const auto user = FindUserById(db, code);
    if (user && CountRightRows(db, user->number, QStringLiteral("TF34")) > 0)
        return true;
    UnitOfWork work(db);
    RecordEvent(db, state, clock,
                EventText::CashDrawerRefused(code, billingdetail::UserName(state), state.currentUserId));
    work.commit();
    return false;
}

} // namespace vantorel
