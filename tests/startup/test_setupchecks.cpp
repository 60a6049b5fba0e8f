#include "AccessRows.h"
#include "Clock.h"
#include "SetupChecks.h"
#include "TempDataFolder.h"

#include <QTest>

using namespace vantorel;

namespace {

struct Item {
    QString code;
    QString name;
    QString group;
    QString mainGroup;
    bool deleted;
};

void addItem(Database& db, const Item& it) {
    db.exec(QStringLiteral("INSERT INTO Items (%1, Desc1, SCName, MainGroup, Deleted) VALUES (?, ?, ?, ?, ?)")
                .arg(SqlName(QStringLiteral("Item"))),
            {it.code, it.name, it.group, it.mainGroup, it.deleted});
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Item>)

class TestSetupChecks : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuChecks_data() {
        QTest::addColumn<std::vector<Item>>("items");
        QTest::addColumn<bool>("noMenuItems");
        QTest::addColumn<bool>("noMenuGroup");
        QTest::addColumn<bool>("noSpeedCode");
        QTest::addColumn<bool>("optimize");
        const Item soup{"FS1", "Soup", "Starters", "Food", false};
        const Item cola{"DC1", "Cola", "Soft Drinks", "Drinks", false};
        QTest::newRow("no items") << std::vector<Item>{} << true << true << true << false;
        QTest::newRow("one item") << std::vector<Item>{soup} << true << false << false << false;
        QTest::newRow("one item and deleted ones")
            << std::vector<Item>{soup,
                                 {"X1", "Old", "Starters", "Food", true},
                                 {"X2", "Older", "Starters", "Food", true}}
            << true << false << false << false;
        QTest::newRow("two items") << std::vector<Item>{soup, cola} << false << false << false << false;
        QTest::newRow("an item without a name")
            << std::vector<Item>{soup, cola, {"FS2", "", "Starters", "Food", false}} << true << false << false
            << false;
        QTest::newRow("an item without a menu group")
            << std::vector<Item>{soup, cola, {"FS2", "Bread", "", "Food", false}} << false << true << false
            << false;
        QTest::newRow("an item without a speed code")
            << std::vector<Item>{soup, cola, {"", "Bread", "Starters", "Food", false}} << false << false
            << true << false;
        QTest::newRow("one speed code from its main group")
            << std::vector<Item>{soup, cola, {"FO01", "Bread", "Starters", "Food", false}} << false << false
            << false << false;
        QTest::newRow("two speed codes from their main group")
            << std::vector<Item>{soup,
                                 cola,
                                 {"fo01", "Bread", "Starters", "Food", false},
                                 {"DR01", "Tea", "Hot", "drinks", true}}
            << false << false << false << true;
    }
    void menuChecks() {
        QFETCH(std::vector<Item>, items);
        QFETCH(bool, noMenuItems);
        QFETCH(bool, noMenuGroup);
        QFETCH(bool, noSpeedCode);
        QFETCH(bool, optimize);
        test::TempDataFolder folder;
        auto db = folder.open();
        // The table holds exactly the rows of the case (a new database starts with the miscellaneous item).
        db->exec(QStringLiteral("DELETE FROM Items"));
        for (const Item& it : items)
            addItem(*db, it);
        const SetupChecks c = SetupChecks::read(*db);
        QCOMPARE(c.noMenuItems, noMenuItems);
        QCOMPARE(c.noMenuGroup, noMenuGroup);
        QCOMPARE(c.noSpeedCode, noSpeedCode);
        QCOMPARE(c.optimizeSpeedcode, optimize);
    }

    void taxNotSet_data() {
        QTest::addColumn<int>("salesTaxCents");
        QTest::addColumn<int>("serviceChargeCents");
        QTest::addColumn<bool>("notSet");
        QTest::newRow("both set") << 700 << 1000 << false;
        QTest::newRow("no sales tax") << 0 << 1000 << true;
        QTest::newRow("no service charge") << 700 << 0 << true;
    }
    void taxNotSet() {
        QFETCH(int, salesTaxCents);
        QFETCH(int, serviceChargeCents);
        QFETCH(bool, notSet);
        test::TempDataFolder folder;
        auto db = folder.open();
        db->exec(QStringLiteral("UPDATE Taxes SET TSalesTax = ?, TServCharge = ?"),
                 {QVariant::fromValue(Money::fromCents(salesTaxCents)),
                  QVariant::fromValue(Money::fromCents(serviceChargeCents))});
        QCOMPARE(SetupChecks::read(*db).taxNotSet, notSet);
    }

