#pragma once

#include "BillingTypes.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace vantorel {

class Clock;
class Database;
class Prompter;
struct ProgramState;

// Opening, listing, moving and closing bills. Every operation that writes is one unit of work; it reads
// table labels and bill states inside that unit, so several workstations can work on the same tables.

struct NewBillRequest {
    QString table; // as typed: one to three digits
    QString pax;   // empty or "0..." means 1
    QString alias; // optional customer alias, at most 12 characters
};

struct BillOpenResult {
    BillingOutcome outcome = BillingOutcome::Refused;
    QString billNumber; // the bill opened (or moved, or allocated)
    QString tableLabel; // its label
};

// True when an open bill already carries the alias (without regard to case).
bool CheckAlias(Database& db, const QString& alias);

// Opens a bill at a table ("New Account"). A table that holds bills already gets lettered labels. The
// number is reserved inside the action; it may be later than the one GetNextBillNumber showed.
BillOpenResult CreateBill(Database& db, const ProgramState& state, Prompter& prompter, const Clock& clock,
                          const NewBillRequest& request);
// The quick form of the table box: no alias.
BillOpenResult CreateQuickBill(Database& db, const ProgramState& state, Prompter& prompter,
                               const Clock& clock, const QString& table, const QString& pax);
// Brings a customer account's bill to a table: its parked bill when it has one, else a new bill.
BillOpenResult AllocateCustomerBill(Database& db, Prompter& prompter, const Clock& clock,
                                    const QString& account, const QString& table, const QString& pax);

// Moves an open bill to another table; a table that holds bills already gets lettered labels.
BillOpenResult MoveBillToTable(Database& db, Prompter& prompter, const QString& bill,
                               const QString& newTable);

// A table left with exactly one lettered bill gets its plain label back.
void CleanOpenBillList(Database& db);

// Closes a bill that has no line as void, after the user's confirmation.
BillingOutcome CloseEmptyBill(Database& db, const ProgramState& state, Prompter& prompter, const Clock& clock,
                              const QString& bill);

// Changes the customer alias of an open bill (unique among open bills; the first letter upper-cased).
BillingOutcome ChangeAlias(Database& db, Prompter& prompter, const QString& bill, const QString& alias);
// Changes the pax of an open bill; empty or 0 keeps it, and a customer-account bill keeps its own.
BillingOutcome ChangePax(Database& db, Prompter& prompter, const QString& bill, const QString& pax);

struct OpenBillEntry {
    QString table;   // label as stored
    QString number;  // "Account No."
    QString account; // "VIP Account", upper case
    QString alias;   // "Customer Alias", upper case
    QString pax;
};
struct OpenBillList {
    std::vector<OpenBillEntry> bills;  // sorted by table
    QStringList tableLabels;           // the labels of the open bills
    QStringList accountsForAllocation; // customer accounts without a bill at a table
};
// The open bills at tables; also raises the bill-number counter to the highest stored number.
OpenBillList LoadOpenBillList(Database& db);

// With bill authorization on: locks every first-printed open bill opened in the business day.
void RegisterPaidBills(Database& db, const ProgramState& state, const Clock& clock);

// True while the first bill is still to be printed.
bool PrintFirstRun(Database& db, const QString& bill);
// Sends an open bill back to "not first-printed".
BillingOutcome PrintReset(Database& db, Prompter& prompter, const QString& bill);
// Numbers the bill's lines by booking time.
BillingOutcome RenumberItems(Database& db, Prompter& prompter, const QString& bill);

// Every open bill's final receipt is wanted (when a billing screen starts).
void SetPrintBillOnOpenBills(Database& db);

// A bill as the billing screens show it.
struct BillView {
    std::optional<BillHeader> header;
    std::vector<BillLine> lines; // the business day's lines, or all with wholeAccount
    Money shownTotal;            // sum of the shown lines' amounts
    int lineCount = 0;           // all lines of the bill
    bool hasEarlierLines = false;
    bool mayCloseEmpty = false; // open and without any line
    std::optional<CustomerAccountStatus> account;
};
BillView LoadBill(Database& db, const Clock& clock, const QString& bill, bool wholeAccount = false);

} // namespace vantorel
