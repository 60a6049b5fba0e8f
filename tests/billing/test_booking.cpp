#include "BillingFixture.h"
#include "BillingMessages.h"
#include "BookingEffects.h"

using namespace vantorel;
using namespace vantorel::test;

namespace {

Money userMoney(BillingFixture& f, const char* column) {
    return f.money(
        QStringLiteral("SELECT %1 FROM Pswd WHERE UserName = 'Tom'").arg(QString::fromLatin1(column)));
}

Money itemMoney(BillingFixture& f, const QString& item, const char* column) {
    return f.money(QStringLiteral("SELECT %1 FROM Items WHERE Desc1 = ?").arg(QString::fromLatin1(column)),
                   {item});
}

Money billMax(BillingFixture& f, const QString& bill) {
    return f.money(QStringLiteral("SELECT Sec4_Bill_Max FROM BillA WHERE BillABillA = ?"), {bill});
}

void addAccount(BillingFixture& f, const QString& name, int discount, Money credit, Money cost = Money()) {
    f.db->exec(QStringLiteral(
                   "INSERT INTO StackedBill (Customer, DiscPerc, MaxCredit, TotalCredit, AvailableCredit, "
                   "Cost) VALUES (?, ?, ?, ?, ?, ?)"),
               {name, discount, QVariant::fromValue(credit), QVariant::fromValue(credit),
                QVariant::fromValue(credit), QVariant::fromValue(cost)});
}

QString allocate(BillingFixture& f, const QString& account) {
    return AllocateCustomerBill(*f.db, f.prompter, f.clock, account, QStringLiteral("20"),
                                QStringLiteral("1"))
        .billNumber;
}

// Another workstation settles the bill while this one waits for the user's answer.
class SettlingPrompter : public ScriptedPrompter {
public:
    std::function<void()> onAsk;
    Answer ask(const QString& text, const QString& caption, Buttons buttons, Icon icon) override {
        if (onAsk)
            onAsk();
        return ScriptedPrompter::ask(text, caption, buttons, icon);
    }
};

} // namespace

