#include "MainSettings.h"

#include "Database.h"
#include "SettingsCopies.h"
#include "SqlNames.h"

namespace vantorel {

namespace {

bool incentivesInItems(Database& db) {
    return db.queryOne(QStringLiteral("SELECT 1 FROM Items WHERE Incentive > 0")).has_value();
}

} // namespace

void LoadInputModes(Database& db, SettingsCopies& s) {
    const auto u = db.queryOne(QStringLiteral("SELECT UserID, BillAuthorization, TouchScreen FROM Utility"));
    if (!u)
        return;
    s.userIdMode = u->boolean(QStringLiteral("UserID"));
    s.billAuthorizationOn = u->boolean(QStringLiteral("BillAuthorization"));
    s.touchMode = u->boolean(QStringLiteral("TouchScreen"));
    s.incentivesInUse = s.userIdMode && !s.touchMode && incentivesInItems(db);
}

void RefreshSettingsCopies(Database& db, SettingsCopies& s) {
    if (const auto u =
            db.queryOne(QStringLiteral("SELECT TouchScreen, PaperSize, PrintCopies, PrintReinsert, "
                                       "PrintFullBill, CardChargeYN, CardNumberInput FROM Utility"))) {
        s.touchMode = u->boolean(QStringLiteral("TouchScreen"));
        s.paperSize = u->text(QStringLiteral("PaperSize"));
        s.printCopies = static_cast<int>(u->integer(QStringLiteral("PrintCopies")));
        s.printReinsert = u->boolean(QStringLiteral("PrintReinsert"));
        s.printFullBill = u->boolean(QStringLiteral("PrintFullBill"));
        s.cardChargeOn = u->boolean(QStringLiteral("CardChargeYN"));
        s.cardNumberRequired = u->boolean(QStringLiteral("CardNumberInput"));
    }
    s.inventoryControlOn =
        db.queryOne(QStringLiteral("SELECT 1 FROM Ingredients WHERE InvCtrl = ?"), {true}).has_value();

    // Nothing is loaded while tax or service charge is not set.
    if (const auto t = db.queryOne(QStringLiteral("SELECT * FROM Taxes"));
        t && !t->money(QStringLiteral("TSalesTax")).isZero() &&
        !t->money(QStringLiteral("TServCharge")).isZero()) {
        s.taxOnBillOn = t->boolean(QStringLiteral("TTaxOnBill"));
        s.serviceChargeOnBillOn = t->boolean(QStringLiteral("TSCOnBill"));
        s.salesTaxRate = s.taxOnBillOn ? t->money(QStringLiteral("TSalesTax")) : Money();
        s.govTaxRate = s.taxOnBillOn ? t->money(QStringLiteral("TGovTax")) : Money();
        s.serviceChargeRate = s.serviceChargeOnBillOn ? t->money(QStringLiteral("TServCharge")) : Money();
    }

    s.setMenuPricesActive =
        db.queryOne(QStringLiteral("SELECT 1 FROM Items WHERE MenuPrice <> 0 OR MenuAddToSellPrice <> 0"))
            .has_value();
}

} // namespace vantorel
