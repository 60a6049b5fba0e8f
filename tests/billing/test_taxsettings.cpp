#include "BillingFixture.h"
#include "TaxSettings.h"

using namespace vantorel;
using namespace vantorel::test;

class TestTaxSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void copiesAtStart_data() {
        QTest::addColumn<bool>("taxOn");
        QTest::addColumn<bool>("scOn");
        QTest::addColumn<QString>("st");
        QTest::addColumn<QString>("sc");
        QTest::newRow("both on") << true << true << "10"
                                 << "12.5";
        QTest::newRow("tax off") << false << true << "0"
                                 << "12.5";
        QTest::newRow("charge off") << true << false << "10"
                                    << "0";
    }
    void copiesAtStart() {
        QFETCH(bool, taxOn);
        QFETCH(bool, scOn);
        QFETCH(QString, st);
        QFETCH(QString, sc);
        BillingFixture f;
        f.db->exec(
            QStringLiteral("UPDATE Taxes SET TSalesTax = ?, TGovTax = ?, TServCharge = ?, TTaxOnBill = ?, "
                           "TSCOnBill = ?"),
            {QVariant::fromValue(M("10")), QVariant::fromValue(M("5")), QVariant::fromValue(M("12.5")), taxOn,
             scOn});
        const TaxSettings t = LoadTaxSettings(*f.db);
        QCOMPARE(t.salesTax, M("10"));
        QCOMPARE(t.serviceCharge, M("12.5"));
        SettingsCopies copies;
        ApplyTaxSettingsAtStart(t, copies);
        QCOMPARE(copies.salesTaxRate, *Money::parse(st));
        QCOMPARE(copies.govTaxRate, taxOn ? M("5") : Money());
        QCOMPARE(copies.serviceChargeRate, *Money::parse(sc));
        QCOMPARE(copies.taxOnBillOn, taxOn);
        QCOMPARE(copies.serviceChargeOnBillOn, scOn);
    }

    // Saving with the tax box off keeps the typed rates in memory until the next start.
    void saveTaxes() {
        BillingFixture f;
        SaveTaxSettings(*f.db, f.state, f.clock, TaxSettings{M("10"), M("5"), M("10"), false, true});
        QCOMPARE(f.state.settings.salesTaxRate, M("10"));
        QCOMPARE(f.state.settings.govTaxRate, M("5"));
        QVERIFY(!f.state.settings.taxOnBillOn);
        QVERIFY(f.state.settings.serviceChargeOnBillOn);
        const TaxSettings stored = LoadTaxSettings(*f.db);
        QCOMPARE(stored.govTax, M("5"));
        QVERIFY(!stored.taxOnBill);
        SettingsCopies next;
        ApplyTaxSettingsAtStart(stored, next);
        QCOMPARE(next.salesTaxRate, Money());
        QCOMPARE(f.value(QStringLiteral("SELECT count(*) FROM Events WHERE %1 = 'Taxes & Charges - Saved'")
                             .arg(SqlName("Event")))
                     .toInt(),
                 1);
    }

    void percentField_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("value"); // empty: refused
        QTest::newRow("whole") << "10"
                               << "10";
        QTest::newRow("decimal") << "12.5"
                                 << "12.5";
        QTest::newRow("empty") << ""
                               << "0";
        QTest::newRow("lone dot") << "."
                                  << "0";
        QTest::newRow("two dots") << "1.2.3"
                                  << "";
        QTest::newRow("letters") << "1a"
                                 << "";
        QTest::newRow("negative") << "-1"
                                  << "";
    }
    void percentField() {
        QFETCH(QString, typed);
        QFETCH(QString, value);
        const auto parsed = ParsePercentField(typed);
        QCOMPARE(parsed.has_value(), !value.isEmpty());
        if (parsed)
            QCOMPARE(*parsed, *Money::parse(value));
    }

    void cardCompanies() {
        BillingFixture f;
        CardSettings s = LoadCardSettings(*f.db);
        QCOMPARE(s.companies.size(), size_t(5));
        QCOMPARE(s.companies[0].code, QStringLiteral("AMEX"));
        QCOMPARE(s.companies[0].percent, M("3.4")); // nothing stored yet: the default shown
        for (CardCompany& c : s.companies)
            c.used = c.code == QLatin1String("VISA");
        s.companies[3].percent = M("1.9");
        s.numberRequired = true;
        s = SaveCardSettings(*f.db, f.state, f.clock, s);
        QVERIFY(f.state.settings.cardChargeOn);
        QVERIFY(f.state.settings.cardNumberRequired);
        QCOMPARE(f.count(QStringLiteral("CreditCard")), qint64(5));
        const CardSettings reloaded = LoadCardSettings(*f.db);
        QVERIFY(!reloaded.noCards);
        QVERIFY(reloaded.companies[3].used && !reloaded.companies[0].used);
        QCOMPARE(reloaded.companies[3].percent, M("1.9"));
        QCOMPARE(reloaded.companies[3].label, QStringLiteral("Visa Credit Card"));

        // No company ticked: card payments are off and the rows stay as they were.
        for (CardCompany& c : s.companies)
            c.used = false;
        const CardSettings saved = SaveCardSettings(*f.db, f.state, f.clock, s);
        QVERIFY(saved.noCards);
        QVERIFY(!saved.numberRequired);
        QVERIFY(!f.state.settings.cardChargeOn);
        QVERIFY(LoadCardSettings(*f.db).companies[3].used);
        QCOMPARE(f.value(QStringLiteral("SELECT count(*) FROM Events WHERE %1 = 'Credit Cards - Saved'")
                             .arg(SqlName("Event")))
                     .toInt(),
                 2);
    }

    void rounding() {
        BillingFixture f;
        QCOMPARE(LoadBillRounding(*f.db), 0);
        QVERIFY(!SaveRoundingSettings(*f.db, RoundingSettings{7, false, QString()}));
        QVERIFY(SaveRoundingSettings(
            *f.db, RoundingSettings{5, true, QStringLiteral("Prices include VAT\nsecond")}));
        const RoundingSettings s = LoadRoundingSettings(*f.db);
        QCOMPARE(s.rounding, 5);
        QCOMPARE(s.lastLine, QStringLiteral("Prices include VAT"));
    }

    void priceList() {
        BillingFixture f;
        WritePriceList(*f.db, f.state, TaxSettings{M("10"), M("5"), M("10"), true, false});
        const auto row = f.db->queryOne(QStringLiteral("SELECT * FROM Report WHERE RItem = 'Fish'"));
        QVERIFY(row);
        QCOMPARE(row->number(QStringLiteral("Val1")), 10.0);
        QCOMPARE(row->number(QStringLiteral("Val2")), 1.5);
        QCOMPARE(row->number(QStringLiteral("Val3")), 0.0);
        QCOMPARE(row->number(QStringLiteral("Val4")), 11.5);
    }
};

QTEST_GUILESS_MAIN(TestTaxSettings)
#include "test_taxsettings.moc"
