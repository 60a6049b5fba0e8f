#pragma once

#include "Money.h"

#include <QString>
#include <optional>
#include <vector>

namespace vantorel {

class Clock;
class Database;
struct ProgramState;
struct SettingsCopies;

// Tax, service charge, card companies and bill rounding: what the settings screens load and save, and the
// in-memory copies billing computes with.

struct TaxSettings {
    Money salesTax;      // percent
    Money govTax;        // percent
    Money serviceCharge; // percent
    bool taxOnBill = false;
    bool serviceChargeOnBill = false;
};

TaxSettings LoadTaxSettings(Database& db);
// The copies a program start uses: the tax rates count as 0 while the taxes are not added to the bill,
// and the service-charge rate while the charge is not.
void ApplyTaxSettingsAtStart(const TaxSettings& taxes, SettingsCopies& copies);
// Writes the Taxes row, takes the values as they stand into the copies and logs the save.
void SaveTaxSettings(Database& db, ProgramState& state, const Clock& clock, const TaxSettings& taxes);
// A percentage field as typed: digits and one "."; empty or a lone "." is 0.
std::optional<Money> ParsePercentField(const QString& typed);

struct CardCompany {
    QString code;  // "AMEX", "DINERS", "MASTERS", "VISA", "DEBIT"
    QString label; // the name shown
    bool used = false;
    Money percent; // the company's charge, kept for reporting
};
struct CardSettings {
    std::vector<CardCompany> companies; // always the five, in the screen's order
    bool noCards = false;               // "No, we do not accept credit cards"
    bool numberRequired = false;        // the card number must be typed at payment
};
std::vector<CardCompany> DefaultCardCompanies();
CardSettings LoadCardSettings(Database& db);
// Saves as the card screen does: no company ticked means no cards; without cards the company rows stay.
// The settings are returned as saved (ticks adjusted) and the copies refreshed; the save is logged.
CardSettings SaveCardSettings(Database& db, ProgramState& state, const Clock& clock, CardSettings settings);

struct RoundingSettings {
    int rounding = 0;            // 0, 5 or 10
    bool lastLineOnBill = false; // "Last line on Bill" ticked
    QString lastLine;            // its text; the first line is kept
};
int LoadBillRounding(Database& db);
RoundingSettings LoadRoundingSettings(Database& db);
// False (nothing saved) for a rounding other than 0, 5 or 10.
bool SaveRoundingSettings(Database& db, const RoundingSettings& settings);

// Fills the Report table with the price list: item, price, taxes and charge as ticked, and their sum.
void WritePriceList(Database& db, const ProgramState& state, const TaxSettings& taxes);

} // namespace vantorel
