#pragma once

#include "BillingTypes.h"

#include <QString>

namespace vantorel {

class Clock;
class Database;
class Prompter;
struct ProgramState;
struct SettingsCopies;

// The sums of a bill's lines that the first print starts from.
struct LineSums {
    Money sumItems; // every line's SalesPrice x Quantity
    Money foc;      // of the free lines
    Money itemDisc; // item discounts of the other lines
};
LineSums SumLines(const std::vector<BillLine>& lines);

// The first-print panel: what the user chose and every value it shows. Screens show these numbers as
// they are; the Set... functions below change the choices and recompute them.
struct FirstPrintPanel {
    QString billNumber;
    QString tableLabel;
    bool customerAccount = false;
    QString accountName;
    int billRounding = 0; // Utility.BillRounding: 0, 5 or 10
    LineSums sums;        // when the panel opened

    // Choices.
    int discountPercent = 0; // D as typed (0..99), or the account's discount
    bool billFreeOfCharge = false;
    bool serviceChargeApplies = true;

    // Shown values.
    Money sumItems;
    Money foc;
    Money itemDisc; // "Item Discount": 0 while a bill discount is given
    Money billTotal;
    Money billDiscount;
    Money base;
    Money tax;
    Money charge;
    Money finalAmount;
    QString note;
    bool discountEditable = true;
    bool freeOfChargeAllowed = true;
    bool resetVisible = false;
    bool serviceChargeBoxVisible = true;

    // The bill discount percent in force: 100 for a bill granted free.
    int effectiveDiscount() const { return billFreeOfCharge ? 100 : discountPercent; }
};

// Recomputes the shown values from the sums and the choices with the current rates.
void ComputeFirstPrint(FirstPrintPanel& panel, const SettingsCopies& settings);

// A typed bill discount (0..99); false when the panel does not take one (customer-account bill).
bool SetBillDiscount(FirstPrintPanel& panel, const SettingsCopies& settings, int percent);
// The bill discount field as typed: digits only, at most two; "." is refused with its message.
std::optional<int> ReadBillDiscount(Prompter& prompter, const QString& typed);
bool SetBillFreeOfCharge(FirstPrintPanel& panel, const SettingsCopies& settings, bool free);
void ResetBillDiscount(FirstPrintPanel& panel, const SettingsCopies& settings);
void SetServiceChargeApplies(FirstPrintPanel& panel, const SettingsCopies& settings, bool applies);

struct FirstPrintOpen {
    BillingOutcome outcome = BillingOutcome::Refused;
    FirstPrintPanel panel;
};
// Opens the first print of an open bill: sums its lines, takes a customer account's discount, computes
// and stores the tax and charge columns (CalculateFirstPrint).
FirstPrintOpen OpenFirstPrint(Database& db, const ProgramState& state, Prompter& prompter,
                              const QString& bill, int billRounding);

// Recomputes the panel and stores the tax, service-charge and PrintBill columns on the bill; the panel's
// finalAmount is what the customer display shows.
BillingOutcome CalculateFirstPrint(Database& db, const ProgramState& state, Prompter& prompter,
                                   FirstPrintPanel& panel);

struct FirstPrintCommit {
    BillingOutcome outcome = BillingOutcome::Refused;
    Money netPayment;
};
// "Print First Bill": stores the totals (after collapsing discounted lines for a bill discount) and marks
// the bill first-printed; the first receipt follows. Refused when the lines changed since the panel
// opened.
FirstPrintCommit CommitFirstPrint(Database& db, const ProgramState& state, Prompter& prompter,
                                  const Clock& clock, FirstPrintPanel& panel);
// "Direct Payment": the same, and payment follows without a first receipt.
FirstPrintCommit CommitDirectPayment(Database& db, const ProgramState& state, Prompter& prompter,
                                     const Clock& clock, FirstPrintPanel& panel);

// Inside the caller's unit of work: every item line with an item discount becomes part of one line per
// item and price at 0 %, so the bill discount replaces the item discounts; free lines stay.
void CollapseItemLines(Database& db, const QString& bill);

} // namespace vantorel
