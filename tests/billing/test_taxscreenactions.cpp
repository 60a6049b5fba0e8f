#include "BillingFixture.h"
#include "RegistryValues.h"
#include "TaxScreenActions.h"

#include <QTemporaryDir>

using namespace vantorel;
using namespace vantorel::test;

namespace {

// The computer's stored values in a folder of the test's own.
struct StoredValues {
    QTemporaryDir dir;
    StoredValues() { use(dir.path()); }
    ~StoredValues() { qunsetenv("XDG_CONFIG_HOME"); }
    void use(const QString& path) { qputenv("XDG_CONFIG_HOME", path.toLocal8Bit()); }
    // A path below a plain file, where nothing can be written.
    void block() {
        QFile file(dir.path() + QStringLiteral("/file"));
        file.open(QIODevice::WriteOnly);
        use(file.fileName());
    }
};

int count(BillingFixture& f, const QString& sql) {
    return f.value(sql).toInt();
}

} // namespace

class TestTaxScreenActions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void percentFieldText_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole") << "7"
                               << "7";
        QTest::newRow("zero") << "0"
                              << "0";
        QTest::newRow("one decimal") << "12.5"
                                     << "12.5";
        QTest::newRow("four decimals") << "3.1415"
                                       << "3.1415";
        QTest::newRow("hundred") << "100"
                                 << "100";
    }
    void percentFieldText() {
        QFETCH(QString, value);
        QFETCH(QString, shown);
        QCOMPARE(PercentFieldText(*Money::parse(value)), shown);
        QCOMPARE(ParsePercentField(shown), Money::parse(value));
    }

    void licenceIsStoredWithTheTaxes() {
        StoredValues stored;
        BillingFixture f;
        SaveTaxesAndLicence(*f.db, f.state, f.clock, TaxSettings{M("10"), M("5"), M("10"), true, false},
                            QStringLiteral("  TX-7 "));
        QCOMPARE(LoadLicenceNumber(), QStringLiteral("TX-7"));
        QCOMPARE(LoadTaxSettings(*f.db).govTax, M("5"));
        QCOMPARE(f.state.settings.govTaxRate, M("5"));
        SaveTaxesAndLicence(*f.db, f.state, f.clock, TaxSettings{}, QString());
        QCOMPARE(LoadLicenceNumber(), QStringLiteral("TX-7"));
    }

    // A licence number that cannot be stored: the taxes row, the copies and the log stay as they were.
    void unstorableLicenceUndoesTheSave() {
        StoredValues stored;
        BillingFixture f;
        stored.block();
        const TaxSettings before = LoadTaxSettings(*f.db);
        const SettingsCopies copiesBefore = f.state.settings;
        QVERIFY_THROWS_EXCEPTION(RegistryError,
                                 SaveTaxesAndLicence(*f.db, f.state, f.clock,
                                                     TaxSettings{M("20"), M("5"), M("10"), true, true},
                                                     QStringLiteral("TX-8")));
        const TaxSettings after = LoadTaxSettings(*f.db);
        QCOMPARE(after.salesTax, before.salesTax);
        QCOMPARE(after.serviceChargeOnBill, before.serviceChargeOnBill);
        QCOMPARE(f.state.settings.salesTaxRate, copiesBefore.salesTaxRate);
        QCOMPARE(f.state.settings.taxOnBillOn, copiesBefore.taxOnBillOn);
        QCOMPARE(count(f, QStringLiteral("SELECT count(*) FROM Events")), 0);
    }

    // Sales tax 10 and government tax 5 added, service charge 10 not: 10.00, 1.50, 0.00, 11.50 for Fish,
    // each row carrying the taxes row.
    void priceListRowsCarryTheTaxes() {
        StoredValues stored;
        BillingFixture f;
        const Rows rows = SaveTaxesAndPriceList(
            *f.db, f.state, f.clock, TaxSettings{M("10"), M("5"), M("10"), true, false}, QString());
        QCOMPARE(int(rows.size()), count(f, QStringLiteral("SELECT count(*) FROM Items")));
        const auto fish = std::find_if(
            rows.begin(), rows.end(), [](const Row& r) { return r.text(QStringLiteral("RItem")) == "Fish"; });
        QVERIFY(fish != rows.end());
        QCOMPARE(fish->number(QStringLiteral("Val1")), 10.0);
        QCOMPARE(fish->number(QStringLiteral("Val2")), 1.5);
        QCOMPARE(fish->number(QStringLiteral("Val3")), 0.0);
        QCOMPARE(fish->number(QStringLiteral("Val4")), 11.5);
        QCOMPARE(fish->money(QStringLiteral("TGovTax")), M("5"));
        QVERIFY(!fish->boolean(QStringLiteral("TSCOnBill")));
        QCOMPARE(count(f, QStringLiteral("SELECT count(*) FROM Events")), 1);
    }

    // A failure while the list is built leaves neither the list nor the save behind.
    void failedListUndoesTheSave() {
        StoredValues stored;
        BillingFixture f;
        // The price list fails while being written, after the taxes were saved in the same action.
        f.db->setStatementHook([](const QString& sql) {
            if (sql.startsWith(QStringLiteral("INSERT INTO Report")))
                throw DatabaseError(QStringLiteral("disk full"));
        });
        const SettingsCopies copiesBefore = f.state.settings;
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 SaveTaxesAndPriceList(*f.db, f.state, f.clock,
                                                       TaxSettings{M("20"), M("5"), M("10"), true, true},
                                                       QStringLiteral("TX-9")));
        f.db->setStatementHook({});
        QCOMPARE(LoadTaxSettings(*f.db).salesTax, M("7"));
        QCOMPARE(f.state.settings.salesTaxRate, copiesBefore.salesTaxRate);
        QCOMPARE(LoadLicenceNumber(), QString());
        QCOMPARE(count(f, QStringLiteral("SELECT count(*) FROM Events")), 0);
    }
};

QTEST_GUILESS_MAIN(TestTaxScreenActions)
#include "test_taxscreenactions.moc"
