#include "DatabaseError.h"
#include "Settings.h"
#include "SettingsCopies.h"
#include "SqlNames.h"
#include "TempDataFolder.h"
#include "UnitOfWork.h"

#include <QTest>

using namespace vantorel;

namespace {

Money m(const char* text) {
    return *Money::parse(QString::fromLatin1(text));
}
QVariant mv(const char* text) {
    return QVariant::fromValue(m(text));
}

void addItem(Database& db, const QString& name, Money incentive = Money(), Money menuPrice = Money(),
             Money menuAdd = Money()) {
    db.exec(QStringLiteral("INSERT INTO Items (Desc1, SellPrice, Incentive, MenuPrice, MenuAddToSellPrice) "
                           "VALUES (?, ?, ?, ?, ?)"),
            {name, QVariant::fromValue(Money::fromCents(500)), QVariant::fromValue(incentive),
             QVariant::fromValue(menuPrice), QVariant::fromValue(menuAdd)});
}

QString storedDelay(Database& db) {
    return db.scalar(QStringLiteral("SELECT %1 FROM Utility").arg(SqlName(QStringLiteral("Delay"))))
        .toString();
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsTheNewDatabaseRow() {
        test::TempDataFolder folder;
        auto db = folder.open();
        const UtilityRecord u = ReadUtility(*db);
        QCOMPARE(u.billA, QStringLiteral("26000000"));
        QCOMPARE(u.month, 3);
        QCOMPARE(u.year, 2026);
        QCOMPARE(u.paperSize, QStringLiteral("RPT"));
        QCOMPARE(u.printCopies, 1);
        QVERIFY(u.printInvoice);
        QVERIFY(u.cardChargeYN);
        QVERIFY(!u.touchScreen);
        QCOMPARE(u.a100, QStringLiteral("None"));
        QCOMPARE(u.delay, QStringLiteral("0"));
        QVERIFY(!u.paxOnInvoice());
        QVERIFY(!u.code.isEmpty());
    }

    void settersWriteTheirColumnsOnly() {
        test::TempDataFolder folder;
        auto db = folder.open();
        const UtilityRecord before = ReadUtility(*db);
        {
            UnitOfWork work(*db);
            SetCompanyProfile(*db, {QStringLiteral("Chez O'Brien"), QStringLiteral("1 Main St"),
                                    QStringLiteral("1000 Town"), QStringLiteral("Ireland"),
                                    QStringLiteral("555")});
            SetTouchScreen(*db, true);
            SetUserIdMode(*db, true, 30000);
            SetBillAuthorization(*db, true);
            SetOrderSlip(*db, true);
            SetBillRounding(*db, 5);
            SetBillRemark2(*db, QStringLiteral("Merry Christmas"));
            SetCardsAccepted(*db, true);
            SetCashForward(*db, m("150.25"));
            SetMaintenanceMonth(*db, 4, 2026);
            SetSetMenuNote(*db, QStringLiteral("* = Set Menu"));
            SetOwnerCode(*db, QStringLiteral("xyz"));
            work.commit();
        }
        const UtilityRecord u = ReadUtility(*db);
        QCOMPARE(u.name, QStringLiteral("Chez O'Brien"));
        QCOMPARE(u.address, QStringLiteral("1 Main St"));
        QCOMPARE(u.postCode, QStringLiteral("1000 Town"));
        QCOMPARE(u.country, QStringLiteral("Ireland"));
        QCOMPARE(u.tel, QStringLiteral("555"));
        QVERIFY(u.touchScreen);
        QVERIFY(u.userId);
        QCOMPARE(u.billingTimer, 30000);
        QVERIFY(u.billAuthorization);
        QVERIFY(u.orderSlip);
        QCOMPARE(u.billRounding, 5);
        QCOMPARE(u.billRemark2, QStringLiteral("Merry Christmas"));
        QCOMPARE(u.billRemark1, before.billRemark1);
        QVERIFY(u.cardChargeYN);
        QVERIFY(u.cardNumberInput);
        QCOMPARE(u.cashForward, m("150.25"));
        QCOMPARE(u.month, 4);
        QCOMPARE(u.year, 2026);
        QCOMPARE(u.adjNo, QStringLiteral("* = Set Menu"));
        QCOMPARE(u.code, QStringLiteral("xyz"));
        QCOMPARE(u.billA, before.billA);
        QCOMPARE(u.paperSize, before.paperSize);

        {
            UnitOfWork work(*db);
            SetCardsRefused(*db);
            SetBillingTimer(*db, 0);
            work.commit();
        }
        const UtilityRecord after = ReadUtility(*db);
        QVERIFY(!after.cardChargeYN);
        QVERIFY(after.cardNumberInput); // kept while cards are refused
        QCOMPARE(after.billingTimer, 0);
        QVERIFY(after.userId);
    }

    void anAbandonedActionChangesNothing() {
        test::TempDataFolder folder;
        auto db = folder.open();
        {
            UnitOfWork work(*db);
            SetTouchScreen(*db, true);
            SetCompanyProfile(*db, {QStringLiteral("X"), QStringLiteral("X"), QStringLiteral("X"),
                                    QStringLiteral("X"), QStringLiteral("X")});
        }
        const UtilityRecord u = ReadUtility(*db);
        QVERIFY(!u.touchScreen);
        QCOMPARE(u.name, QStringLiteral("My Restaurant"));
    }

    void printSetup() {
        test::TempDataFolder folder;
        auto db = folder.open();
        PrintSetup s;
        s.paxOnInvoice = true;
        s.keepPax = true;
        s.comport = QStringLiteral("/dev/ttyUSB0");
        s.paperSize = QStringLiteral("A5");
        s.printer = QStringLiteral("Office_Laser");
        s.billRemark1 = QStringLiteral("Line one");
        s.billRemark2 = QStringLiteral("Line two");
        s.printReinsert = true;
        s.printFullBill = false;
        s.printHeader = false;
        s.printCopies = 2;
        s.a100 = QStringLiteral("Kitchen_TM");
        s.a200 = QStringLiteral("None");
        s.a300 = QStringLiteral("/dev/ttyS1");
        SetPrintSetup(*db, s);
        UtilityRecord u = ReadUtility(*db);
        QCOMPARE(u.delay, QStringLiteral("1"));
        QVERIFY(u.paxOnInvoice());
        QVERIFY(u.keepPax());
        QCOMPARE(u.comport, s.comport);
        QCOMPARE(u.paperSize, s.paperSize);
        QCOMPARE(u.printer, s.printer);
        QCOMPARE(u.billRemark1, s.billRemark1);
        QCOMPARE(u.billRemark2, s.billRemark2);
        QVERIFY(u.printInvoice);
        QVERIFY(u.printReinsert);
        QVERIFY(!u.printFullBill);
        QVERIFY(!u.printHeader);
        QCOMPARE(u.printCopies, 2);
        QCOMPARE(u.a100, s.a100);
        QCOMPARE(u.a300, s.a300);

        // Receipts off: only the pax options, the drawer port and the switch change.
        PrintSetup off;
        off.printInvoice = false;
        off.comport = QStringLiteral("/dev/ttyS0");
        off.paperSize = QStringLiteral("MIN");
        off.printCopies = 1;
        SetPrintSetup(*db, off);
        u = ReadUtility(*db);
        QVERIFY(!u.printInvoice);
        QCOMPARE(u.delay, QStringLiteral("0"));
        QVERIFY(!u.keepPax());
        QCOMPARE(u.comport, QStringLiteral("/dev/ttyS0"));
        QCOMPARE(u.paperSize, QStringLiteral("A5"));
        QCOMPARE(u.printCopies, 2);
        QCOMPARE(u.printer, QStringLiteral("Office_Laser"));
    }

    void delayOf3000ReadsAsZero_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("inForce");
        QTest::newRow("old idle delay") << "3000"
                                        << "0";
        QTest::newRow("pax printed") << "1"
                                     << "1";
        QTest::newRow("pax not printed") << "0"
                                         << "0";
    }
    void delayOf3000ReadsAsZero() {
        QFETCH(QString, stored);
        QFETCH(QString, inForce);
        test::TempDataFolder folder;
        auto db = folder.open();
        db->exec(QStringLiteral("UPDATE Utility SET %1 = ?").arg(SqlName(QStringLiteral("Delay"))), {stored});
        QCOMPARE(NormalizedDelay(stored), inForce);
        QCOMPARE(ReadUtility(*db).delay, inForce);
        QCOMPARE(storedDelay(*db), stored); // reading alone does not rewrite
        QCOMPARE(NormalizeStoredDelay(*db), inForce);
        QCOMPARE(storedDelay(*db), inForce);
    }

