#pragma once

#include "Money.h"
#include "Prompter.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace vantorel {

// How a billing action ended. Anything but Done wrote nothing; the message, if any, was already shown.
enum class BillingOutcome {
    Done,
    Refused,     // bad input or a state that does not allow the action
    Cancelled,   // the user answered No, or the authorization was refused
    BillClosed,  // the bill was settled or closed at another workstation: reload the open-bill list
    BillChanged, // the bill's lines changed at another workstation: reload the bill
};

// The header of one bill, as stored.
struct BillHeader {
    QString number;
    QString table;
    QString waiter;
    QString alias;   // CustomerName
    QString account; // StackerBill: the customer account of a customer-account bill
    bool vip = false;
    QDateTime inDate;
    QDateTime billDate;
    QString payMode;
    QString pax; // Sec5
    bool firstPrint = false;
    bool printBill = false;
    bool authorizationLock = false;      // Sec1
    bool serviceChargeCancelled = false; // Sec2
    bool isVoid = false;
    Money billMax; // Sec4_Bill_Max
    QString remark;
    Money netPayment;

    bool isOpen() const;
    bool isCustomerBill() const { return vip && !account.isEmpty(); }
};

// One stored line of a bill.
struct BillLine {
    QString billNumber;
    QString lineNumber; // BillNoItem
    QString item;
    int quantity = 0;
    Money price;             // SalesPrice
    Money sumItem;           // SalesPrice x Quantity
    int discountPercent = 0; // ItemDiscPerc, 100 for a free line
    Money amount;            // ItemsPayment
    Money itemCost;          // unit cost when booked
    QDateTime orderDate;

    bool isFreeOfCharge() const { return discountPercent >= 100; }
};

// A line as the screen showed it. Actions on a line check that it still holds what the user saw, because
// another workstation may have booked on the same bill and renumbered it in between.
struct BillLineRef {
    QString billNumber;
    QString lineNumber;
    QString item;
    Money price;
    int discountPercent = 0;
    int quantity = 0;
};

// What the billing screens show for a customer account.
struct CustomerAccountStatus {
    QString name;
    bool entertainment = false;
    bool blocked = false;
    Money availableCredit;        // rounded to cents
    Money totalCredit;            // the entertainment account's limit
    Money cost;                   // the entertainment account's used value
    bool creditLow = false;       // available credit at or below 15 % of the total credit (shown red)
    bool creditExhausted = false; // available credit at or below 0 (shown bold)
    Money usedPercent;            // entertainment: cost / limit x 100, one decimal
    int gaugePercent = 0;         // entertainment: whole percent for the gauge
};

} // namespace vantorel
