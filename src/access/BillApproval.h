#pragma once

#include "Prompter.h"

#include <QString>

namespace vantorel {

class Clock;
class Database;
struct ProgramState;

namespace BillApprovalText {
inline const QString Title = QStringLiteral("Authorization Required");
inline const QString Incorrect = QStringLiteral("Incorrect Authorization ID !");
inline const QString Authorized = QStringLiteral("Authorized !");
} // namespace BillApprovalText

// Which dialog asks: the keyboard billing screen's (approver needs TF36) or the touch screen's (TF33).
enum class ApprovalDialog { Keyboard, Touch };

struct ApprovalOutcome {
    enum class Kind {
        TooShort,  // not checked: answer "0", nothing shown
        Incorrect, // recorded; the dialog shows the refusal
        Approved   // recorded; the dialog shows the approval
    };
    Kind kind = Kind::TooShort;
    Prompter::Approval answer = Prompter::Approval::Refused;
    QString approverName;
};

// The ID that is checked: the last four characters typed. The keyboard dialog checks nothing under four
// characters; the touch dialog checks a shorter ID as typed and nothing when it is empty.
QString ApprovalIdFromTyped(ApprovalDialog dialog, const QString& typed);

// A superior approves an action on a bill (keyboard: the bill number) or account (touch) by typing his ID.
// Both outcomes are recorded in the event log with the subject.
ApprovalOutcome CheckBillApproval(Database& db, const ProgramState& state, const Clock& clock,
                                  Prompter& prompter, ApprovalDialog dialog, const QString& typed,
                                  Prompter::Approval wanted, const QString& subject, const QString& action);

} // namespace vantorel