    void missingRowsAreErrors() {
        test::TempDataFolder folder;
        auto db = folder.open();
        db->exec(QStringLiteral("DELETE FROM Utility"));
        db->exec(QStringLiteral("DELETE FROM Taxes"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, ReadUtility(*db));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, ReadTaxes(*db));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, SetTouchScreen(*db, true));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, SetTaxes(*db, TaxesRecord{}));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, NormalizeStoredDelay(*db));
        SettingsCopies copies;
        QVERIFY_THROWS_EXCEPTION(DatabaseError, LoadSettingsCopies(*db, copies));
    }

    void taxCopies_data() {
        QTest::addColumn<bool>("taxOnBill");
        QTest::addColumn<bool>("chargeOnBill");
        QTest::addColumn<QString>("salesTax");
        QTest::addColumn<QString>("govTax");
        QTest::addColumn<QString>("charge");
        QTest::addColumn<QString>("expectedSales");
        QTest::addColumn<QString>("expectedGov");
        QTest::addColumn<QString>("expectedCharge");
        QTest::newRow("both on") << true << true << "7"
                                 << "1.5"
                                 << "10"
                                 << "7.0000"
                                 << "1.5000"
                                 << "10.0000";
        QTest::newRow("taxes off") << false << true << "7"
                                   << "1.5"
                                   << "10"
                                   << "0.0000"
                                   << "0.0000"
                                   << "10.0000";
        QTest::newRow("charge off") << true << false << "7"
                                    << "1.5"
                                    << "10"
                                    << "7.0000"
                                    << "1.5000"
                                    << "0.0000";
        QTest::newRow("both off") << false << false << "7"
                                  << "1.5"
                                  << "10"
                                  << "0.0000"
                                  << "0.0000"
                                  << "0.0000";
        // No service charge set: the sales tax still goes on the bill.
        QTest::newRow("charge rate 0") << true << true << "7"
                                       << "0"
                                       << "0"
                                       << "7.0000"
                                       << "0.0000"
                                       << "0.0000";
    }
    void taxCopies() {
        QFETCH(bool, taxOnBill);
        QFETCH(bool, chargeOnBill);
        QFETCH(QString, salesTax);
        QFETCH(QString, govTax);
        QFETCH(QString, charge);
        QFETCH(QString, expectedSales);
        QFETCH(QString, expectedGov);
        QFETCH(QString, expectedCharge);
        test::TempDataFolder folder;
        auto db = folder.open();
        const TaxesRecord t{*Money::parse(salesTax), *Money::parse(govTax), *Money::parse(charge), taxOnBill,
                            chargeOnBill};
        SetTaxes(*db, t);
        const TaxesRecord read = ReadTaxes(*db);
        QCOMPARE(read.salesTax, t.salesTax);
        QCOMPARE(read.serviceChargeOnBill, chargeOnBill);
        SettingsCopies copies;
        copies.salesTaxRate = m("99"); // stale values from an earlier load must not survive
        copies.serviceChargeRate = m("99");
        LoadSettingsCopies(*db, copies);
        QCOMPARE(copies.taxOnBillOn, taxOnBill);
        QCOMPARE(copies.serviceChargeOnBillOn, chargeOnBill);
        QCOMPARE(copies.salesTaxRate.toPlainString(4), expectedSales);
        QCOMPARE(copies.govTaxRate.toPlainString(4), expectedGov);
        QCOMPARE(copies.serviceChargeRate.toPlainString(4), expectedCharge);
    }

    void taxNotSet() {
        QVERIFY(TaxNotSet(TaxesRecord{}));
        QVERIFY(TaxNotSet(TaxesRecord{m("7"), m("1"), Money(), true, true}));
        QVERIFY(TaxNotSet(TaxesRecord{Money(), m("1"), m("10"), true, true}));
        QVERIFY(!TaxNotSet(TaxesRecord{m("7"), Money(), m("10"), false, false}));
    }

    void copiesOfTheSettingsRow() {
        test::TempDataFolder folder;
        auto db = folder.open();
        db->exec(
            QStringLiteral("UPDATE Utility SET BillAuthorization = ?, PaperSize = ?, PrintCopies = ?, "
                           "PrintReinsert = ?, PrintFullBill = ?, CardChargeYN = ?, CardNumberInput = ?"),
            {true, QStringLiteral("A6"), 2, true, false, false, true});
        SettingsCopies c;
        LoadSettingsCopies(*db, c);
        QVERIFY(c.billAuthorizationOn);
        QCOMPARE(c.paperSize, QStringLiteral("A6"));
        QCOMPARE(c.printCopies, 2);
        QVERIFY(c.printReinsert);
        QVERIFY(!c.printFullBill);
        QVERIFY(!c.cardChargeOn);
        QVERIFY(c.cardNumberRequired);
        QVERIFY(!c.touchMode);
        QVERIFY(!c.userIdMode);
    }

    void incentivesInUse_data() {
        QTest::addColumn<bool>("userId");
        QTest::addColumn<bool>("touch");
        QTest::addColumn<bool>("incentiveItem");
        QTest::addColumn<bool>("expected");
        QTest::newRow("user IDs and an incentive item") << true << false << true << true;
        QTest::newRow("no incentive item") << true << false << false << false;
        QTest::newRow("no user IDs") << false << false << true << false;
        QTest::newRow("touch mode") << true << true << true << false;
    }
    void incentivesInUse() {
        QFETCH(bool, userId);
        QFETCH(bool, touch);
        QFETCH(bool, incentiveItem);
        QFETCH(bool, expected);
        test::TempDataFolder folder;
        auto db = folder.open();
        SetTouchScreen(*db, touch);
        SetUserIdMode(*db, userId, 15000);
        addItem(*db, QStringLiteral("Beer"), incentiveItem ? m("0.50") : Money());
        addItem(*db, QStringLiteral("Wine"));
        QCOMPARE(AnyItemIncentive(*db), incentiveItem);
        SettingsCopies c;
        c.incentivesInUse = !expected;
        LoadSettingsCopies(*db, c);
        QCOMPARE(c.incentivesInUse, expected);
        QCOMPARE(c.touchMode, touch);
        QCOMPARE(c.userIdMode, userId);
    }

    void inventoryControlAndSetMenus() {
        test::TempDataFolder folder;
        auto db = folder.open();
        SettingsCopies c;
        LoadSettingsCopies(*db, c);
        QVERIFY(!c.inventoryControlOn);
        QVERIFY(!c.setMenuPricesActive);

        db->exec(QStringLiteral("INSERT INTO Ingredients (Item, InvCtrl) VALUES (?, ?)"),
                 {QStringLiteral("Rum"), false});
        addItem(*db, QStringLiteral("Steak"));
        LoadSettingsCopies(*db, c);
        QVERIFY(!c.inventoryControlOn);
        QVERIFY(!c.setMenuPricesActive);

        db->exec(QStringLiteral("INSERT INTO Ingredients (Item, InvCtrl) VALUES (?, ?)"),
                 {QStringLiteral("Gin"), true});
        addItem(*db, QStringLiteral("Steak*"), Money(), Money(), m("2.50")); // added to the list price
        LoadSettingsCopies(*db, c);
        QVERIFY(c.inventoryControlOn);
        QVERIFY(c.setMenuPricesActive);

        db->exec(QStringLiteral("UPDATE Items SET MenuAddToSellPrice = ?"), {mv("0")});
        QVERIFY(!SetMenuPricesInUse(*db));
        db->exec(QStringLiteral("UPDATE Items SET MenuPrice = ? WHERE Desc1 = ?"),
                 {mv("12"), QStringLiteral("Steak*")});
        QVERIFY(SetMenuPricesInUse(*db));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
