#pragma once

#include "Money.h"

#include <QString>

namespace vantorel {

// The in-memory copies of the settings that billing consults often. Loaded at start and refreshed by the
// settings screens that save the columns behind them, on this workstation only.
struct SettingsCopies {
    bool touchMode = false;           // Utility.TouchScreen
    bool userIdMode = false;          // Utility.UserID
    bool billAuthorizationOn = false; // Utility.BillAuthorization
    bool incentivesInUse = false;
    bool setMenuPricesActive = false;
    bool inventoryControlOn = false;
    bool cardChargeOn = false;       // Utility.CardChargeYN
    bool cardNumberRequired = false; // Utility.CardNumberInput
    bool taxOnBillOn = false;        // Taxes.TTaxOnBill
    bool serviceChargeOnBillOn = false; // Taxes.TSCOnBill
    Money salesTaxRate;              // percent, 0 when tax is not on the bill
    Money govTaxRate;                // percent, 0 when tax is not on the bill
    Money serviceChargeRate;         // percent, 0 when the charge is not on the bill
    QString paperSize;               // Utility.PaperSize
    int printCopies = 1;             // Utility.PrintCopies
    bool printReinsert = false;      // Utility.PrintReinsert
    bool printFullBill = false;      // Utility.PrintFullBill
};

} // namespace vantorel