    void messages_data() {
        QTest::addColumn<int>("flags"); // 1 items, 2 groups, 4 speed codes, 8 tax, 16 optimize, 32 new month
        QTest::addColumn<bool>("touch");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<bool>("hint");
        QTest::newRow("nothing") << 0 << false << QStringList() << false;
        QTest::newRow("new month only") << 32 << false << QStringList() << false;
        QTest::newRow("no items, keyboard")
            << (1 | 4) << false << QStringList{"Menu Items", "Menu Groups", "Speedcode"} << false;
        QTest::newRow("no groups") << 2 << true << QStringList{"Menu Groups"} << false;
        QTest::newRow("no speed codes, keyboard") << 4 << false << QStringList{"Speedcode"} << false;
        QTest::newRow("no speed codes, touch") << 4 << true << QStringList() << false;
        QTest::newRow("tax") << 8 << true << QStringList{"Tax", "Service Charge"} << false;
        QTest::newRow("optimize, keyboard") << 16 << false << QStringList() << true;
        QTest::newRow("optimize, touch") << 16 << true << QStringList() << false;
    }
    void messages() {
        QFETCH(int, flags);
        QFETCH(bool, touch);
        QFETCH(QStringList, items);
        QFETCH(bool, hint);
        SetupChecks c;
        c.noMenuItems = flags & 1;
        c.noMenuGroup = flags & 2;
        c.noSpeedCode = flags & 4;
        c.taxNotSet = flags & 8;
        c.optimizeSpeedcode = flags & 16;
        const SetupWarnings w = GetMessages(c, touch, flags & 32);
        QCOMPARE(w.items, items);
        QCOMPARE(w.showOptimizeHint, hint);
    }

    void salesTodayFunctionIsAddedOnce() {
        test::TempDataFolder folder;
        auto db = folder.open();
        db->exec(QStringLiteral("DELETE FROM \"functions\" WHERE \"code\" = 'TR15'"));
        EnsureSalesTodayFunction(*db);
        EnsureSalesTodayFunction(*db);
        const Rows rows = db->query(QStringLiteral("SELECT * FROM \"functions\" WHERE \"code\" = 'TR15'"));
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(rows[0].text(QStringLiteral("Functions")), QStringLiteral("Report Sales Today"));
    }

    void welcome() {
        test::TempDataFolder folder;
        auto db = folder.open();
        db->exec(QStringLiteral("UPDATE Utility SET \"name\" = ?"), {QStringLiteral("Harbour Lights")});
        QCOMPARE(WelcomeText(*db), QStringLiteral("Welcome to Harbour Lights"));
        db->exec(QStringLiteral("UPDATE Utility SET \"name\" = ''"));
        QCOMPARE(WelcomeText(*db), QStringLiteral("Welcome..."));
    }

    void newMonth_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<bool>("newMonth");
        // The test database's maintenance month is March 2026.
        QTest::newRow("same month") << QDate(2026, 3, 31) << false;
        QTest::newRow("next month") << QDate(2026, 4, 1) << true;
        QTest::newRow("March of the next year") << QDate(2027, 3, 2) << false;
    }
    void newMonth() {
        QFETCH(QDate, today);
        QFETCH(bool, newMonth);
        test::TempDataFolder folder;
        auto db = folder.open();
        QCOMPARE(NewMonthFlag(*db, FixedClock(QDateTime(today, QTime(9, 0)))), newMonth);
    }

    void lastDayOfMonth_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("last");
        QTest::newRow("31 January") << QDate(2026, 1, 31) << true;
        QTest::newRow("28 February, leap year") << QDate(2028, 2, 28) << false;
        QTest::newRow("29 February, leap year") << QDate(2028, 2, 29) << true;
        QTest::newRow("28 February") << QDate(2026, 2, 28) << true;
        QTest::newRow("30 April") << QDate(2026, 4, 30) << true;
        QTest::newRow("30 December") << QDate(2026, 12, 30) << false;
    }
    void lastDayOfMonth() {
        QFETCH(QDate, date);
        QFETCH(bool, last);
        QCOMPARE(IsLastDayOfMonth(date), last);
    }
};

QTEST_GUILESS_MAIN(TestSetupChecks)
#include "test_setupchecks.moc"
