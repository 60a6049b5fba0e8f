#include "StartupCash.h"

#include "AmountText.h"
#include "Database.h"
#include "EventLog.h"
#include "EventTexts.h"
#include "ProgramState.h"
#include "Settings.h"
#include "UnitOfWork.h"
#include "WorkstationIni.h"

namespace vantorel {

bool StartupCashOffered(Database& db) {
    return ReadUtility(db).cashForward.isZero();
}

std::optional<Money> StartupCashFromReply(const QString& reply) {
    if (reply.isEmpty() || reply == QLatin1String("XPX"))
        return std::nullopt;
    const QString number = StripAmount(reply).trimmed();
    if (!IsNumberText(number))
        return std::nullopt;
    const auto amount = Money::parse(number);
    if (!amount || amount->isZero() || *amount < Money())
        return std::nullopt;
    return amount->roundTo(2);
}

void EnterStartupCash(Database& db, const ProgramState& state, const Clock& clock, const Money& amount) {
    UnitOfWork work(db);
    SetCashForward(db, amount);
    RecordEvent(db, state, clock, EventText::StartupCashEntered(FormatAmount(amount), state.currentUserName));
    // The INI file is written last, before the commit: when it cannot be written nothing is kept.
    const WorkstationIni ini(state.dataFolder);
    ini.setCarriedCash(amount);
    ini.setStartupCashTyped(true);
    work.commit();
}

} // namespace vantorel
