#include "CheckIn.h"

#include "Clock.h"
#include "Database.h"
#include "EventLog.h"
#include "EventTexts.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "SqlDateTime.h"
#include "SqlNames.h"
#include "TextHelpers.h"
#include "UnitOfWork.h"
#include "UserLookup.h"

namespace vantorel {

void RecordCheckIn(Database& db, const ProgramState& state, const Clock& clock) {
    db.exec(QStringLiteral("INSERT INTO TimeInTimeOut (DateIn, DateOut, UserName) VALUES (?, ?, ?)"),
            {clock.now(), EmptyDate(), CapitalizeName(state.currentUserName)});
}

bool RecordCheckOut(Database& db, const ProgramState& state, const Clock& clock) {
    if (state.currentUserName.isEmpty())
        return false;
    const QString name = CapitalizeName(state.currentUserName);
    UnitOfWork work(db);
    const QVariant latest = db.scalar(
        QStringLiteral(
            "SELECT MAX(DateIn) FROM TimeInTimeOut WHERE UserName = ? AND (DateOut IS NULL OR DateOut = ?)"),
        {name, EmptyDate()});
    if (latest.isNull())
        return false;
    const qint64 changed =
        db.exec(QStringLiteral("UPDATE TimeInTimeOut SET DateOut = ? WHERE UserName = ? AND "
                               "DateIn = ? AND (DateOut IS NULL OR DateOut = ?)"),
                {clock.now(), name, latest, EmptyDate()});
    work.commit();
    return changed > 0;
}

bool CheckUserID(Database& db, ProgramState& state, const QString& id) {
    if (id.isEmpty() || CountUsersWithId(db, id) != 1)
        return false;
    const auto user = FindUserById(db, id);
    state.currentUserName = CapitalizeName(user->name);
    state.currentUserId = user->id;
    return true;
}

KeyboardCheckIn::Result KeyboardCheckIn::attempt(Database& db, ProgramState& state, const Clock& clock,
                                                 Prompter& prompter, const QString& typedName,
                                                 const QString& id) {
    if (typedName.isEmpty() || id.isEmpty()) {
        prompter.showMessage(CheckInText::MissingInput, CheckInText::Caption, Prompter::Icon::Information);
        return typedName.isEmpty() ? Result::MissingName : Result::MissingId;
    }
    const QString name = CapitalizeName(typedName);
    const auto user = FindUserByName(db, name);
    if (user && user->id == id) {
        state.currentUserName = name;
        state.currentUserId = id;
        return Result::Verified;
    }
    prompter.beep(0);
    if (m_attempt < 3) {
        ++m_attempt;
        return Result::TryAgain;
    }
    ++m_attempt;
    ProgramState who = state;
    who.currentUserName = name;
    RecordEvent(db, who, clock, EventText::CheckInFailed(id));
    return Result::Failed;
}

TouchCheckInResult TouchCheckIn(Database& db, ProgramState& state, const Clock& clock, const QString& reply) {
    if (reply == QLatin1String("XPX"))
        return TouchCheckInResult::Exit;
    const auto user = reply.isEmpty() ? std::nullopt : FindUserById(db, reply);
    if (!user || user->id != reply) {
        ProgramState nobody = state;
        nobody.currentUserName.clear();
        RecordEvent(db, nobody, clock, EventText::CheckInFailed(reply));
        return TouchCheckInResult::UnknownId;
    }
    state.currentUserName = CapitalizeName(user->name);
    state.currentUserId = reply;
    return TouchCheckInResult::Verified;
}

Entry StraightToBilling(Database& db, const ProgramState& state) {
    const auto user = FindUserById(db, state.currentUserId);
    if (!user)
        return Entry::Refused;
    const Rows rows = db.query(
        QStringLiteral("SELECT %1 FROM FunctionAccess WHERE UserID = ?").arg(SqlName(QStringLiteral("Code"))),
        {user->numberText()});
    const qsizetype all = static_cast<qsizetype>(rows.size());
    qsizetype billing = 0;
    for (const Row& r : rows) {
        const QString code = r.text(QStringLiteral("Code")).trimmed().toUpper();
        if (code == QLatin1String("TF02") || code == QLatin1String("TF34") || code == QLatin1String("TR15"))
            ++billing;
    }
    if (all == 0 || billing == 0)
        return Entry::Refused;
    return all == billing && all <= 3 ? Entry::BillingOnly : Entry::MainMenu;
}

Entry CompleteCheckIn(Database& db, const ProgramState& state, const Clock& clock, Prompter& prompter) {
    const Entry entry = StraightToBilling(db, state);
    if (entry == Entry::Refused) {
        prompter.showMessage(CheckInText::Refused, CheckInText::RefusedCaption, Prompter::Icon::Exclamation);
        return entry;
    }
    RecordCheckIn(db, state, clock);
    return entry;
}

} // namespace vantorel
