#include "BillLines.h"
#include "BillingMessages.h"
#include "Bills.h"
#include "KeyboardScreen.h"
#include "MenuItems.h"
#include "ModalDriver.h"
#include "TFuserID.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

using namespace vantorel;
using namespace vantorel::test;

namespace {

int menuSize(KeyboardScreen& s, bool setMenuMode) {
    return static_cast<int>(MenuForMode(LoadMenu(*s.db), setMenuMode).size());
}

} // namespace

class TestTF02 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void withoutOpenBillsTheTableBoxIsShown() {
        KeyboardScreen s;
        QCOMPARE(s.form->title(), QStringLiteral("Billing"));
        QVERIFY(s.panelOpen("TableBox"));
        QVERIFY(s.focused("TableEdit"));
        QVERIFY(s.listed("BillList").isEmpty());
    }

    void tableFiveOpensThenFinds05() {
        KeyboardScreen s;
        const QString bill = s.openTable(QStringLiteral("5"), QStringLiteral("3"));
        QVERIFY(!bill.isEmpty());
        QVERIFY(!s.panelOpen("TableBox"));
        QCOMPARE(s.billText(bill, "Table"), QStringLiteral("05"));
        QCOMPARE(s.billText(bill, "Sec5"), QStringLiteral("3"));
        QCOMPARE(s.billText(bill, "Waiter"), QStringLiteral("Owner"));
        QCOMPARE(s.listed("BillList"), QStringList{QStringLiteral("5")});
        QVERIFY(s.text("AddToAccountHeader").contains(bill));
        QVERIFY(s.focused("CodeEdit"));

        // Another bill, then 5 again finds the first one: nothing new is opened.
        const QString other = s.openTable(QStringLiteral("12"));
        QVERIFY(other != bill);
        s.key(Qt::Key_F1);
        s.type(QStringLiteral("5"));
        s.enter();
        QVERIFY(!s.panelOpen("TableBox"));
        QCOMPARE(s.form->selectedBill(), bill);
        QCOMPARE(s.value(QStringLiteral("SELECT count(*) FROM BillA")).toInt(), 2);
        QVERIFY(s.prompter.messages.empty());
    }

    void tableBoxInput() {
        KeyboardScreen s;
        s.type(QStringLiteral("0a7b9"));
        QCOMPARE(s.text("TableEdit"), QStringLiteral("7b")); // no leading 0, a letter only after digits
        s.key(Qt::Key_Backspace);
        s.type(QStringLiteral("12"));
        QCOMPARE(s.text("TableEdit"), QStringLiteral("71"));
        QCOMPARE(s.prompter.lastMessage(), QStringLiteral("The maximum table number is 99!   "));
        // Esc closes the box; with no bill there is nothing to select.
        s.key(Qt::Key_Escape);
        QVERIFY(!s.panelOpen("TableBox"));
        QVERIFY(s.form->selectedBill().isEmpty());
    }

    void aTableWithLetteredBillsOnlyPointsToNewAccount() {
        KeyboardScreen s([](KeyboardScreen& k) {
            CreateBill(*k.db, k.state, k.prompter, k.clock, NewBillRequest{"8", "1", "Anne"});
            CreateBill(*k.db, k.state, k.prompter, k.clock, NewBillRequest{"8", "1", "Bert"});
        });
        s.key(Qt::Key_F1);
        s.type(QStringLiteral("8"));
        s.enter();
        QCOMPARE(s.prompter.lastMessage(),
                 QStringLiteral("To add another account to a table,  \rgoto [New Accounts] --> F2"));
        QCOMPARE(s.prompter.messages.back().caption, QStringLiteral("Multiple accounts"));
        QCOMPARE(s.billText(s.form->selectedBill(), "Table"), QStringLiteral("08a"));
        s.key(Qt::Key_F1);
        s.type(QStringLiteral("8b"));
        s.enter();
        QCOMPARE(s.billText(s.form->selectedBill(), "Table"), QStringLiteral("08b"));
    }

    void speedCodeFiltersAndBackspaceRestores() {
        KeyboardScreen s([](KeyboardScreen& k) {
            k.addItem(QStringLiteral("A1"), QStringLiteral("Apple Strudel"), "5.00");
            k.addItem(QStringLiteral("A12"), QStringLiteral("Apple Crumble"), "6.00");
            k.addItem(QStringLiteral("A2"), QStringLiteral("Apricot Tart"), "6.50");
            k.addItem(QStringLiteral("BA1"), QStringLiteral("Banana Split"), "7.00");
        });
        s.openTable(QStringLiteral("4"));
        const int all = menuSize(s, false);
        QCOMPARE(s.listed("ItemList").size(), all);
        s.type(QStringLiteral("a1"));
        QCOMPARE(s.text("CodeEdit"), QStringLiteral("A1"));
        QCOMPARE(s.listed("ItemList"), QStringList({QStringLiteral("A12"), QStringLiteral("A1")}));
        s.key(Qt::Key_Backspace);
        QCOMPARE(s.listed("ItemList"),
                 QStringList({QStringLiteral("A2"), QStringLiteral("A12"), QStringLiteral("A1")}));
        s.key(Qt::Key_Backspace);
        QCOMPARE(s.listed("ItemList").size(), all);
        // Ctrl+A searches names instead.
        s.key(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(s.text("CodeLabel"), QStringLiteral(" Menu Item"));
        s.type(QStringLiteral("APPLE"));
        QCOMPARE(s.listed("ItemList", 1),
                 QStringList({QStringLiteral("Apple Pie"), QStringLiteral("Apple Crumble"),
                              QStringLiteral("Apple Strudel")}));
    }

    void speedCodeFieldLimits() {
        KeyboardScreen s;
        s.openTable(QStringLiteral("4"));
        s.type(QStringLiteral("abcdefg"));
        QCOMPARE(s.text("CodeEdit"), QStringLiteral("ABCDE"));
        s.key(Qt::Key_Escape);
        QCOMPARE(s.text("CodeEdit"), QString());
        s.type(QStringLiteral("f/m1"));
        QCOMPARE(s.text("CodeEdit"), QStringLiteral("FM1"));
        QCOMPARE(s.listed("ItemList", 1), QStringList{QStringLiteral("Fish and Chips")});
    }

    void aSetMenuItemShowsOnlyInSetMenuMode() {
        KeyboardScreen s([](KeyboardScreen& k) {
            k.addItem(QStringLiteral("SM1"), QStringLiteral("Lunch Menu*"), "20.00", false, "15.00");
            LoadSettingsCopies(*k.db, k.state.settings);
        });
        QVERIFY(s.state.settings.setMenuPricesActive);
        s.openTable(QStringLiteral("4"));
        QVERIFY(!s.listed("ItemList", 1).contains(QStringLiteral("Lunch Menu*")));
        s.type(QStringLiteral("SM"));
        QVERIFY(s.listed("ItemList").isEmpty());
        s.key(Qt::Key_Escape);
        s.key(Qt::Key_Alt);
        QCOMPARE(s.listed("ItemList", 1), QStringList{QStringLiteral("Lunch Menu*")});
        QVERIFY(s.child<QLabel>("SetMenuLabel")->isVisible());
        // Its set-menu price is taken.
        s.enter();
        s.enter();
        QCOMPARE(s.text("PriceEdit"), QStringLiteral("15.00"));
        s.key(Qt::Key_Escape);
        s.key(Qt::Key_Alt);
        QVERIFY(!s.listed("ItemList", 1).contains(QStringLiteral("Lunch Menu*")));
        // The menu groups hide it as well.
        s.key(Qt::Key_M, Qt::ControlModifier);
        QVERIFY(s.focused("MainGroupList"));
        s.enter(); // Drinks
        s.key(Qt::Key_Up);
        s.key(Qt::Key_Left);
        s.key(Qt::Key_Down); // Food
        s.enter();
        QStringList groups;
        for (int i = 0; i < s.child<QListWidget>("MenuGroupList")->count(); ++i)
            groups << s.child<QListWidget>("MenuGroupList")->item(i)->text();
        QCOMPARE(groups, QStringList({QStringLiteral("Desserts"), QStringLiteral("Mains"),
                                      QStringLiteral("Sides"), QStringLiteral("Starters")}));
    }

    void menuGroupsListTheItemsOfAGroup() {
        KeyboardScreen s;
        s.openTable(QStringLiteral("4"));
        s.key(Qt::Key_M, Qt::ControlModifier);
        auto* main = s.child<QListWidget>("MainGroupList");
        QCOMPARE(main->item(0)->text(), QStringLiteral("Drinks"));
        s.enter();
        QVERIFY(s.focused("MenuGroupList"));
        QCOMPARE(s.child<QListWidget>("MenuGroupList")->currentItem()->text(), QStringLiteral("Beers"));
        QCOMPARE(s.listed("ItemList", 1),
                 QStringList({QStringLiteral("Wheat Beer"), QStringLiteral("Stout"),
                              QStringLiteral("Pale Ale"), QStringLiteral("Draught Lager")}));
        s.enter();
        QVERIFY(s.focused("ItemList"));
        s.enter();
        QVERIFY(s.focused("QtyEdit"));
        s.enter();
        s.enter();
        QCOMPARE(s.listed("LineList", 3), QStringList{QStringLiteral("Wheat Beer")});
        // Back in the group lists, as the search in use.
        QVERIFY(s.focused("MenuGroupList"));
        s.key(Qt::Key_Escape);
        QVERIFY(s.focused("CodeEdit"));
    }

    void quantity00ResetsTo1WithABeep() {
        KeyboardScreen s;
        s.openTable(QStringLiteral("4"));
        s.type(QStringLiteral("FM1"));
        s.enter();
        s.enter();
        QVERIFY(s.focused("QtyEdit"));
        QCOMPARE(s.text("PriceEdit"), QStringLiteral("16.50"));
        s.prompter.beeps.clear();
        s.type(QStringLiteral("00"));
        s.enter();
        QCOMPARE(s.text("QtyEdit"), QStringLiteral("1"));
        QCOMPARE(s.prompter.beeps.size(), size_t(1));
        QVERIFY(s.focused("QtyEdit"));
        QVERIFY(s.prompter.messages.empty());
        // Leading zeros go; the total follows.
        s.child<QLineEdit>("QtyEdit")->selectAll();
        s.type(QStringLiteral("003"));
        s.enter();
        QCOMPARE(s.text("QtyEdit"), QStringLiteral("3"));
        QCOMPARE(s.text("TotalValue"), QStringLiteral("49.50"));
        QVERIFY(s.focused("OkBut"));
    }

    void quantityDiscountAndFoc() {
        KeyboardScreen s;
        const QString bill = s.openTable(QStringLiteral("4"));
        s.type(QStringLiteral("FM1"));
        s.enter();
        s.enter();
        s.type(QStringLiteral("2d")); // "D" jumps to the discount
        QVERIFY(s.focused("DiscEdit"));
        s.child<QLineEdit>("DiscEdit")->selectAll();
        s.type(QStringLiteral("10x"));
        QCOMPARE(s.text("DiscEdit"), QStringLiteral("10"));
        s.enter();
        QCOMPARE(s.text("TotalValue"), QStringLiteral("29.70"));
        s.enter();
        // Another item given free with "F" in the quantity.
        s.type(QStringLiteral("DB1"));
        s.enter();
        s.enter();
        s.type(QStringLiteral("f"));
        QVERIFY(s.child<QCheckBox>("FocBox")->isChecked());
        QCOMPARE(s.text("DiscEdit"), QStringLiteral("100"));
        QCOMPARE(s.text("TotalValue"), QStringLiteral("0.00"));
        s.enter();
        s.enter();
        QCOMPARE(s.listed("LineList", 3),
                 QStringList({QStringLiteral("Fish and Chips"), QStringLiteral("Draught Lager")}));
        QCOMPARE(s.listed("LineList", 7), QStringList({QStringLiteral("N"), QStringLiteral("Y")}));
        QCOMPARE(s.listed("LineList", 8), QStringList({QStringLiteral("10"), QStringLiteral("0")}));
        QCOMPARE(s.listed("LineList", 9), QStringList({QStringLiteral("29.70"), QStringLiteral("0.00")}));
        QCOMPARE(s.text("LinesTotal"), QStringLiteral("29.70"));
        QCOMPARE(s.db->queryOne(
                         QStringLiteral("SELECT sum(ItemsPayment) AS total FROM BillB WHERE BillBBillA = ?"),
                         {bill})
                     ->money(QStringLiteral("total")),
                 Money::fromCents(2970));
    }

    void bookingShowsTheLineAndReturnsToTheSearch() {
        KeyboardScreen s;
        const QString bill = s.openTable(QStringLiteral("12"), QStringLiteral("3"));
        s.book(QStringLiteral("FM1"), QStringLiteral("2"));
        QCOMPARE(s.listed("LineList", 3), QStringList{QStringLiteral("Fish and Chips")});
        QCOMPARE(s.child<QTreeWidget>("LineList")->currentItem()->text(0), QStringLiteral("01"));
        QCOMPARE(s.text("QtyEdit"), QStringLiteral("1"));
        QCOMPARE(s.text("CodeEdit"), QString());
        QVERIFY(s.focused("CodeEdit"));
        QVERIFY(s.child<QPushButton>("OrderSlipBut")->isVisible());
        const auto row = s.db->queryOne(QStringLiteral("SELECT * FROM BillB WHERE BillBBillA = ?"), {bill});
        QCOMPARE(row->text(QStringLiteral("Item")), QStringLiteral("Fish and Chips"));
        QCOMPARE(row->integer(QStringLiteral("Quantity")), qint64(2));
        QCOMPARE(row->money(QStringLiteral("ItemsPayment")), *Money::parse(u"33.00"));
    }

    void typingAheadWhileABookingRunsLosesNoKey() {
        KeyboardScreen s;
        s.openTable(QStringLiteral("4"));
        s.type(QStringLiteral("FM1"));
        s.enter();
        s.enter();
        s.enter();
        QVERIFY(s.focused("OkBut"));
        // While the booking writes, the next code is typed.
        bool typed = false;
        s.db->setStatementHook([&](const QString& sql) {
            if (!typed && sql.startsWith(QLatin1String("INSERT INTO BillB"))) {
                typed = true;
                QTest::keyClicks(s.form->focusedWidget(), QStringLiteral("DB"));
                QVERIFY(s.form->inputGate().isClosed());
            }
        });
        s.enter();
        s.db->setStatementHook({});
        QVERIFY(typed);
        QCOMPARE(s.listed("LineList", 3), QStringList{QStringLiteral("Fish and Chips")});
        QCOMPARE(s.text("CodeEdit"), QStringLiteral("DB"));
        QCOMPARE(s.listed("ItemList"), QStringList({QStringLiteral("DB4"), QStringLiteral("DB3"),
                                                    QStringLiteral("DB2"), QStringLiteral("DB1")}));
        QCOMPARE(s.form->inputGate().pendingKeys(), 0);
    }

    void typingWithoutABillAsksToOpenOne() {
        KeyboardScreen s;
        s.key(Qt::Key_Escape); // the table box
        QVERIFY(s.focused("CodeEdit"));
        s.type(QStringLiteral("F"));
        QCOMPARE(s.text("AddToAccountHeader"), QStringLiteral("Open an Account"));
        QCOMPARE(s.text("CodeEdit"), QString());
        QTest::qWait(1100);
        QCOMPARE(s.text("AddToAccountHeader"), QStringLiteral("Add to Account No."));
    }

    void marketPriceMustBeTyped() {
        KeyboardScreen s([](KeyboardScreen& k) {
            k.addItem(QStringLiteral("LOB"), QStringLiteral("Lobster"), "0", true);
        });
        const QString bill = s.openTable(QStringLiteral("4"));
        s.type(QStringLiteral("LOB"));
        s.enter();
        s.enter();
        QVERIFY(s.focused("PriceEdit"));
        QCOMPARE(s.text("PriceLabel"), QStringLiteral("Market Price"));
        s.enter();
        QCOMPARE(s.prompter.lastMessage(), QStringLiteral("Invalid numeric input. Please try again!   "));
        QVERIFY(s.focused("PriceEdit"));
        s.type(QStringLiteral("42.5"));
        s.enter();
        QVERIFY(s.focused("QtyEdit"));
        s.enter();
        s.enter();
        QCOMPARE(s.listed("LineList", 4), QStringList{QStringLiteral("42.50")});
        QVERIFY(!bill.isEmpty());
    }

    void miscellaneousAsksItsDetails() {
        KeyboardScreen s;
        const QString bill = s.openTable(QStringLiteral("4"));
        s.type(QStringLiteral("MIS"));
        s.enter();
        s.enter();
        QVERIFY(s.panelOpen("MiscPanel"));
        s.type(QStringLiteral("12.50"));
        s.enter();
        s.type(QStringLiteral("4"));
        s.enter();
        s.type(QStringLiteral("2"));
        s.enter();
        s.type(QStringLiteral("Cake"));
        s.enter();
        s.click("MiscSaveBut");
        QCOMPARE(s.prompter.lastMessage(), QStringLiteral("More detail please....      "));
        QVERIFY(s.panelOpen("MiscPanel"));
        s.type(QStringLiteral(" from the baker next door"));
        s.click("MiscSaveBut");
        QVERIFY(!s.panelOpen("MiscPanel"));
        QVERIFY(s.prompter.lastMessage().startsWith(
            QStringLiteral("If the miscellaneous item contains Menu Items")));
        QCOMPARE(s.listed("LineList", 3), QStringList{QStringLiteral("Miscellaneous")});
        QCOMPARE(s.listed("LineList", 9), QStringList{QStringLiteral("25.00")});
        QVERIFY(s.billText(bill, "BillRemark")
                    .contains(QStringLiteral("P12.50/C4.00/Q2 - Cake from the baker next door")));
        // A second one is refused.
        s.type(QStringLiteral("MIS"));
        s.enter();
        s.enter();
        QVERIFY(!s.panelOpen("MiscPanel"));
        QVERIFY(s.prompter.lastMessage().startsWith(
            QStringLiteral("The selected account contains an item \"Miscellaneous\"")));
    }

    void newAccountWithAlias() {
        KeyboardScreen s;
        s.openTable(QStringLiteral("7"));
        s.key(Qt::Key_F2);
        QVERIFY(s.panelOpen("NewAccountPanel"));
        QVERIFY(!s.text("NewAccountNumber").isEmpty());
        s.type(QStringLiteral("7"));
        s.enter();
        s.child<QLineEdit>("NewPaxEdit")->selectAll();
        s.type(QStringLiteral("2"));
        s.enter();
        s.enter(); // no alias: the table is taken
        QCOMPARE(s.text("NewAccountMessage"), BillingMessage::SeparateBillAlias().text);
        QVERIFY(s.focused("NewAliasEdit"));
        s.type(QStringLiteral("window"));
        s.enter();
        QVERIFY(!s.panelOpen("NewAccountPanel"));
        const QString bill = s.form->selectedBill();
        QCOMPARE(s.billText(bill, "CustomerName"), QStringLiteral("Window"));
        QCOMPARE(s.billText(bill, "Table"), QStringLiteral("07b"));
        QCOMPARE(s.listed("BillList"), QStringList({QStringLiteral("7a"), QStringLiteral("7b")}));
    }

    void vipWithoutAccountsFlashes() {
        KeyboardScreen s;
        s.openTable(QStringLiteral("7"));
        s.key(Qt::Key_F3);
        QCOMPARE(s.child<QPushButton>("VipAccountBut")->text(), QStringLiteral("No VIP Account"));
        QVERIFY(!s.panelOpen("VipAccountPanel"));
        QTest::qWait(900);
        QCOMPARE(s.child<QPushButton>("VipAccountBut")->text(), QStringLiteral("VIP Account"));
    }

    void vipAccountToATable() {
        KeyboardScreen s([](KeyboardScreen& k) {
            k.db->exec(QStringLiteral("INSERT INTO StackedBill (Customer, DiscPerc, MaxCredit, TotalCredit, "
                                      "AvailableCredit) VALUES (?, ?, ?, ?, ?)"),
                       {QStringLiteral("SMITH"), 10, QVariant::fromValue(Money::fromCents(10000)),
                        QVariant::fromValue(Money::fromCents(10000)),
                        QVariant::fromValue(Money::fromCents(10000))});
        });
        s.key(Qt::Key_Escape);
        s.key(Qt::Key_F3);
        QVERIFY(s.panelOpen("VipAccountPanel"));
        s.enter();
        s.type(QStringLiteral("9"));
        s.enter();
        s.enter();
        QVERIFY(!s.panelOpen("VipAccountPanel"));
        const QString bill = s.form->selectedBill();
        QCOMPARE(s.billText(bill, "StackerBill"), QStringLiteral("SMITH"));
        QCOMPARE(s.text("VipAccountName"), QStringLiteral("SMITH"));
        QCOMPARE(s.text("VipCredit"), QStringLiteral("100.00"));
        QVERIFY(!s.child<QLineEdit>("DiscEdit")->isEnabled());
        QVERIFY(!s.child<QCheckBox>("FocBox")->isEnabled());
    }

    void startupCashIsCheckedWithTheFirstBill() {
        KeyboardScreen s([](KeyboardScreen& k) { SetCashForward(*k.db, Money::fromCents(15000)); });
        s.openTable(QStringLiteral("3"));
        QVERIFY(s.panelOpen("StartupCashPanel"));
        QCOMPARE(s.text("StartupCashAmount"), QStringLiteral("150.00"));
        s.key(Qt::Key_Escape); // must be answered
        QVERIFY(s.panelOpen("StartupCashPanel"));
        s.click("StartupNotAcceptBut");
        QVERIFY(!s.panelOpen("StartupCashPanel"));
        QVERIFY(s.events().contains(QStringLiteral("Startup Cash - Owner: 150.00 NOT ACCEPTED")));
        // Once per screen.
        s.openTable(QStringLiteral("4"));
        QVERIFY(!s.panelOpen("StartupCashPanel"));
    }

    void userPhoto_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("shown");
        QTest::newRow("own photo, other case") << "Images/OWNER.jpg" << true;
        QTest::newRow("fallback") << "Images/no_photo.jpg" << true;
        QTest::newRow("neither") << "" << false;
    }
    void userPhoto() {
        QFETCH(QString, file);
        QFETCH(bool, shown);
        KeyboardScreen s([&](KeyboardScreen& k) {
            if (file.isEmpty())
                return;
            QDir(k.folder.path()).mkpath(QFileInfo(file).path());
            QImage image(160, 206, QImage::Format_RGB32);
            image.fill(Qt::darkGreen);
            QVERIFY(image.save(k.folder.path() + file, "JPG"));
        });
        QCOMPARE(s.text("UserNameLabel"), QStringLiteral("Owner"));
        auto* photo = s.child<QLabel>("UserPhoto");
        QCOMPARE(photo->isVisible(), shown);
        if (shown)
            QCOMPARE(photo->pixmap().size(), QSize(80, 103));
    }

    void keysOfLaterVersionsSayNotYet_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("F5") << int(Qt::Key_F5);
        QTest::newRow("F6") << int(Qt::Key_F6);
        QTest::newRow("F8") << int(Qt::Key_F8);
    }
    void keysOfLaterVersionsSayNotYet() {
        QFETCH(int, key);
        KeyboardScreen s;
        s.openTable(QStringLiteral("4"));
        s.key(Qt::Key(key));
        QVERIFY(s.prompter.lastMessage().endsWith(
            QStringLiteral("is not part of this version of Vantorel yet.")));
        QVERIFY(s.focused("CodeEdit"));
    }

    void cashDrawerNeedsARightfulCode() {
        KeyboardScreen s;
        s.openTable(QStringLiteral("4"));
        s.prompter.texts.push_back(QStringLiteral("9999"));
        s.key(Qt::Key_F7);
        QCOMPARE(s.prompter.questions.back().caption, QStringLiteral("Open Cash Drawer"));
        QVERIFY(s.events().contains(QStringLiteral(
            "Billing - Attempt by 9999 to open cash drawer during operation by Owner (1234)")));
    }

    void changeTableAliasAndPax() {
        KeyboardScreen s;
        const QString bill = s.openTable(QStringLiteral("4"));
        s.prompter.texts.push_back(QStringLiteral("15"));
        s.key(Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(s.billText(bill, "Table"), QStringLiteral("15"));
        s.prompter.texts.push_back(QStringLiteral("garden"));
        s.key(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(s.billText(bill, "CustomerName"), QStringLiteral("Garden"));
        s.prompter.texts.push_back(QStringLiteral("6"));
        s.key(Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(s.billText(bill, "Sec5"), QStringLiteral("6"));
        QCOMPARE(s.listed("BillList", 3), QStringList{QStringLiteral("GARDEN")});
        QCOMPARE(s.listed("BillList", 4), QStringList{QStringLiteral("6")});
    }

    void deletingALineAsksFirst() {
        KeyboardScreen s;
        const QString bill = s.openTable(QStringLiteral("4"));
        s.book(QStringLiteral("DB1"), QStringLiteral("2"));
        s.key(Qt::Key_Down, Qt::ControlModifier);
        QVERIFY(s.focused("LineList"));
        s.enter();
        QVERIFY(s.child<QPushButton>("DeleteLineBut")->isVisible());
        s.prompter.answers.push_back(Prompter::Answer::Yes);
        s.type(QStringLiteral("d"));
        QCOMPARE(s.prompter.questions.back().text,
                 QStringLiteral("Deletion cannot be undone!  \r\rDelete this item?"));
        QVERIFY(s.listed("LineList").isEmpty());
        QCOMPARE(s.value(QStringLiteral("SELECT count(*) FROM BillB WHERE BillBBillA = ?"), {bill}).toInt(),
                 0);
        QVERIFY(s.child<QPushButton>("CloseAccountBut")->isVisible());
        // The empty account is closed after its question; no bill left, the table box opens.
        s.click("CloseAccountBut");
        QVERIFY(s.prompter.questions.back().text.startsWith(QStringLiteral("Close an empty account only")));
        QVERIFY(s.value(QStringLiteral("SELECT %1 FROM BillA WHERE BillABillA = ?")
                            .arg(SqlName(QStringLiteral("Void"))),
                        {bill})
                    .toBool());
        QVERIFY(s.listed("BillList").isEmpty());
        QVERIFY(s.panelOpen("TableBox"));
    }

    void orderSlipPrintsTheBookedItems() {
        KeyboardScreen s;
        s.openTable(QStringLiteral("4"));
        QVERIFY(!s.child<QPushButton>("OrderSlipBut")->isVisible());
        s.book(QStringLiteral("FM1"), QStringLiteral("2"));
        s.book(QStringLiteral("DB1"));
        QVERIFY(s.child<QPushButton>("OrderSlipBut")->isVisible());
        QCOMPARE(s.value(QStringLiteral("SELECT count(*) FROM BarSlip")).toInt(), 3);
        s.key(Qt::Key_F9);
        QCOMPARE(s.prints.titles.size(), 1);
        QCOMPARE(s.value(QStringLiteral("SELECT count(*) FROM BarSlip")).toInt(), 0);
        QVERIFY(!s.child<QPushButton>("OrderSlipBut")->isVisible());
        QVERIFY(s.focused("CodeEdit"));
        // Selecting another bill drops unsent lines.
        s.book(QStringLiteral("DB1"));
        s.openTable(QStringLiteral("5"));
        QCOMPARE(s.value(QStringLiteral("SELECT count(*) FROM BarSlip")).toInt(), 0);
        QVERIFY(!s.child<QPushButton>("OrderSlipBut")->isVisible());
    }

    void userIdModeAsksWhoIsWorking() {
        ModalDriver driver;
        KeyboardScreen s([&](KeyboardScreen& k) {
            SetUserIdMode(*k.db, true, 60000);
            LoadSettingsCopies(*k.db, k.state.settings);
            driver.whenOpen<TFuserID>([](TFuserID* prompt) {
                QVERIFY(!prompt->exitButton()->isVisible());
                prompt->idField()->setText(QStringLiteral("2345"));
                prompt->toBilling();
            });
        });
        QCOMPARE(driver.ran(), 1);
        QCOMPARE(s.state.currentUserName, QStringLiteral("Tom"));
        QCOMPARE(s.text("UserNameLabel"), QStringLiteral("Tom"));
        QVERIFY(s.child<QPushButton>("LockScreenBut")->isVisible());
        const QString bill = s.openTable(QStringLiteral("4"));
        QCOMPARE(s.billText(bill, "Waiter"), QStringLiteral("Tom"));

        // F10 hands over to the next user...
        driver.whenOpen<TFuserID>([](TFuserID* prompt) {
            QVERIFY(prompt->exitButton()->isVisible());
            prompt->idField()->setText(QStringLiteral("3456"));
            prompt->toBilling();
        });
        s.key(Qt::Key_F10);
        QCOMPARE(driver.ran(), 2);
        QVERIFY(s.form->isVisible());
        QCOMPARE(s.text("UserNameLabel"), QStringLiteral("Anna"));
        // ... or closes billing.
        driver.whenOpen<TFuserID>([](TFuserID* prompt) {
            prompt->idField()->setText(QStringLiteral("3456"));
            prompt->exitBilling();
        });
        s.key(Qt::Key_F10);
        QCOMPARE(driver.ran(), 3);
        QVERIFY(!s.form->isVisible());
    }

    void aBlockedAccountTakesNoItemsButCanBeSettled() {
        KeyboardScreen s([](KeyboardScreen& k) {
            k.db->exec(QStringLiteral("INSERT INTO StackedBill (Customer, DiscPerc, MaxCredit, TotalCredit, "
                                      "AvailableCredit, Blocked) VALUES (?, ?, ?, ?, ?, ?)"),
                       {QStringLiteral("SMITH"), 0, QVariant::fromValue(Money::fromCents(1000)),
                        QVariant::fromValue(Money::fromCents(1000)),
                        QVariant::fromValue(Money::fromCents(1000)), false});
            const QString bill = AllocateCustomerBill(*k.db, k.prompter, k.clock, QStringLiteral("SMITH"),
                                                      QStringLiteral("9"), QString())
                                     .billNumber;
            BookItemRequest request;
            request.billNumber = bill;
            request.item = QStringLiteral("Fish and Chips");
            request.quantity = QStringLiteral("1");
            request.price = Money::fromCents(1650);
            QCOMPARE(BookItem(*k.db, k.state, k.prompter, k.clock, request).outcome, BillingOutcome::Done);
            k.db->exec(QStringLiteral("UPDATE StackedBill SET Blocked = ?"), {true});
        });
        QCOMPARE(s.text("AddToAccountHeader"), QStringLiteral("Blocked VIP Account"));
        QVERIFY(!s.child<QTreeWidget>("ItemList")->isVisible());
        QVERIFY(s.child<QLabel>("BlockedNote")->isVisible());
        QVERIFY(s.child<QPushButton>("PrintVipBillBut")->isVisible());
        s.type(QStringLiteral("FM1"));
        QCOMPARE(s.text("CodeEdit"), QString());
        s.prompter.beeps.clear();
        s.key(Qt::Key_F2);
        QCOMPARE(s.prompter.beeps.size(), size_t(1));
        QVERIFY(!s.panelOpen("NewAccountPanel"));
        s.click("PrintVipBillBut");
        QCOMPARE(s.prints.titles.size(), 1);
        s.key(Qt::Key_F4);
        QVERIFY(s.panelOpen("FirstPrintPanel"));
        QCOMPARE(s.text("FirstPrintNote"), QStringLiteral("VIP Account SMITH"));
        QVERIFY(!s.child<QCheckBox>("BillFocBox")->isEnabled());
    }

    void totalAccountShowsEarlierDays() {
        KeyboardScreen s([](KeyboardScreen& k) {
            const QString bill =
                CreateQuickBill(*k.db, k.state, k.prompter, k.clock, QStringLiteral("6"), QString())
                    .billNumber;
            k.db->exec(QStringLiteral(
                           "INSERT INTO BillB (BillBBillA, BillNoItem, %1, Quantity, SalesPrice, SumItem, "
                           "ItemDiscPerc, ItemsPayment, ItemCost, OrderDate) VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
                           "?, ?)")
                           .arg(SqlName(QStringLiteral("Item"))),
                       {bill, QStringLiteral("01"), QStringLiteral("Stout"), 1,
                        QVariant::fromValue(Money::fromCents(580)),
                        QVariant::fromValue(Money::fromCents(580)), 0,
                        QVariant::fromValue(Money::fromCents(580)), QVariant::fromValue(Money()),
                        k.clock.now().addDays(-1)});
        });
        QVERIFY(s.listed("LineList").isEmpty());
        QVERIFY(s.text("LinesTotal").isEmpty());
        auto* total = s.child<QPushButton>("TotalAccountBut");
        QVERIFY(total->isVisible());
        QVERIFY(!s.child<QPushButton>("CloseAccountBut")->isVisible());
        s.click("TotalAccountBut");
        QCOMPARE(s.listed("LineList", 3), QStringList{QStringLiteral("Stout")});
        QCOMPARE(s.text("LinesHeader"), QStringLiteral("Total Account"));
        QCOMPARE(total->text(), QStringLiteral("Today"));
        QCOMPARE(s.text("LinesTotal"), QStringLiteral("5.80"));
        // A line of an earlier day cannot be deleted.
        s.key(Qt::Key_Down, Qt::ControlModifier);
        s.type(QStringLiteral("d"));
        QCOMPARE(s.prompter.lastMessage(), QStringLiteral("You can change only today's orders!     \n"));
        s.click("TotalAccountBut");
        QVERIFY(s.listed("LineList").isEmpty());
    }

    void closingLeavesTheScreen() {
        KeyboardScreen s;
        s.openTable(QStringLiteral("4"));
        QVERIFY(s.form->isVisible());
        s.key(Qt::Key_F10);
        QVERIFY(!s.form->isVisible());
    }
};

QTEST_MAIN(TestTF02)
#include "test_tf02.moc"
