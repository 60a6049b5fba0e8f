#pragma once

#include "Money.h"
#include "Row.h"
#include "TaxSettings.h"

#include <QString>

namespace vantorel {

class Clock;
class Database;
struct ProgramState;

// What the tax screen does on its buttons, each as one action: the taxes row, the licence number kept
// on this computer, and the price list built from them.

// The licence number for tax declarations; empty when none has been given.
QString LoadLicenceNumber();

// Saves the taxes (refreshing the copies and logging, as SaveTaxSettings does) and, when one is given, the
// licence number. A licence number that cannot be written leaves the taxes and the copies as they were;
// an empty one leaves the stored number alone.
void SaveTaxesAndLicence(Database& db, ProgramState& state, const Clock& clock, const TaxSettings& taxes,
                         const QString& licence);

// Saves as SaveTaxesAndLicence, fills the Report table with the price list and returns its rows joined
// with the taxes row, in one transaction, so that a list built at the same time on another workstation
// cannot mix into this one.
Rows SaveTaxesAndPriceList(Database& db, ProgramState& state, const Clock& clock, const TaxSettings& taxes,
                           const QString& licence);

// A percentage as a percentage field shows it: no needless decimals ("7", "12.5", "3.4").
QString PercentFieldText(Money percent);

} // namespace vantorel
