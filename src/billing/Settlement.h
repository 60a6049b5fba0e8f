#pragma once

#include "BillingTypes.h"

#include <QString>
#include <vector>

namespace vantorel {

class Clock;
class Database;
class Prompter;
struct ProgramState;

// Settling a first-printed bill in cash or by card, and the start-up cash check of the billing screen.

struct CardCompanyChoice {
    QString code;        // CreditCard.Code: "AMEX", "DINERS", "MASTERS", "VISA", "DEBIT"
    QString description; // CreditCard.Desc1, as offered and stored on the bill
};

// What the payment panel shows for a bill.
struct PaymentView {
    BillingOutcome outcome = BillingOutcome::Refused;
    QString billNumber;
    QString tableLabel;
    Money amountDue; // NetPayment
    bool cardsAccepted = false;
    bool numberRequired = false;
    std::vector<CardCompanyChoice> companies; // the companies in use, by description
};

// Opens the payment of an open bill. A bill that is not first-printed (or no longer, because its lines
// changed) is refused with BillChanged: it must go through the first print again.
PaymentView OpenPayment(Database& db, const ProgramState& state, Prompter& prompter, const QString& bill);

// The company a letter typed in the payment panel stands for ("A" American Express, "D" Diners Club,
// "M" Mastercard, "V" Visa); empty when the letter stands for none of the offered companies.
QString CompanyForLetter(const std::vector<CardCompanyChoice>& companies, QChar letter);

// Cash typed into "Cash paid": thousands separators and a trailing ".00" are ignored.
struct CashEntry {
    enum class Problem { None, Empty, NotANumber, BelowAmountDue } problem = Problem::None;
    Money cash;
    Money change;
};
CashEntry ReadCashPaid(const QString& typed, Money amountDue);
// The same, showing the message of a refused entry (nothing for an empty one).
CashEntry CheckCashPaid(Prompter& prompter, const QString& typed, Money amountDue);

// A card number as stored: the first six and the last four digits, the digits between them masked; a
// number too short to keep six and four keeps only the last four. Blanks are dropped.
QString MaskCardNumber(const QString& typed);
// "xxxx xxxx xxxx " followed by the last four characters of the number.
QString CardNumberDummy(const QString& typed);

struct SettlementRequest {
    QString billNumber;
    Money amountDue;                  // as the panel showed it
    QString cash;                     // "Cash paid" as typed
    QString cardCompany;              // the company chosen, by description
    QString cardNumber;               // as typed
    bool cardNumberRechecked = false; // OK pressed again after a mismatch: the number is taken as typed
};

struct SettlementResult {
    enum class Stop {
        None,
        NothingEntered,     // neither cash nor a company: back to "Cash paid"
        CashAndCard,        // both: all fields are cleared
        InvalidCash,        // the cash field is cleared
        CashBelowAmountDue, // the cash field is cleared
        NoCompany,          // card chosen without a company
        CardNumberMismatch, // the next OK takes the number as typed
        BillClosed,         // settled or closed elsewhere
        BillChanged,        // changed since its first print: the first print must run again
    };
    BillingOutcome outcome = BillingOutcome::Refused;
    Stop stop = Stop::None;
    bool card = false;
    Money amountDue;
    Money cashPaid;
    Money change;
    QString cardCompany;
    QString customerAccount; // the account settled with the bill, if any
};

// Settles the bill: checks the entry, then in one unit of work checks that the bill is still open and as
// first-printed, stores the payment, records the service-charge and max-item-value events, settles a
// customer account and gives the table back its plain label. Refusals are shown through the prompter.
SettlementResult SettleBill(Database& db, const ProgramState& state, Prompter& prompter, const Clock& clock,
                            const SettlementRequest& request);

// "Print final bill?" answered No: the bill's final receipt is not wanted (BillA.PrintBill).
void DeclineFinalReceipt(Database& db, const QString& bill);

// The start-up cash check runs once per billing screen, when the first bill is opened from the table
// box, unless the screen started with bills of the business day present.
bool BillsOfBusinessDayExist(Database& db, const Clock& clock);
// The start-up cash of the day (Utility.CashForward); the check is shown only when it is above 0.
Money StartupCashToCheck(Database& db);
// Logs the answer: "Startup Cash - " user ": " amount " ACCEPTED" (or " NOT ACCEPTED").
void RecordStartupCashAnswer(Database& db, const ProgramState& state, const Clock& clock, Money amount,
                             bool accepted);

// Empties the checked-in user's unsent order-slip lines; other users' lines stay queued, so that selecting
// a bill at one workstation never drops an order another workstation has not sent yet.
void CleanBarslip(Database& db, const ProgramState& state);
// True while the checked-in user has unsent order-slip lines.
bool UserOrderSlipPending(Database& db, const ProgramState& state);

} // namespace vantorel
