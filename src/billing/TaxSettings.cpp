#include "TaxSettings.h"

#include "BillAmounts.h"
#include "BillingEventTexts.h"
#include "Clock.h"
#include "Database.h"
#include "EventLog.h"
#include "ProgramState.h"
#include "SqlNames.h"
#include "UnitOfWork.h"

namespace vantorel {

TaxSettings LoadTaxSettings(Database& db) {
    TaxSettings t;
    const auto row = db.queryOne(QStringLiteral("SELECT * FROM Taxes"));
    if (!row)
        return t;
    t.salesTax = row->money(QStringLiteral("TSalesTax"));
    t.govTax = row->money(QStringLiteral("TGovTax"));
    t.serviceCharge = row->money(QStringLiteral("TServCharge"));
    t.taxOnBill = row->boolean(QStringLiteral("TTaxOnBill"));
    t.serviceChargeOnBill = row->boolean(QStringLiteral("TSCOnBill"));
    return t;
}

void ApplyTaxSettingsAtStart(const TaxSettings& t, SettingsCopies& c) {
    c.taxOnBillOn = t.taxOnBill;
    c.serviceChargeOnBillOn = t.serviceChargeOnBill;
    c.salesTaxRate = t.taxOnBill ? t.salesTax : Money();
    c.govTaxRate = t.taxOnBill ? t.govTax : Money();
    c.serviceChargeRate = t.serviceChargeOnBill ? t.serviceCharge : Money();
}

void SaveTaxSettings(Database& db, ProgramState& state, const Clock& clock, const TaxSettings& t) {
    UnitOfWork work(db);
    const QVariantList values{QVariant::fromValue(t.salesTax), QVariant::fromValue(t.govTax),
                              QVariant::fromValue(t.serviceCharge), t.taxOnBill, t.serviceChargeOnBill};
    if (db.exec(
            QStringLiteral("UPDATE Taxes SET TSalesTax = ?, TGovTax = ?, TServCharge = ?, TTaxOnBill = ?, "
                           "TSCOnBill = ?"),
            values) == 0)
        db.exec(QStringLiteral(
                    "INSERT INTO Taxes (TSalesTax, TGovTax, TServCharge, TTaxOnBill, TSCOnBill) VALUES "
                    "(?, ?, ?, ?, ?)"),
                values);
    RecordEvent(db, state, clock, EventText::TaxesSaved());
    work.commit();
    SettingsCopies& c = state.settings;
    c.taxOnBillOn = t.taxOnBill;
    c.serviceChargeOnBillOn = t.serviceChargeOnBill;
    c.salesTaxRate = t.salesTax;
    c.govTaxRate = t.govTax;
    c.serviceChargeRate = t.serviceCharge;
}

std::optional<Money> ParsePercentField(const QString& typed) {
    const QString text = typed.trimmed();
    if (text.isEmpty() || text == QLatin1String("."))
        return Money();
    int dots = 0;
    for (QChar c : text) {
        if (c == QLatin1Char('.'))
            ++dots;
        else if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    if (dots > 1)
        return std::nullopt;
    return Money::parse(text);
}

std::vector<CardCompany> DefaultCardCompanies() {
    return {
        {QStringLiteral("AMEX"), QStringLiteral("American Express"), false, Money::fromCents(340)},
        {QStringLiteral("DINERS"), QStringLiteral("DinersClub"), false, Money::fromCents(350)},
        {QStringLiteral("MASTERS"), QStringLiteral("MastersCard"), false, Money::fromCents(250)},
        {QStringLiteral("VISA"), QStringLiteral("Visa Credit Card"), false, Money::fromCents(250)},
        {QStringLiteral("DEBIT"), QStringLiteral("Debit Card"), false, Money::fromCents(250)},
    };
}

CardSettings LoadCardSettings(Database& db) {
    CardSettings s;
    s.companies = DefaultCardCompanies();
    for (const Row& r : db.query(QStringLiteral("SELECT * FROM CreditCard"))) {
        const QString code = r.text(QStringLiteral("Code"));
        for (CardCompany& c : s.companies) {
            if (c.code.compare(code, Qt::CaseInsensitive) != 0)
                continue;
            c.used = r.boolean(QStringLiteral("Used"));
            const Money stored = Money::fromDouble(r.number(QStringLiteral("percent")));
            if (!stored.isZero())
                c.percent = stored;
        }
    }
    if (const auto u = db.queryOne(QStringLiteral("SELECT CardChargeYN, CardNumberInput FROM Utility"))) {
        s.noCards = !u->boolean(QStringLiteral("CardChargeYN"));
        s.numberRequired = u->boolean(QStringLiteral("CardNumberInput"));
    }
    return s;
}

CardSettings SaveCardSettings(Database& db, ProgramState& state, const Clock& clock, CardSettings s) {
    bool anyUsed = false;
    for (const CardCompany& c : s.companies)
        anyUsed = anyUsed || c.used;
    if (!anyUsed) {
        s.noCards = true;
        s.numberRequired = false;
    }
    UnitOfWork work(db);
    if (s.noCards) {
        db.exec(QStringLiteral("UPDATE Utility SET CardChargeYN = ?"), {false});
    } else {
        db.exec(QStringLiteral("UPDATE Utility SET CardChargeYN = ?, CardNumberInput = ?"),
                {true, s.numberRequired});
        db.exec(QStringLiteral("DELETE FROM CreditCard"));
        for (const CardCompany& c : s.companies) {
            db.exec(QStringLiteral("INSERT INTO CreditCard (%1, Desc1, Used, %2) VALUES (?, ?, ?, ?)")
                        .arg(SqlName(QStringLiteral("Code")), SqlName(QStringLiteral("percent"))),
                    {c.code, c.label, c.used, c.percent.toDouble()});
        }
    }
    RecordEvent(db, state, clock, EventText::CreditCardsSaved());
    work.commit();
    state.settings.cardChargeOn = !s.noCards;
    if (!s.noCards)
        state.settings.cardNumberRequired = s.numberRequired;
    return s;
}

int LoadBillRounding(Database& db) {
    const int r = db.scalar(QStringLiteral("SELECT BillRounding FROM Utility")).toInt();
    return (r == 5 || r == 10) ? r : 0;
}

RoundingSettings LoadRoundingSettings(Database& db) {
    RoundingSettings s;
    s.rounding = LoadBillRounding(db);
    s.lastLine = db.scalar(QStringLiteral("SELECT BillRemark2 FROM Utility")).toString();
    s.lastLineOnBill = !s.lastLine.isEmpty();
    return s;
}

bool SaveRoundingSettings(Database& db, const RoundingSettings& s) {
    if (s.rounding != 0 && s.rounding != 5 && s.rounding != 10)
        return false;
    UnitOfWork work(db);
    db.exec(QStringLiteral("UPDATE Utility SET BillRounding = ?"), {s.rounding});
    if (s.lastLineOnBill)
        db.exec(QStringLiteral("UPDATE Utility SET BillRemark2 = ?"),
                {s.lastLine.section(QLatin1Char('\n'), 0, 0).section(QLatin1Char('\r'), 0, 0)});
    work.commit();
    return true;
}

void WritePriceList(Database& db, const ProgramState& state, const TaxSettings& t) {
    UnitOfWork work(db);
    db.exec(QStringLiteral("DELETE FROM Report"));
    for (const Row& r : db.query(QStringLiteral("SELECT * FROM Items ORDER BY Desc1"))) {
        const QString name = r.text(QStringLiteral("Desc1"));
        Money price = r.money(QStringLiteral("SellPrice"));
        if (state.settings.setMenuPricesActive && name.endsWith(QLatin1Char('*'))) {
            const Money menuPrice = r.money(QStringLiteral("MenuPrice"));
            const Money added = r.money(QStringLiteral("MenuAddToSellPrice"));
            if (menuPrice > Money())
                price = menuPrice;
            else if (added > Money())
                price = price + added;
        }
        const Money tax = t.taxOnBill ? PercentOfToCents(price, t.salesTax + t.govTax) : Money();
        const Money charge = t.serviceChargeOnBill ? PercentOfToCents(price, t.serviceCharge) : Money();
        db.exec(
            QStringLiteral("INSERT INTO Report (RItem, Val1, Val2, Val3, Val4) VALUES (?, ?, ?, ?, ?)"),
            {name, price.toDouble(), tax.toDouble(), charge.toDouble(), (price + tax + charge).toDouble()});
    }
    work.commit();
}

} // namespace vantorel
