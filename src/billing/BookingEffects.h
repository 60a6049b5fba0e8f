#pragma once

#include "BillingTypes.h"
#include "Money.h"

#include <QString>
#include <optional>

namespace vantorel {

class Clock;
class Database;
class Prompter;
struct ProgramState;

// The side effects of booking, deleting and changing bill lines. Each runs inside the caller's unit of
// work and changes counters in place, so that workstations never lose each other's updates.

// Adds n x price less the discount to the checked-in user's sales of today and of the month (n < 0
// takes it back). Nothing without a checked-in user.
void SalesToPassword(Database& db, const ProgramState& state, int n, int discountPercent, Money price);

// True while incentives are in use and the item carries an incentive.
bool IsIncentiveItem(Database& db, const ProgramState& state, const QString& item);

// Records n units of an incentive item entered by the checked-in user on the bill, and credits the
// incentive. For n < 0 only units this user entered are taken back; returns the units recorded (signed).
int UpdateDailyIncentive(Database& db, const ProgramState& state, const Clock& clock, const QString& bill,
                         const QString& item, int n, int discountPercent);
// Adds the item's incentive for n units less the discount to the user's incentive counters.
void IncentiveToPassword(Database& db, const ProgramState& state, const QString& item, int n,
                         int discountPercent);

// Before deleting or changing n units of an incentive item: the units the checked-in user may delete or
// change (asking or telling as needed), 0 to refuse, -1 when no incentive is recorded at all.
// `action` is " delete " or " edit ".
int IncentiveMessage(Database& db, const ProgramState& state, Prompter& prompter, const QString& bill,
                     const QString& action, const QString& item, int discountPercent, int n);

// Moves n units of incentive records of an item from one bill to another (a line transfer).
void TransferDailyIncentive(Database& db, const QString& fromBill, const QString& toBill, const QString& item,
                            int discountPercent, int n);

// Unsent order-slip lines of the user at the table: n > 0 after a booking, n < 0 after a deletion.
void UpdateOrderSlip(Database& db, const ProgramState& state, const QString& table, const QString& item,
                     int n);
// True while order-slip lines wait to be sent.
bool OrderSlipPending(Database& db);

// Charges a customer account (+1) or credits it (-1) with a line amount, after the account discount
// and with tax and service charge at the current rates, and the cost of the items.
void UpdateVIP(Database& db, const ProgramState& state, const QString& account, int sign, Money cost,
               Money amount);
std::optional<CustomerAccountStatus> LoadCustomerAccountStatus(Database& db, const QString& account);
bool IsEntertainmentAccount(const QString& account);

// The running averages of the Miscellaneous item: n units sold (n < 0: taken back) at the price and cost.
void UpdateMiscellaneous(Database& db, int n, Money price, Money cost);

// Items.Consumption += n for any item but Miscellaneous.
void UpdateConsumption(Database& db, const QString& item, int n);

} // namespace vantorel