class TestBooking : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sameDayBookingsMerge_data() {
        QTest::addColumn<int>("minutesLater");
        QTest::addColumn<QString>("secondPrice");
        QTest::addColumn<int>("secondDiscount");
        QTest::addColumn<bool>("secondFree");
        QTest::addColumn<int>("lines");
        // The first booking is at 12:00; the business day ends at 06:00 next morning.
        QTest::newRow("same hour") << 5 << "10.00" << 0 << false << 1;
        QTest::newRow("05:59 next morning") << 17 * 60 + 59 << "10.00" << 0 << false << 1;
        QTest::newRow("06:00 next morning") << 18 * 60 << "10.00" << 0 << false << 2;
        QTest::newRow("another price") << 5 << "12.00" << 0 << false << 2;
        QTest::newRow("another discount") << 5 << "10.00" << 10 << false << 2;
        QTest::newRow("free of charge") << 5 << "10.00" << 0 << true << 2;
    }
    void sameDayBookingsMerge() {
        QFETCH(int, minutesLater);
        QFETCH(QString, secondPrice);
        QFETCH(int, secondDiscount);
        QFETCH(bool, secondFree);
        QFETCH(int, lines);
        BillingFixture f;
        const QString bill = f.openBill(QStringLiteral("1"));
        QCOMPARE(f.book(bill, QStringLiteral("Fish"), QStringLiteral("1"), M("10.00")).outcome,
                 BillingOutcome::Done);
        f.clock.advanceSeconds(minutesLater * 60);
        const LineResult r = f.book(bill, QStringLiteral("fish"), QStringLiteral("2"),
                                    *Money::parse(secondPrice), secondDiscount, secondFree);
        QCOMPARE(r.outcome, BillingOutcome::Done);
        const auto stored = f.lines(bill);
        QCOMPARE(int(stored.size()), lines);
        if (lines == 1) {
            QCOMPARE(stored[0].quantity, 3);
            QCOMPARE(stored[0].sumItem, M("30.00"));
            QCOMPARE(stored[0].amount, M("30.00"));
            QCOMPARE(stored[0].orderDate, f.clock.now());
        } else {
            QCOMPARE(stored[0].lineNumber, QStringLiteral("01"));
            QCOMPARE(stored[1].lineNumber, QStringLiteral("02"));
            QCOMPARE(stored[1].quantity, 2);
            QCOMPARE(r.lineNumber, QStringLiteral("02"));
        }
    }

    void quantityInput_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("booked"); // 0: refused
        QTest::newRow("one") << "1" << 1;
        QTest::newRow("zero means one") << "0" << 1;
        QTest::newRow("zeros mean one") << "000" << 1;
        QTest::newRow("leading zeros") << "007" << 7;
        QTest::newRow("blanks") << " 12 " << 12;
        QTest::newRow("largest") << "999" << 999;
        QTest::newRow("negative") << "-5" << 0;
        QTest::newRow("fraction") << "1.5" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("too many") << "1000" << 0;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("plus sign") << "+3" << 0;
        QTest::newRow("exponent") << "1e2" << 0;
    }
    void quantityInput() {
        QFETCH(QString, typed);
        QFETCH(int, booked);
        BillingFixture f;
        const QString bill = f.openBill(QStringLiteral("1"));
        const QStringList before = f.snapshot();
        const LineResult r = f.book(bill, QStringLiteral("Beer"), typed, M("5.00"));
        if (booked == 0) {
            QCOMPARE(r.outcome, BillingOutcome::Refused);
            QCOMPARE(f.prompter.lastMessage(), BillingMessage::InvalidInput().text);
            QCOMPARE(f.prompter.messages.back().caption, BillingMessage::InvalidInput().caption);
            QCOMPARE(f.snapshot(), before);
        } else {
            QCOMPARE(r.outcome, BillingOutcome::Done);
            QCOMPARE(f.lines(bill).at(0).quantity, booked);
        }
    }

    void bookingMovesEveryCounter() {
        BillingFixture f;
        f.state.settings.incentivesInUse = true;
        f.addItem(QStringLiteral("Steak"), M("20.00"), M("8.00"), 1, M("1.00"));
        const QString bill = f.openBill(QStringLiteral("1"));
        const Money consumption = itemMoney(f, QStringLiteral("Steak"), "Consumption");
        const LineResult r = f.book(bill, QStringLiteral("Steak"), QStringLiteral("3"), M("20.00"), 10);
        QCOMPARE(r.outcome, BillingOutcome::Done);
        QCOMPARE(r.lineAmount, M("54.00"));
        QVERIFY(r.orderSlipPending);
        QCOMPARE(userMoney(f, "SalesToday"), M("54.00"));
        QCOMPARE(userMoney(f, "SalesThisMonth"), M("54.00"));
        QCOMPARE(userMoney(f, "IncentiveToday"), M("2.70"));
        QCOMPARE(userMoney(f, "IncentiveThisMonth"), M("2.70"));
        QCOMPARE(
            f.value(QStringLiteral(
                        "SELECT ItemNumber FROM DailyIncentive WHERE UserID = '2345' AND Discount = '10'"))
                .toInt(),
            3);
        QCOMPARE(itemMoney(f, QStringLiteral("Steak"), "Consumption") - consumption, M("3"));
        QCOMPARE(billMax(f, bill), M("54.00"));
        QCOMPARE(f.value(QStringLiteral("SELECT count(*) FROM BarSlip WHERE %1 = 'Steak' AND %2 = 1")
                             .arg(SqlName(QStringLiteral("Item")), SqlName(QStringLiteral("Number"))))
                     .toInt(),
                 3);
        const BillLine line = f.lines(bill).at(0);
        QCOMPARE(line.itemCost, M("8.00"));
        QCOMPARE(line.sumItem, M("60.00"));

        // Bar items keep one slip row; a free line earns no incentive.
        f.book(bill, QStringLiteral("Beer"), QStringLiteral("2"), M("5.00"));
        f.book(bill, QStringLiteral("Beer"), QStringLiteral("2"), M("5.00"));
        QCOMPARE(f.value(QStringLiteral("SELECT %1 FROM BarSlip WHERE %2 = 'Beer'")
                             .arg(SqlName(QStringLiteral("Number")), SqlName(QStringLiteral("Item"))))
                     .toInt(),
                 4);
        f.book(bill, QStringLiteral("Steak"), QStringLiteral("1"), M("20.00"), 0, true);
        QCOMPARE(userMoney(f, "IncentiveToday"), M("2.70"));
        QCOMPARE(userMoney(f, "SalesToday"), M("74.00"));
    }

    void withoutCheckedInUserNoCounterMoves() {
        BillingFixture f;
        const QString bill = f.openBill(QStringLiteral("1"));
        f.state.currentUserId.clear();
        f.book(bill, QStringLiteral("Beer"), QStringLiteral("2"), M("5.00"));
        QCOMPARE(userMoney(f, "SalesToday"), Money());
    }

    void deletes_data() {
        QTest::addColumn<int>("deleted");
        QTest::addColumn<int>("linesLeft");
        QTest::newRow("part of a line") << 1 << 2;
        QTest::newRow("the whole line") << 3 << 1;
    }
    void deletes() {
        QFETCH(int, deleted);
        QFETCH(int, linesLeft);
        BillingFixture f;
        const QString bill = f.openBill(QStringLiteral("1"));
        f.book(bill, QStringLiteral("Fish"), QStringLiteral("3"), M("10.00"), 10);
        f.clock.advanceSeconds(60);
        f.book(bill, QStringLiteral("Beer"), QStringLiteral("1"), M("5.00"));
        f.db->exec(QStringLiteral("UPDATE BillA SET FirstPrint = true WHERE BillABillA = ?"), {bill});
        const Money maxBefore = billMax(f, bill);
        const Money consumption = itemMoney(f, QStringLiteral("Fish"), "Consumption");

        const LineResult r = DeleteItemFromBill(*f.db, f.state, f.prompter, f.clock,
                                                DeleteRequest{f.ref(f.lines(bill).at(0)), deleted});
        QCOMPARE(r.outcome, BillingOutcome::Done);
        QCOMPARE(f.prompter.questions.back().text, BillingMessage::DeleteQuestion(deleted, "Fish").text);
        QCOMPARE(f.prompter.questions.back().caption, QStringLiteral("%1 Fish").arg(deleted));
        QCOMPARE(r.linesLeft, linesLeft);
        const auto stored = f.lines(bill);
        QCOMPARE(int(stored.size()), linesLeft);
        if (deleted < 3) {
            QCOMPARE(stored[0].quantity, 3 - deleted);
            QCOMPARE(stored[0].sumItem, M("20.00"));
            QCOMPARE(stored[0].amount, M("18.00"));
        } else {
            QCOMPARE(stored[0].item, QStringLiteral("Beer"));
            QCOMPARE(stored[0].lineNumber, QStringLiteral("01"));
        }
        QCOMPARE(billMax(f, bill), maxBefore); // never drops
        QCOMPARE(itemMoney(f, QStringLiteral("Fish"), "Consumption"), consumption - M("1").times(deleted));
        QCOMPARE(userMoney(f, "SalesToday"), M("32.00") - M("9.00").times(deleted));
        QCOMPARE(
            f.value(QStringLiteral("SELECT count(*) FROM BarSlip WHERE %1 = 'Fish'").arg(SqlName("Item")))
                .toInt(),
            3 - deleted);
        QVERIFY(PrintFirstRun(*f.db, bill));
        QCOMPARE(
            f.value(
                 QStringLiteral("SELECT count(*) FROM Events WHERE %1 = ?").arg(SqlName("Event")),
                 {QStringLiteral("Billing - Deleted Fish: 10.00 x %1 = %2").arg(deleted).arg(deleted * 10) +
                  QStringLiteral(".00")})
                .toInt(),
            1);
    }

    void deleteAfterFirstPrintNeedsApproval_data() {
        QTest::addColumn<int>("approval");
        QTest::addColumn<int>("outcome");
        QTest::newRow("refused") << int(Prompter::Approval::Refused) << int(BillingOutcome::Cancelled);
        QTest::newRow("one item") << int(Prompter::Approval::OneItem) << int(BillingOutcome::Done);
        QTest::newRow("all items") << int(Prompter::Approval::AllItems) << int(BillingOutcome::Done);
    }
    void deleteAfterFirstPrintNeedsApproval() {
        QFETCH(int, approval);
        QFETCH(int, outcome);
        BillingFixture f;
        f.state.settings.billAuthorizationOn = true;
        const QString bill = f.openBill(QStringLiteral("1"));
        f.book(bill, QStringLiteral("Fish"), QStringLiteral("2"), M("10.00"), 10);
        f.db->exec(QStringLiteral("UPDATE BillA SET FirstPrint = true, Sec1 = true WHERE BillABillA = ?"), {bill});
        const QStringList before = f.snapshot();
        f.prompter.approvals = {Prompter::Approval(approval)};
        const LineResult r = DeleteItemFromBill(*f.db, f.state, f.prompter, f.clock,
                                                DeleteRequest{f.ref(f.lines(bill).at(0)), 1});
        QCOMPARE(int(r.outcome), outcome);
        QCOMPARE(int(r.approval), approval);
        // The value shown to the superior is what the line is worth after its discount.
        QCOMPARE(f.prompter.approvalRequests, QStringList{bill + QStringLiteral("|Delete \r1 Fish = 9.00")});
        if (r.outcome == BillingOutcome::Cancelled) {
            QCOMPARE(f.snapshot(), before);
        } else {
            QVERIFY(!LoadBill(*f.db, f.clock, bill).header->authorizationLock);
            QVERIFY(PrintFirstRun(*f.db, bill));
        }
    }

    void deleteAnsweredNo() {
        BillingFixture f;
        const QString bill = f.openBill(QStringLiteral("1"));
        f.book(bill, QStringLiteral("Fish"), QStringLiteral("2"), M("10.00"));
        const QStringList before = f.snapshot();
        f.prompter.answers = {Prompter::Answer::No};
        const LineResult r = DeleteItemFromBill(*f.db, f.state, f.prompter, f.clock,
                                                DeleteRequest{f.ref(f.lines(bill).at(0)), 2});
        QCOMPARE(r.outcome, BillingOutcome::Cancelled);
        QCOMPARE(f.snapshot(), before);
    }

    // Another workstation booked on the same bill after the line was shown: the line is not what the user
    // saw any more.
    void deleteOfAChangedLineIsRefused() {
        BillingFixture f;
        const QString bill = f.openBill(QStringLiteral("1"));
        f.book(bill, QStringLiteral("Fish"), QStringLiteral("2"), M("10.00"));
        const BillLineRef shown = f.ref(f.lines(bill).at(0));
        f.book(bill, QStringLiteral("Fish"), QStringLiteral("1"), M("10.00"));
        const QStringList before = f.snapshot();
        const LineResult r = DeleteItemFromBill(*f.db, f.state, f.prompter, f.clock, DeleteRequest{shown, 2});
        QCOMPARE(r.outcome, BillingOutcome::BillChanged);
        QCOMPARE(f.prompter.lastMessage(), BillingMessage::AccountChangedMeanwhile().text);
        QCOMPARE(f.snapshot(), before);
    }

    void edits() {
        BillingFixture f;
        const QString bill = f.openBill(QStringLiteral("1"));
        f.book(bill, QStringLiteral("Fish"), QStringLiteral("2"), M("10.00"));
        f.clock.advanceSeconds(60);
        f.book(bill, QStringLiteral("Fish"), QStringLiteral("1"), M("10.00"), 10);

        // Quantity only: the line keeps its place.
        EditRequest more{f.ref(f.lines(bill).at(0)), QStringLiteral("4"), 0, false, false};
        LineResult r = EditBill(*f.db, f.state, f.prompter, f.clock, more);
        QCOMPARE(r.outcome, BillingOutcome::Done);
        auto stored = f.lines(bill);
        QCOMPARE(stored[0].quantity, 4);
        QCOMPARE(stored[0].amount, M("40.00"));
        QCOMPARE(billMax(f, bill), M("49.00")); // 20 + 9, raised by the 20 added
        QCOMPARE(userMoney(f, "SalesToday"), M("49.00"));

        // A new discount moves the quantity onto the day's line with that discount.
        EditRequest discounted{f.ref(stored[0]), QStringLiteral("3"), 10, false, false};
        r = EditBill(*f.db, f.state, f.prompter, f.clock, discounted);
        QCOMPARE(r.outcome, BillingOutcome::Done);
        stored = f.lines(bill);
        QCOMPARE(stored.size(), size_t(1));
        QCOMPARE(stored[0].quantity, 4);
        QCOMPARE(stored[0].discountPercent, 10);
        QCOMPARE(stored[0].amount, M("36.00"));
        QCOMPARE(billMax(f, bill), M("49.00")); // never drops
        QCOMPARE(userMoney(f, "SalesToday"), M("36.00"));
        QCOMPARE(f.value(QStringLiteral("SELECT count(*) FROM Events WHERE %1 = ?").arg(SqlName("Event")),
                         {QStringLiteral("Billing - Items Edited Fish from 4 (0%) to 3 (10%)")})
                     .toInt(),
                 1);
    }

    void bookingOnASettledBillWritesNothing() {
        BillingFixture f;
        const QString bill = f.openBill(QStringLiteral("1"));
        f.settleElsewhere(bill);
        const QStringList before = f.snapshot();
        const LineResult r = f.book(bill, QStringLiteral("Beer"), QStringLiteral("1"), M("5.00"));
        QCOMPARE(r.outcome, BillingOutcome::BillClosed);
        QCOMPARE(f.prompter.lastMessage(), BillingMessage::AccountClosedMeanwhile().text);
        QCOMPARE(f.snapshot(), before);
    }

    // The bill is settled elsewhere after the booking's first checks passed: the check inside the
    // booking's own transaction refuses it.
    void settledWhileBookingWritesNothing() {
        BillingFixture f;
        const QString bill = f.openBill(QStringLiteral("1"));
        auto other = f.folder.open();
        bool settled = false;
        f.db->setStatementHook([&](const QString& sql) {
            if (!settled && !f.db->inTransaction() && sql.contains(QLatin1String("FROM Items"))) {
                settled = true;
                other->exec(QStringLiteral("UPDATE BillA SET PayMode = 'Cash' WHERE BillABillA = ?"), {bill});
            }
        });
        const LineResult r = f.book(bill, QStringLiteral("Beer"), QStringLiteral("2"), M("5.00"));
        f.db->setStatementHook({});
        QVERIFY(settled);
        QCOMPARE(r.outcome, BillingOutcome::BillClosed);
        QCOMPARE(f.count(QStringLiteral("BillB")), qint64(0));
        QCOMPARE(f.count(QStringLiteral("BarSlip")), qint64(0));
        QCOMPARE(userMoney(f, "SalesToday"), Money());
        QCOMPARE(itemMoney(f, QStringLiteral("Beer"), "Consumption"), Money());
        QCOMPARE(billMax(f, bill), Money());
    }

    void settledWhileAskingWritesNothing() {
        BillingFixture f;
        SettlingPrompter prompter;
        const QString bill = f.openBill(QStringLiteral("1"));
        f.book(bill, QStringLiteral("Fish"), QStringLiteral("2"), M("10.00"));
        prompter.onAsk = [&] { f.settleElsewhere(bill); };
        const Money sales = userMoney(f, "SalesToday");
        const LineResult r = DeleteItemFromBill(*f.db, f.state, prompter, f.clock,
                                                DeleteRequest{f.ref(f.lines(bill).at(0)), 2});
        QCOMPARE(r.outcome, BillingOutcome::BillClosed);
        QCOMPARE(prompter.lastMessage(), BillingMessage::AccountClosedMeanwhile().text);
        QCOMPARE(f.lines(bill).size(), size_t(1));
        QCOMPARE(userMoney(f, "SalesToday"), sales);
    }

    void failureLeavesNoRow_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("book") << "book";
        QTest::newRow("book on a customer account") << "book vip";
        QTest::newRow("book Miscellaneous") << "book misc";
        QTest::newRow("delete") << "delete";
        QTest::newRow("edit") << "edit";
        QTest::newRow("close empty bill") << "close";
    }
    void failureLeavesNoRow() {
        QFETCH(QString, action);
        BillingFixture f;
        f.state.settings.incentivesInUse = true;
        f.addItem(QStringLiteral("Steak"), M("20.00"), M("8.00"), 1, M("1.00"));
        addAccount(f, QStringLiteral("Miller"), 10, M("500"));
        const QString bill = f.openBill(QStringLiteral("1"));
        const QString vipBill = allocate(f, QStringLiteral("Miller"));
        const QString empty = f.openBill(QStringLiteral("1"));
        f.book(bill, QStringLiteral("Steak"), QStringLiteral("3"), M("20.00"), 10);
        f.book(bill, QStringLiteral("Beer"), QStringLiteral("1"), M("5.00"));
        std::function<void()> run;
        if (action == QLatin1String("book")) {
            run = [&] { f.book(bill, QStringLiteral("Steak"), QStringLiteral("2"), M("20.00"), 10); };
        } else if (action == QLatin1String("book vip")) {
            run = [&] { f.book(vipBill, QStringLiteral("Fish"), QStringLiteral("2"), M("10.00")); };
        } else if (action == QLatin1String("book misc")) {
            run = [&] {
                BookItemRequest r{bill,
                                  QStringLiteral("Miscellaneous"),
                                  QStringLiteral("2"),
                                  M("12.00"),
                                  0,
                                  false,
                                  false,
                                  M("5.00"),
                                  QStringLiteral("P12/C5/Q2 - fruit basket for two")};
                BookItem(*f.db, f.state, f.prompter, f.clock, r);
            };
        } else if (action == QLatin1String("delete")) {
            const BillLineRef line = f.ref(f.lines(bill).at(0));
            run = [&, line] {
                DeleteItemFromBill(*f.db, f.state, f.prompter, f.clock, DeleteRequest{line, 2});
            };
        } else if (action == QLatin1String("edit")) {
            const BillLineRef line = f.ref(f.lines(bill).at(0));
            run = [&, line] {
                EditBill(*f.db, f.state, f.prompter, f.clock,
                         EditRequest{line, QStringLiteral("5"), 0, false, false});
            };
        } else {
            run = [&] { CloseEmptyBill(*f.db, f.state, f.prompter, f.clock, empty); };
        }
        const int statements = FailAtEveryStatement(f, run);
        QVERIFY2(statements > 3, qPrintable(QString::number(statements)));
    }

    void customerAccountCharges() {
        BillingFixture f;
        f.state.settings.salesTaxRate = M("10");
        f.state.settings.taxOnBillOn = true;
        addAccount(f, QStringLiteral("Miller"), 10, M("100.00"));
        const QString bill = allocate(f, QStringLiteral("Miller"));
        const LineResult r = f.book(bill, QStringLiteral("Beer"), QStringLiteral("2"), M("5.00"));
        QCOMPARE(r.outcome, BillingOutcome::Done);
        QVERIFY(r.account);
        QCOMPARE(r.account->availableCredit, M("90.10"));
        QCOMPARE(f.money(QStringLiteral("SELECT Consumption FROM StackedBill")), M("9.90"));
        QCOMPARE(f.money(QStringLiteral("SELECT Cost FROM StackedBill")), M("3.00"));

        const LineResult d = DeleteItemFromBill(*f.db, f.state, f.prompter, f.clock,
                                                DeleteRequest{f.ref(f.lines(bill).at(0)), 2});
        QCOMPARE(d.outcome, BillingOutcome::Done);
        QCOMPARE(f.money(QStringLiteral("SELECT Consumption FROM StackedBill")), Money());
        QCOMPARE(f.money(QStringLiteral("SELECT AvailableCredit FROM StackedBill")), M("100.00"));
        QCOMPARE(f.money(QStringLiteral("SELECT Cost FROM StackedBill")), Money());

        // No item discount on a customer account, and nothing at all on a blocked one.
        QCOMPARE(f.book(bill, QStringLiteral("Beer"), QStringLiteral("1"), M("5.00"), 10).outcome,
                 BillingOutcome::Refused);
        QCOMPARE(f.prompter.lastMessage(), BillingMessage::CustomerAccountNoDiscount().text);
        f.db->exec(QStringLiteral("UPDATE StackedBill SET Blocked = true"));
        QCOMPARE(f.book(bill, QStringLiteral("Beer"), QStringLiteral("1"), M("5.00")).outcome,
                 BillingOutcome::Refused);
        QCOMPARE(f.prompter.lastMessage(), BillingMessage::BlockedAccount().text);
    }

    void entertainmentLimit_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("lines");
        QTest::newRow("no") << int(Prompter::Answer::No) << 0;
        QTest::newRow("yes") << int(Prompter::Answer::Yes) << 1;
    }
    void entertainmentLimit() {
        QFETCH(int, answer);
        QFETCH(int, lines);
        BillingFixture f;
        addAccount(f, QStringLiteral("Entertainment"), 100, M("20.00"), M("15.00"));
        const QString bill = allocate(f, QStringLiteral("Entertainment"));
        f.prompter.answers = {Prompter::Answer(answer)};
        f.book(bill, QStringLiteral("Fish"), QStringLiteral("2"), M("4.00")); // at cost: 8.00 over the limit
        QCOMPARE(f.prompter.questions.size(), size_t(1));
        QCOMPARE(f.prompter.questions[0].text, BillingMessage::EntertainmentLimit().text);
        QCOMPARE(int(f.lines(bill).size()), lines);
        // Booking at cost never turns the cost into the item's price.
        QCOMPARE(itemMoney(f, QStringLiteral("Fish"), "SellPrice"), M("10.00"));
    }

    void miscellaneous() {
        BillingFixture f;
        const QString bill = f.openBill(QStringLiteral("1"));
        BookItemRequest r{bill,
                          QStringLiteral("Miscellaneous"),
                          QStringLiteral("2"),
                          M("20.00"),
                          0,
                          false,
                          false,
                          M("8.00"),
                          QStringLiteral("P20/C8/Q2 - birthday cake")};
        QCOMPARE(BookItem(*f.db, f.state, f.prompter, f.clock, r).outcome, BillingOutcome::Done);
        const QString misc = QStringLiteral("Miscellaneous");
        QCOMPARE(itemMoney(f, misc, "Consumption"), M("2"));
        QCOMPARE(itemMoney(f, misc, "SellPrice"), M("20.00"));
        QCOMPARE(itemMoney(f, misc, "Cost"), M("8.00"));
        QCOMPARE(itemMoney(f, misc, "MarginPercent"), M("60"));
        QCOMPARE(LoadBill(*f.db, f.clock, bill).header->remark,
                 QStringLiteral("((P20/C8/Q2 - birthday cake)) "));
        QCOMPARE(f.lines(bill).at(0).itemCost, M("8.00"));
        QCOMPARE(f.count(QStringLiteral("BarSlip")), qint64(0));
        QCOMPARE(f.value(QStringLiteral("SELECT count(*) FROM Events WHERE %1 = ?").arg(SqlName("Event")),
                         {QStringLiteral("Billing/Misc - P20/C8/Q2 - birthday cake Inventory?? ")})
                     .toInt(),
                 1);

        // A second one on the same bill is refused.
        QCOMPARE(BookItem(*f.db, f.state, f.prompter, f.clock, r).outcome, BillingOutcome::Refused);
        QCOMPARE(f.prompter.lastMessage(), BillingMessage::SecondMiscellaneous().text);

        // Averages over two bills, then the first one taken back.
        const QString second = f.openBill(QStringLiteral("2"));
        r.billNumber = second;
        r.price = M("10.00");
        r.miscellaneousCost = M("2.00");
        r.quantity = QStringLiteral("2");
        BookItem(*f.db, f.state, f.prompter, f.clock, r);
        QCOMPARE(itemMoney(f, misc, "SellPrice"), M("15.00"));
        QCOMPARE(itemMoney(f, misc, "Cost"), M("5.00"));
        DeleteItemFromBill(*f.db, f.state, f.prompter, f.clock, DeleteRequest{f.ref(f.lines(bill).at(0)), 2});
        QCOMPARE(itemMoney(f, misc, "Consumption"), M("2"));
        QCOMPARE(itemMoney(f, misc, "SellPrice"), M("10.00"));
        QCOMPARE(itemMoney(f, misc, "Cost"), M("2.00"));
        QCOMPARE(LoadBill(*f.db, f.clock, bill).header->remark, QString());
    }

    void marketPrice() {
        BillingFixture f;
        f.addItem(QStringLiteral("Lobster"), M("30.00"), M("12.00"), 1, M("1.50"), true);
        const QString bill = f.openBill(QStringLiteral("1"));
        BookItemRequest r{
            bill, QStringLiteral("Lobster"), QStringLiteral("1"), M("36.00"), 0, false, true, {}, {}};
        QCOMPARE(BookItem(*f.db, f.state, f.prompter, f.clock, r).outcome, BillingOutcome::Done);
        QCOMPARE(itemMoney(f, QStringLiteral("Lobster"), "SellPrice"), M("36.00"));
        QCOMPARE(itemMoney(f, QStringLiteral("Lobster"), "Incentive"), M("1.80"));
        QCOMPARE(f.value(QStringLiteral("SELECT count(*) FROM Events WHERE %1 = ?").arg(SqlName("Event")),
                         {QStringLiteral("MarketPrice: Lobster from 30.00 to 36.00; Incentive: 1.80")})
                     .toInt(),
                 1);
    }

    void incentiveOfColleagues() {
        BillingFixture f;
        f.state.settings.incentivesInUse = true;
        f.addItem(QStringLiteral("Steak"), M("20.00"), M("8.00"), 1, M("1.00"));
        const QString bill = f.openBill(QStringLiteral("1"));
        f.book(bill, QStringLiteral("Steak"), QStringLiteral("2"), M("20.00"));
        ProgramState anna = f.state;
        anna.currentUserName = QStringLiteral("ANNA");
        anna.currentUserId = QStringLiteral("3456");
        BookItem(
            *f.db, anna, f.prompter, f.clock,
            BookItemRequest{
                bill, QStringLiteral("Steak"), QStringLiteral("2"), M("20.00"), 0, false, false, {}, {}});
        QCOMPARE(f.value(QStringLiteral("SELECT count(*) FROM DailyIncentive")).toInt(), 2);

        // Anna may delete only her own two of the four; she is asked and the row reaches 0.
        f.prompter.answers = {Prompter::Answer::Yes};
        const LineResult r = DeleteItemFromBill(*f.db, anna, f.prompter, f.clock,
                                                DeleteRequest{f.ref(f.lines(bill).at(0)), 4});
        QCOMPARE(r.outcome, BillingOutcome::Done);
        QCOMPARE(r.quantity, 2);
        QVERIFY(f.prompter.questions.back().text.startsWith(QStringLiteral(
            "Under the current incentive plan, you entered only 2 items.  \r\r  2  Tom\r  2  Anna\r\r")));
        QCOMPARE(f.lines(bill).at(0).quantity, 2);
        QCOMPARE(f.value(QStringLiteral("SELECT count(*) FROM DailyIncentive")).toInt(), 1);
        QCOMPARE(f.money(QStringLiteral("SELECT IncentiveToday FROM Pswd WHERE UserName = 'Anna'")), Money());

        // Now she has none left and sees who entered them.
        const LineResult refused = DeleteItemFromBill(*f.db, anna, f.prompter, f.clock,
                                                      DeleteRequest{f.ref(f.lines(bill).at(0)), 2});
        QCOMPARE(refused.outcome, BillingOutcome::Cancelled);
        QCOMPARE(f.prompter.lastMessage(),
                 QStringLiteral("Under the current incentive plan, all input was made by "
                                "colleagues.  \r\r  2  Tom\r\nYou cannot delete this item!"));
    }
};

QTEST_GUILESS_MAIN(TestBooking)
#include "test_booking.moc"
