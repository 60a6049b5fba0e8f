#include "BillApproval.h"

#include "EventLog.h"
#include "EventTexts.h"
#include "Rights.h"
#include "TextHelpers.h"
#include "UserLookup.h"

namespace vantorel {

QString ApprovalIdFromTyped(ApprovalDialog dialog, const QString& typed) {
    if (dialog == ApprovalDialog::Keyboard && typed.size() < 4)
        return {};
    return typed.right(4);
}

ApprovalOutcome CheckBillApproval(Database& db, const ProgramState& state, const Clock& clock,
                                  Prompter& prompter, ApprovalDialog dialog, const QString& typed,
                                  Prompter::Approval wanted, const QString& subject, const QString& action) {
    ApprovalOutcome out;
    const QString id = ApprovalIdFromTyped(dialog, typed);
    if (id.isEmpty())
        return out;
    const QString code = dialog == ApprovalDialog::Keyboard ? QStringLiteral("TF36") : QStringLiteral("TF33");
    const auto user = FindUserById(db, id);
    if (!user || user->id != id || CountRightRows(db, user->number, code) == 0) {
        prompter.beep(0);
        RecordEvent(db, state, clock, EventText::AuthorizationIncorrectCode(typed), subject);
        out.kind = ApprovalOutcome::Kind::Incorrect;
        return out;
    }
    out.kind = ApprovalOutcome::Kind::Approved;
    out.answer =
        wanted == Prompter::Approval::AllItems ? Prompter::Approval::AllItems : Prompter::Approval::OneItem;
    out.approverName = CapitalizeName(user->name);
    RecordEvent(db, state, clock, EventText::AuthorizationGranted(out.approverName, action), subject);
    return out;
}

} // namespace vantorel
