#pragma once

#include "BillingTypes.h"

#include <QString>
#include <optional>

namespace vantorel {

class Clock;
class Database;
class Prompter;
struct ProgramState;

// Booking, changing, deleting and transferring bill lines. Questions and authorizations are asked first;
// then one unit of work checks that the bill is still open and the line still as shown, and writes the
// lines with every counter they move, or nothing at all.

struct BookItemRequest {
    QString billNumber;
    QString item;     // Items.Desc1
    QString quantity; // as typed: whole 1..999 ("0" means 1)
    Money price;
    int discountPercent = 0; // 0..99
    bool freeOfCharge = false;
    bool priceTyped = false;      // the market price was typed: a new price becomes the item's price
    Money miscellaneousCost;      // for Miscellaneous: the unit cost typed
    QString miscellaneousComment; // for Miscellaneous: "P.../C.../Q... - remark"
};

struct LineResult {
    BillingOutcome outcome = BillingOutcome::Refused;
    QString lineNumber; // the line booked or changed, after renumbering
    Money lineAmount;   // its amount for this action
    int quantity = 0;   // the quantity booked, deleted, changed to or moved
    bool orderSlipPending = false;
    int linesLeft = 0; // lines left on the bill (the source bill of a transfer)
    std::optional<CustomerAccountStatus> account;
    // What the superior approved, when asked; AllItems lets the screen skip asking again for this bill.
    Prompter::Approval approval = Prompter::Approval::Refused;
};

// True when the line was booked in the current business day: only such lines are changed, deleted or
// transferred from the keyboard screen.
bool IsTodaysLine(const BillLine& line, const Clock& clock);

LineResult BookItem(Database& db, const ProgramState& state, Prompter& prompter, const Clock& clock,
                    const BookItemRequest& request);

struct DeleteRequest {
    BillLineRef line;
    int quantity = 0;                 // 1 .. the line's quantity
    bool confirmed = false;           // the screen asked its own confirmation already
    bool approvedForAllItems = false; // a superior approved every item of this bill already
};
LineResult DeleteItemFromBill(Database& db, const ProgramState& state, Prompter& prompter, const Clock& clock,
                              const DeleteRequest& request);

struct EditRequest {
    BillLineRef line;
    QString quantity; // as typed
    int discountPercent = 0;
    bool freeOfCharge = false;
    bool approvedForAllItems = false;
};
LineResult EditBill(Database& db, const ProgramState& state, Prompter& prompter, const Clock& clock,
                    const EditRequest& request);

struct TransferRequest {
    QString fromBill;
    QString toBill;
    QString item;
    int discountPercent = 0;
    Money price;
    int quantity = 0;
    bool confirmed = false;
    bool approvedForAllItems = false;
};
// Moves exactly `quantity` units of the item at that discount and price from one bill's lines of the
// business day to the other bill.
LineResult HandleBillB(Database& db, const ProgramState& state, Prompter& prompter, const Clock& clock,
                       const TransferRequest& request);
// Moves every line of the business day except Miscellaneous.
LineResult TransferAllItems(Database& db, const ProgramState& state, Prompter& prompter, const Clock& clock,
                            const QString& fromBill, const QString& toBill, bool confirmed = false,
                            bool approvedForAllItems = false);

} // namespace vantorel
