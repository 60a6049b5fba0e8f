#include "TaxScreenActions.h"

#include "Database.h"
#include "ProgramState.h"
#include "RegistryValues.h"
#include "UnitOfWork.h"

namespace vantorel {

namespace {

// Runs the save inside the caller's transaction; the registry is written last, just before the caller
// commits, so that a value that cannot be written rolls the taxes back. Returns the licence number the
// registry held before, so that a failed commit can put it back.
void saveInside(Database& db, ProgramState& state, const Clock& clock, const TaxSettings& taxes,
                const QString& licence, bool* licenceWritten, QString* previousLicence) {
    SaveTaxSettings(db, state, clock, taxes);
    const QString number = licence.trimmed();
    if (number.isEmpty())
        return;
    *previousLicence = ReadRegistryValue(RegistryValue::Licence);
    WriteRegistryValue(RegistryValue::Licence, number);
    *licenceWritten = true;
}

template <typename Work>
auto runSave(Database& db, ProgramState& state, const Clock& clock, const TaxSettings& taxes,
             const QString& licence, Work more) {
    const SettingsCopies before = state.settings;
    bool licenceWritten = false;
    QString previousLicence;
    try {
        UnitOfWork work(db);
        saveInside(db, state, clock, taxes, licence, &licenceWritten, &previousLicence);
        auto result = more();
        work.commit();
        return result;
    } catch (...) {
        state.settings = before;
        if (licenceWritten) {
            try {
                WriteRegistryValue(RegistryValue::Licence, previousLicence);
            } catch (const RegistryError&) {
                // The original failure is the one to report.
            }
        }
        throw;
    }
}

} // namespace

QString LoadLicenceNumber() {
    return ReadRegistryValue(RegistryValue::Licence);
}

void SaveTaxesAndLicence(Database& db, ProgramState& state, const Clock& clock, const TaxSettings& taxes,
                         const QString& licence) {
    runSave(db, state, clock, taxes, licence, [] { return 0; });
}

Rows SaveTaxesAndPriceList(Database& db, ProgramState& state, const Clock& clock, const TaxSettings& taxes,
                           const QString& licence) {
    return runSave(db, state, clock, taxes, licence, [&] {
        WritePriceList(db, state, taxes);
        return db.query(QStringLiteral("SELECT * FROM Report, Taxes ORDER BY RItem"));
    });
}

QString PercentFieldText(Money percent) {
    QString text = percent.toPlainString(4);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace vantorel
