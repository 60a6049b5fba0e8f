#include "Settings.h"

#include "Database.h"
#include "DatabaseError.h"
#include "SettingsCopies.h"
#include "SqlNames.h"

#include <QStringList>

namespace vantorel {

namespace {

DatabaseError missingRow(const QString& table) {
    return DatabaseError(QStringLiteral("The database has no %1 record.").arg(table),
                         DatabaseError::Kind::NotFound);
}

void updateRow(Database& db, const QString& table, const QStringList& columns, const QVariantList& values) {
    QStringList assignments;
    for (const QString& column : columns)
        assignments << SqlName(column) + QStringLiteral(" = ?");
    if (db.exec(QStringLiteral("UPDATE %1 SET %2").arg(table, assignments.join(QStringLiteral(", "))),
                values) < 1)
        throw missingRow(table);
}

void updateUtility(Database& db, const QStringList& columns, const QVariantList& values) {
    updateRow(db, QStringLiteral("Utility"), columns, values);
}

QVariant money(Money m) {
    return QVariant::fromValue(m);
}

bool anyRow(Database& db, const QString& sql, const QVariantList& params) {
    return db.queryOne(sql + QStringLiteral(" LIMIT 1"), params).has_value();
}

} // namespace

QString NormalizedDelay(const QString& stored) {
    return stored == QLatin1String("3000") ? QStringLiteral("0") : stored;
}

UtilityRecord ReadUtility(Database& db) {
    const auto row = db.queryOne(QStringLiteral("SELECT * FROM Utility LIMIT 1"));
    if (!row)
        throw missingRow(QStringLiteral("Utility"));
    const Row& r = *row;
    UtilityRecord u;
    u.billA = r.text(QStringLiteral("BillA"));
    u.month = static_cast<int>(r.integer(QStringLiteral("Month")));
    u.year = static_cast<int>(r.integer(QStringLiteral("Year")));
    u.cashForward = r.money(QStringLiteral("CashForward"));
    u.name = r.text(QStringLiteral("Name"));
    u.address = r.text(QStringLiteral("Address"));
    u.postCode = r.text(QStringLiteral("PostCode"));
    u.country = r.text(QStringLiteral("Country"));
    u.tel = r.text(QStringLiteral("Tel"));
    u.touchScreen = r.boolean(QStringLiteral("TouchScreen"));
    u.userId = r.boolean(QStringLiteral("UserID"));
    u.billAuthorization = r.boolean(QStringLiteral("BillAuthorization"));
    u.billingTimer = static_cast<int>(r.integer(QStringLiteral("BillingTimer")));
    u.orderSlip = r.boolean(QStringLiteral("OrderSlip"));
    u.billRounding = static_cast<int>(r.integer(QStringLiteral("BillRounding")));
    u.cardChargeYN = r.boolean(QStringLiteral("CardChargeYN"));
    u.cardNumberInput = r.boolean(QStringLiteral("CardNumberInput"));
    u.printer = r.text(QStringLiteral("Printer"));
    u.paperSize = r.text(QStringLiteral("PaperSize"));
    u.printCopies = static_cast<int>(r.integer(QStringLiteral("PrintCopies")));
    u.printReinsert = r.boolean(QStringLiteral("PrintReinsert"));
    u.printFullBill = r.boolean(QStringLiteral("PrintFullBill"));
    u.printHeader = r.boolean(QStringLiteral("PrintHeader"));
    u.printInvoice = r.boolean(QStringLiteral("PrintInvoice"));
    u.billRemark1 = r.text(QStringLiteral("BillRemark1"));
    u.billRemark2 = r.text(QStringLiteral("BillRemark2"));
    u.a100 = r.text(QStringLiteral("A100"));
    u.a200 = r.text(QStringLiteral("A200"));
    u.a300 = r.text(QStringLiteral("A300"));
    u.comport = r.text(QStringLiteral("Comport"));
    u.command = r.text(QStringLiteral("Command"));
    u.delay = NormalizedDelay(r.text(QStringLiteral("Delay")));
    u.minInvoice = r.text(QStringLiteral("MinInvoice"));
    u.adjNo = r.text(QStringLiteral("AdjNo"));
    u.code = r.text(QStringLiteral("Code"));
    return u;
}

TaxesRecord ReadTaxes(Database& db) {
    const auto row = db.queryOne(QStringLiteral("SELECT * FROM Taxes LIMIT 1"));
    if (!row)
        throw missingRow(QStringLiteral("Taxes"));
    TaxesRecord t;
    t.salesTax = row->money(QStringLiteral("TSalesTax"));
    t.govTax = row->money(QStringLiteral("TGovTax"));
    t.serviceCharge = row->money(QStringLiteral("TServCharge"));
    t.taxOnBill = row->boolean(QStringLiteral("TTaxOnBill"));
    t.serviceChargeOnBill = row->boolean(QStringLiteral("TSCOnBill"));
    return t;
}

void SetCompanyProfile(Database& db, const CompanyProfile& p) {
    updateUtility(db,
                  {QStringLiteral("Name"), QStringLiteral("Address"), QStringLiteral("PostCode"),
                   QStringLiteral("Country"), QStringLiteral("Tel")},
                  {p.name, p.address, p.postCode, p.country, p.tel});
}

void SetTouchScreen(Database& db, bool on) {
    updateUtility(db, {QStringLiteral("TouchScreen")}, {on});
}

void SetUserIdMode(Database& db, bool on, int billingTimer) {
    updateUtility(db, {QStringLiteral("UserID"), QStringLiteral("BillingTimer")}, {on, billingTimer});
}

void SetBillAuthorization(Database& db, bool on) {
    updateUtility(db, {QStringLiteral("BillAuthorization")}, {on});
}

void SetOrderSlip(Database& db, bool on) {
    updateUtility(db, {QStringLiteral("OrderSlip")}, {on});
}

void SetBillingTimer(Database& db, int milliseconds) {
    updateUtility(db, {QStringLiteral("BillingTimer")}, {milliseconds});
}

void SetPrintSetup(Database& db, const PrintSetup& s) {
    const QString delay = s.paxOnInvoice ? QStringLiteral("1") : QStringLiteral("0");
    const QString minInvoice = s.keepPax ? QStringLiteral("1") : QStringLiteral("0");
    if (!s.printInvoice) {
        updateUtility(db,
                      {QStringLiteral("Delay"), QStringLiteral("MinInvoice"), QStringLiteral("Comport"),
                       QStringLiteral("PrintInvoice")},
                      {delay, minInvoice, s.comport, false});
        return;
    }
    updateUtility(db,
                  {QStringLiteral("Delay"), QStringLiteral("MinInvoice"), QStringLiteral("Comport"),
                   QStringLiteral("PaperSize"), QStringLiteral("Printer"), QStringLiteral("BillRemark1"),
                   QStringLiteral("BillRemark2"), QStringLiteral("PrintInvoice"),
                   QStringLiteral("PrintReinsert"), QStringLiteral("PrintFullBill"),
                   QStringLiteral("PrintHeader"), QStringLiteral("PrintCopies"), QStringLiteral("A100"),
                   QStringLiteral("A200"), QStringLiteral("A300")},
                  {delay, minInvoice, s.comport, s.paperSize, s.printer, s.billRemark1, s.billRemark2, true,
                   s.printReinsert, s.printFullBill, s.printHeader, s.printCopies, s.a100, s.a200, s.a300});
}

void SetBillRounding(Database& db, int rounding) {
    updateUtility(db, {QStringLiteral("BillRounding")}, {rounding});
}

void SetBillRemark2(Database& db, const QString& text) {
    updateUtility(db, {QStringLiteral("BillRemark2")}, {text});
}

void SetCardsRefused(Database& db) {
    updateUtility(db, {QStringLiteral("CardChargeYN")}, {false});
}

void SetCardsAccepted(Database& db, bool numberRequired) {
    updateUtility(db, {QStringLiteral("CardChargeYN"), QStringLiteral("CardNumberInput")},
                  {true, numberRequired});
}

void SetCashForward(Database& db, Money amount) {
    updateUtility(db, {QStringLiteral("CashForward")}, {money(amount)});
}

void SetMaintenanceMonth(Database& db, int month, int year) {
    updateUtility(db, {QStringLiteral("Month"), QStringLiteral("Year")}, {month, year});
}

void SetSetMenuNote(Database& db, const QString& note) {
    updateUtility(db, {QStringLiteral("AdjNo")}, {note});
}

void SetOwnerCode(Database& db, const QString& scrambled) {
    updateUtility(db, {QStringLiteral("Code")}, {scrambled});
}

QString NormalizeStoredDelay(Database& db) {
    const QString delay = SqlName(QStringLiteral("Delay"));
    db.exec(QStringLiteral("UPDATE Utility SET %1 = ? WHERE %1 = ?").arg(delay),
            {QStringLiteral("0"), QStringLiteral("3000")});
    const QVariant stored = db.scalar(QStringLiteral("SELECT %1 FROM Utility LIMIT 1").arg(delay));
    if (!stored.isValid())
        throw missingRow(QStringLiteral("Utility"));
    return stored.toString();
}

void SetTaxes(Database& db, const TaxesRecord& t) {
    updateRow(
        db, QStringLiteral("Taxes"),
        {QStringLiteral("TSalesTax"), QStringLiteral("TGovTax"), QStringLiteral("TServCharge"),
         QStringLiteral("TTaxOnBill"), QStringLiteral("TSCOnBill")},
        {money(t.salesTax), money(t.govTax), money(t.serviceCharge), t.taxOnBill, t.serviceChargeOnBill});
}

bool TaxNotSet(const TaxesRecord& taxes) {
    return taxes.salesTax.isZero() || taxes.serviceCharge.isZero();
}

bool AnyItemIncentive(Database& db) {
    return anyRow(db, QStringLiteral("SELECT 1 FROM Items WHERE Incentive > ?"), {money(Money())});
}

bool InventoryControlInUse(Database& db) {
    return anyRow(db, QStringLiteral("SELECT 1 FROM Ingredients WHERE InvCtrl = ?"), {true});
}

bool SetMenuPricesInUse(Database& db) {
    return anyRow(db, QStringLiteral("SELECT 1 FROM Items WHERE MenuPrice <> ? OR MenuAddToSellPrice <> ?"),
                  {money(Money()), money(Money())});
}

void ApplyTaxes(const TaxesRecord& t, SettingsCopies& c) {
    c.taxOnBillOn = t.taxOnBill;
    c.serviceChargeOnBillOn = t.serviceChargeOnBill;
    c.salesTaxRate = t.taxOnBill ? t.salesTax : Money();
    c.govTaxRate = t.taxOnBill ? t.govTax : Money();
    c.serviceChargeRate = t.serviceChargeOnBill ? t.serviceCharge : Money();
}

void LoadSettingsCopies(Database& db, SettingsCopies& c) {
    const UtilityRecord u = ReadUtility(db);
    c.touchMode = u.touchScreen;
    c.userIdMode = u.userId;
    c.billAuthorizationOn = u.billAuthorization;
    c.paperSize = u.paperSize;
    c.printCopies = u.printCopies;
    c.printReinsert = u.printReinsert;
    c.printFullBill = u.printFullBill;
    c.cardChargeOn = u.cardChargeYN;
    c.cardNumberRequired = u.cardNumberInput;
    // Incentives are a keyboard-billing feature: never in use in touch mode.
    c.incentivesInUse = u.userId && !u.touchScreen && AnyItemIncentive(db);
    c.inventoryControlOn = InventoryControlInUse(db);
    c.setMenuPricesActive = SetMenuPricesInUse(db);
    // Always from the taxes row, also while the setup is incomplete: a service charge of 0 must not keep
    // the sales tax off the bills.
    ApplyTaxes(ReadTaxes(db), c);
}

} // namespace vantorel
