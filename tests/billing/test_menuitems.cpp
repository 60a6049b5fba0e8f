#include "BillingFixture.h"
#include "MenuItems.h"

using namespace vantorel;
using namespace vantorel::test;

namespace {

MenuEntry entry(const char* code, const char* name, const char* main = "Food", const char* group = "Mains") {
    MenuEntry e;
    e.code = QString::fromLatin1(code);
    e.name = QString::fromLatin1(name);
    e.mainGroup = QString::fromLatin1(main);
    e.menuGroup = QString::fromLatin1(group);
    e.setMenu = IsSetMenuName(e.name);
    return e;
}

const std::vector<MenuEntry> Menu{
    entry("B2", "Beef Burger"),
    entry("A12", "Apple Pie", "Food", "Desserts"),
    entry("A11", "Lunch Menu*"),
    entry("A1", "Apple Juice", "Drinks", "Soft"),
    entry("AB", "Abbey Ale", "Drinks", "Beers"),
    entry("a15", "Almond Cake", "Food", "Desserts"),
};

QStringList codes(const std::vector<MenuEntry>& found) {
    QStringList list;
    for (const MenuEntry& e : found)
        list << e.code;
    return list;
}

void setMenuItem(BillingFixture& f, const QString& name, Money sell, Money menuPrice, Money addition) {
    f.db->exec(
        QStringLiteral("INSERT INTO Items (%1, Desc1, MainGroup, SCName, SellPrice, Cost, MenuPrice, "
                       "MenuAddToSellPrice, MarketPrice, Deleted) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
            .arg(SqlName(QStringLiteral("Item"))),
        {QStringLiteral("SM") + name.left(1), name, QStringLiteral("Set"), QStringLiteral("Set"),
         QVariant::fromValue(sell), QVariant::fromValue(M("3.333")), QVariant::fromValue(menuPrice),
         QVariant::fromValue(addition), false, false});
}

} // namespace

class TestMenuItems : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void speedCodes_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("setMenuMode");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("A1") << "A1" << false << QStringList{"A12", "A1", "a15"};
        QTest::newRow("lower case") << "a1" << false << QStringList{"A12", "A1", "a15"};
        QTest::newRow("slash ignored") << "A/1" << false << QStringList{"A12", "A1", "a15"};
        QTest::newRow("A") << "A" << false << QStringList{"A12", "A1", "AB", "a15"};
        QTest::newRow("nothing typed") << "" << false << QStringList{"B2", "A12", "A1", "AB", "a15"};
        QTest::newRow("set menu only in set-menu mode") << "A1" << true << QStringList{"A11"};
        QTest::newRow("no match") << "Z" << false << QStringList{};
    }
    void speedCodes() {
        QFETCH(QString, typed);
        QFETCH(bool, setMenuMode);
        QFETCH(QStringList, expected);
        QCOMPARE(codes(FindBySpeedCode(Menu, typed, setMenuMode)), expected);
    }

    void names() {
        QCOMPARE(codes(FindByName(Menu, QStringLiteral("APPLE"), false)), QStringList({"A12", "A1"}));
        QCOMPARE(codes(FindByName(Menu, QStringLiteral("menu"), false)), QStringList());
        QCOMPARE(codes(FindByName(Menu, QStringLiteral("menu"), true)), QStringList({"A11"}));
    }

    void groups() {
        QCOMPARE(MainGroups(Menu, false), QStringList({"Drinks", "Food"}));
        QCOMPARE(MenuGroups(Menu, QStringLiteral("Food"), false), QStringList({"Desserts", "Mains"}));
        QCOMPARE(MenuGroups(Menu, QStringLiteral("Food"), true), QStringList({"Mains"}));
        QCOMPARE(codes(ItemsOfMenuGroup(Menu, QStringLiteral("Desserts"), false)),
                 QStringList({"A12", "a15"}));
        QCOMPARE(codes(ItemsOfMenuGroup(Menu, QStringLiteral("Mains"), false)), QStringList({"B2"}));
    }

    void theMenuLeavesDeletedItemsOut() {
        BillingFixture f;
        f.db->exec(QStringLiteral("UPDATE Items SET Deleted = ? WHERE Desc1 = ?"),
                   {true, QStringLiteral("Beer")});
        const std::vector<MenuEntry> menu = LoadMenu(*f.db);
        QStringList names;
        for (const MenuEntry& e : menu)
            names << e.name;
        QVERIFY(names.contains(QStringLiteral("Fish and Chips")));
        QVERIFY(!names.contains(QStringLiteral("Beer")));
        QVERIFY(!ChooseItem(*f.db, QStringLiteral("Beer"), false));
        // Ordered by speed code, last first.
        QStringList sorted = codes(menu);
        std::sort(sorted.begin(), sorted.end(), std::greater<QString>());
        QCOMPARE(codes(menu), sorted);
    }

    void prices_data() {
        QTest::addColumn<QString>("menuPrice");
        QTest::addColumn<QString>("addition");
        QTest::addColumn<QString>("expected");
        QTest::newRow("set-menu price") << "8.00"
                                        << "0"
                                        << "8.00";
        QTest::newRow("addition") << "0"
                                  << "1.50"
                                  << "11.50";
        QTest::newRow("set-menu price wins") << "8.00"
                                             << "1.50"
                                             << "8.00";
        QTest::newRow("neither") << "0"
                                 << "0"
                                 << "10.00";
    }
    void prices() {
        QFETCH(QString, menuPrice);
        QFETCH(QString, addition);
        QFETCH(QString, expected);
        BillingFixture f;
        setMenuItem(f, QStringLiteral("Lunch*"), M("10.00"), *Money::parse(menuPrice),
                    *Money::parse(addition));
        const auto item = ChooseItem(*f.db, QStringLiteral("Lunch*"), false);
        QVERIFY(item);
        QCOMPARE(item->price.toPlainString(2), expected);
        // The entertainment account books at cost, in cents.
        QCOMPARE(ChooseItem(*f.db, QStringLiteral("Lunch*"), true)->price, M("3.33"));
    }

    void marketPriceAndMiscellaneous() {
        BillingFixture f;
        f.addItem(QStringLiteral("Lobster"), M("40.00"), M("20.00"), 1, Money(), true);
        QVERIFY(ChooseItem(*f.db, QStringLiteral("Lobster"), false)->marketPrice);
        QVERIFY(!ChooseItem(*f.db, QStringLiteral("Fish"), false)->marketPrice);
        const auto misc = ChooseItem(*f.db, QStringLiteral("Miscellaneous"), false);
        QVERIFY(misc->miscellaneous);
        QVERIFY(!misc->marketPrice);
        const QString bill = f.openBill(QStringLiteral("9"));
        QVERIFY(!HasMiscellaneousLine(*f.db, bill));
    }

    void miscellaneousEntry_data() {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("cost");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("remark");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("message");
        QTest::newRow("good") << "12.5"
                              << "4"
                              << "2"
                              << "Birthday cake from baker"
                              << "P12.50/C4.00/Q2 - Birthday cake from baker"
                              << "";
        QTest::newRow("short remark") << "12.5"
                                      << "4"
                                      << "2"
                                      << "Cake"
                                      << ""
                                      << "More detail please....      ";
        QTest::newRow("bad price") << "12,x"
                                   << "4"
                                   << "2"
                                   << "Birthday cake from baker"
                                   << ""
                                   << "Invalid numeric input. Please try again!   ";
        QTest::newRow("negative cost") << "12"
                                       << "-4"
                                       << "2"
                                       << "Birthday cake from baker"
                                       << ""
                                       << "Invalid numeric input. Please try again!   ";
        QTest::newRow("empty field") << "12"
                                     << ""
                                     << "2"
                                     << "Birthday cake from baker"
                                     << ""
                                     << "";
    }
    void miscellaneousEntry() {
        QFETCH(QString, price);
        QFETCH(QString, cost);
        QFETCH(QString, quantity);
        QFETCH(QString, remark);
        QFETCH(QString, comment);
        QFETCH(QString, message);
        ScriptedPrompter prompter;
        const auto entry = ReadMiscellaneous(prompter, price, cost, quantity, remark);
        QCOMPARE(entry.has_value(), !comment.isEmpty());
        if (entry)
            QCOMPARE(entry->comment, comment);
        QCOMPARE(prompter.lastMessage(), message);
    }
};

QTEST_GUILESS_MAIN(TestMenuItems)
#include "test_menuitems.moc"
