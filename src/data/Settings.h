#pragma once

#include "Money.h"

#include <QString>

namespace vantorel {

class Database;
struct SettingsCopies;

// The one settings row shared by every workstation on the database.
struct UtilityRecord {
    QString billA; // last bill number issued
    int month = 0; // month and year of the last month-start maintenance
    int year = 0;
    Money cashForward; // startup cash of the business day; 0 = not entered yet
    QString name, address, postCode, country, tel;
    bool touchScreen = false;
    bool userId = false;
    bool billAuthorization = false;
    int billingTimer = 0; // ms; 0 = no idle return
    bool orderSlip = false;
    int billRounding = 0; // 0, 5 or 10
    bool cardChargeYN = false;
    bool cardNumberInput = false;
    QString printer;
    QString paperSize; // "A5", "A6", "RPI", "RPT", "MIN"
    int printCopies = 1;
    bool printReinsert = false;
    bool printFullBill = false;
    bool printHeader = false;
    bool printInvoice = false;
    QString billRemark1, billRemark2;
    QString a100, a200; // kitchen and bar line printers, or "None"
    QString a300;       // serial port of the pole display
    QString comport;    // serial port of the cash drawer
    QString command;    // text that opens the cash drawer
    QString delay;      // "1": print the pax with the table; a stored "3000" reads as "0"
    QString minInvoice; // "1": keep the pax with the bill
    QString adjNo;      // set-menu note for receipts
    QString code;       // owner identification, scrambled

    bool paxOnInvoice() const { return delay == QLatin1String("1"); }
    bool keepPax() const { return minInvoice == QLatin1String("1"); }
};

// The one taxes row.
struct TaxesRecord {
    Money salesTax;      // percent
    Money govTax;        // percent
    Money serviceCharge; // percent
    bool taxOnBill = false;
    bool serviceChargeOnBill = false;
};

// The print options saved together by the printer-setup screen.
struct PrintSetup {
    bool paxOnInvoice = false; // Delay
    bool keepPax = false;      // MinInvoice
    QString comport;
    bool printInvoice = true;
    // Written only when receipts are printed:
    QString paperSize;
    QString printer;
    QString billRemark1, billRemark2;
    bool printReinsert = false;
    bool printFullBill = false;
    bool printHeader = false;
    int printCopies = 1;
    QString a100, a200, a300;
};

struct CompanyProfile {
    QString name, address, postCode, country, tel;
};

// A stored Delay of "3000" (an old idle delay) means "0".
QString NormalizedDelay(const QString& stored);

// Reads the settings row in one query. Throws DatabaseError when the database has no settings row.
UtilityRecord ReadUtility(Database& db);
TaxesRecord ReadTaxes(Database& db);

// Setters write one or a few columns of the settings row inside the caller's unit of work. They throw
// DatabaseError when the database has no settings row.
void SetCompanyProfile(Database& db, const CompanyProfile& profile);
void SetTouchScreen(Database& db, bool on);
void SetUserIdMode(Database& db, bool on, int billingTimer);
void SetBillAuthorization(Database& db, bool on);
void SetOrderSlip(Database& db, bool on);
void SetBillingTimer(Database& db, int milliseconds);
// With receipts off only the pax options, the drawer port and the receipt switch are written.
void SetPrintSetup(Database& db, const PrintSetup& setup);
void SetBillRounding(Database& db, int rounding);
void SetBillRemark2(Database& db, const QString& text);
// Cards refused: only the acceptance switch changes. Accepted: the switch and the card-number rule.
void SetCardsRefused(Database& db);
void SetCardsAccepted(Database& db, bool numberRequired);
void SetCashForward(Database& db, Money amount);
void SetMaintenanceMonth(Database& db, int month, int year);
void SetSetMenuNote(Database& db, const QString& note); // AdjNo
void SetOwnerCode(Database& db, const QString& scrambled);
// Rewrites a stored Delay of "3000" as "0"; returns the value in force.
QString NormalizeStoredDelay(Database& db);
void SetTaxes(Database& db, const TaxesRecord& taxes);

// True when the sales tax or the service charge is 0: the setup is incomplete.
bool TaxNotSet(const TaxesRecord& taxes);
// Some item carries an incentive.
bool AnyItemIncentive(Database& db);
// Some ingredient is under inventory control.
bool InventoryControlInUse(Database& db);
// Some item has a set-menu price or a set-menu addition.
bool SetMenuPricesInUse(Database& db);

// Copies the taxes row into the settings copies: rates are 0 while they are not added to the bill.
void ApplyTaxes(const TaxesRecord& taxes, SettingsCopies& copies);
// Loads every in-memory setting copy from the database.
void LoadSettingsCopies(Database& db, SettingsCopies& copies);

} // namespace vantorel
