#include "Rights.h"

#include "Database.h"
#include "LanWarning.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "SqlNames.h"
#include "UserLookup.h"

namespace vantorel {

int CountRightRows(Database& db, qint64 userNumber, const QString& code) {
    return db
        .scalar(QStringLiteral("SELECT COUNT(*) FROM FunctionAccess WHERE (%1 = ?) AND (UserID = ?)")
                    .arg(SqlName(QStringLiteral("Code"))),
                {code, QString::number(userNumber)})
        .toInt();
}

bool AuthorizedForBilling(Database& db, const ProgramState& state, Prompter& prompter, const QString& code) {
    bool granted = false;
    if (const auto user = FindUserByName(db, state.currentUserName)) {
        const Rows rows = db.query(QStringLiteral("SELECT UserID FROM FunctionAccess WHERE %1 = ?")
                                       .arg(SqlName(QStringLiteral("Code"))),
                                   {code});
        for (const Row& r : rows) {
            bool ok = false;
            const qint64 n = r.text(QStringLiteral("UserID")).trimmed().toLongLong(&ok);
            if (ok && n == user->number) {
                granted = true;
                break;
            }
        }
    }
    if (!granted)
        prompter.showMessage(RightsText::BillingDenied, RightsText::DeniedCaption,
                             Prompter::Icon::Exclamation);
    return granted;
}

bool Authorized(Database& db, const ProgramState& state, Prompter& prompter, const QString& code) {
    const auto user = FindUserByName(db, state.currentUserName);
    const bool granted = user && CountRightRows(db, user->number, code) == 1;
    if (!granted)
        prompter.showMessage(RightsText::UtilityDenied, RightsText::DeniedCaption,
                             Prompter::Icon::Exclamation);
    return granted;
}

bool AuthorizedAccess(Database& db, const ProgramState& state, Prompter& prompter, const QString& code,
                      const QString& action, const QString& caption) {
    const auto user = FindUserById(db, state.currentUserId);
    const bool granted = user && CountRightRows(db, user->number, code) > 0;
    if (!granted)
        prompter.showMessage(RightsText::NotEntitled(action), caption, Prompter::Icon::Exclamation);
    return granted;
}

bool AuthorizedAnyOf(Database& db, const ProgramState& state, Prompter& prompter, const QStringList& codes) {
    bool granted = false;
    if (const auto user = FindUserByName(db, state.currentUserName)) {
        for (const QString& code : codes) {
            if (CountRightRows(db, user->number, code) == 1) {
                granted = true;
                break;
            }
        }
    }
    if (!granted) {
        prompter.showMessage(RightsText::AnyOfDenied, RightsText::DeniedCaption, Prompter::Icon::Exclamation);
        return false;
    }
    if (IsNetworkDatabase(state)) {
        prompter.showMessage(RightsText::NetworkBlocked, RightsText::NetworkBlockedCaption,
                             Prompter::Icon::Exclamation);
        return false;
    }
    return true;
}

} // namespace vantorel
