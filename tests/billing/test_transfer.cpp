#include "BillingFixture.h"
#include "BillingMessages.h"

using namespace vantorel;
using namespace vantorel::test;

namespace {

// A bill holding Fish x2 at 10.00 and x1 at 12.00, and a second bill at another table.
struct TransferFixture : BillingFixture {
    QString from;
    QString to;
    TransferFixture() {
        from = openBill(QStringLiteral("3"));
        to = openBill(QStringLiteral("4"));
        book(from, QStringLiteral("Fish"), QStringLiteral("2"), M("10.00"));
        clock.advanceSeconds(60);
        book(from, QStringLiteral("Fish"), QStringLiteral("1"), M("12.00"));
        clock.advanceSeconds(60);
    }
    LineResult transfer(int quantity, Money price, int discount = 0) {
        return HandleBillB(
            *db, state, prompter, clock,
            TransferRequest{from, to, QStringLiteral("Fish"), discount, price, quantity, false, false});
    }
};

} // namespace

class TestTransfer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void movesExactlyTheUnitsAsked_data() {
        QTest::addColumn<int>("quantity");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QStringList>("sourceLeft"); // "quantity@price"
        QTest::newRow("both at 10.00") << 2 << "10.00" << QStringList{"1@12.00"};
        QTest::newRow("one at 10.00") << 1 << "10.00" << QStringList{"1@10.00", "1@12.00"};
        QTest::newRow("the one at 12.00") << 1 << "12.00" << QStringList{"2@10.00"};
    }
    void movesExactlyTheUnitsAsked() {
        QFETCH(int, quantity);
        QFETCH(QString, price);
        QFETCH(QStringList, sourceLeft);
        TransferFixture f;
        const Money unit = *Money::parse(price);
        const LineResult r = f.transfer(quantity, unit);
        QCOMPARE(r.outcome, BillingOutcome::Done);
        QCOMPARE(r.quantity, quantity);

        QStringList left;
        for (const BillLine& l : f.lines(f.from)) {
            QVERIFY(l.quantity > 0);
            QCOMPARE(l.sumItem, l.price.times(l.quantity));
            QCOMPARE(l.amount, l.sumItem);
            left << QStringLiteral("%1@%2").arg(l.quantity).arg(l.price.toPlainString());
        }
        QCOMPARE(left, sourceLeft);

        const auto moved = f.lines(f.to);
        QCOMPARE(moved.size(), size_t(1));
        QCOMPARE(moved[0].quantity, quantity);
        QCOMPARE(moved[0].price, unit);
        QCOMPARE(moved[0].sumItem, unit.times(quantity));
        QCOMPARE(moved[0].amount, unit.times(quantity));
        QCOMPARE(moved[0].itemCost, M("4.00"));
        QCOMPARE(moved[0].lineNumber, QStringLiteral("01"));

        // The question names what moves, and the log on the source bill the value moved.
        QCOMPARE(f.prompter.questions.back().text,
                 BillingMessage::TransferQuestion(quantity, QStringLiteral("Fish"), "3", "4").text);
        QCOMPARE(f.value(QStringLiteral("SELECT BillNumber FROM Events WHERE %1 = ?").arg(SqlName("Event")),
                         {QStringLiteral("Billing - Transfer %1 Fish from %2 to %3 (%4)")
                              .arg(quantity)
                              .arg(f.from, f.to, unit.times(quantity).toPlainString())})
                     .toString(),
                 f.from);
        // The target's running maximum grows by what it received; the source keeps its own.
        QCOMPARE(f.money(QStringLiteral("SELECT Sec4_Bill_Max FROM BillA WHERE BillABillA = ?"), {f.to}),
                 unit.times(quantity));
        QCOMPARE(f.money(QStringLiteral("SELECT Sec4_Bill_Max FROM BillA WHERE BillABillA = ?"), {f.from}),
                 M("32.00"));
    }

    void joinsTheTargetsLineOfTheSamePrice() {
        TransferFixture f;
        f.book(f.to, QStringLiteral("Fish"), QStringLiteral("1"), M("10.00"));
        f.book(f.to, QStringLiteral("Fish"), QStringLiteral("1"), M("12.00"));
        QCOMPARE(f.transfer(2, M("10.00")).outcome, BillingOutcome::Done);
        const auto target = f.lines(f.to);
        QCOMPARE(target.size(), size_t(2));
        QCOMPARE(target[0].quantity, 3);
        QCOMPARE(target[0].price, M("10.00"));
        QCOMPARE(target[0].amount, M("30.00"));
        QCOMPARE(target[1].quantity, 1);
        QCOMPARE(target[1].price, M("12.00"));
    }

    void refusals_data() {
        QTest::addColumn<QString>("case_");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("message");
        QTest::newRow("more than the bill holds at that price")
            << "three" << int(BillingOutcome::Refused) << BillingMessage::TransferLimit(2).text;
        QTest::newRow("a discount the bill does not hold") << "discount" << int(BillingOutcome::BillChanged)
                                                           << BillingMessage::AccountChangedMeanwhile().text;
        QTest::newRow("to the same bill")
            << "same" << int(BillingOutcome::Refused) << BillingMessage::TransferSameTable().text;
        QTest::newRow("to a customer account")
            << "vip" << int(BillingOutcome::Refused) << BillingMessage::TransferToCustomerAccount().text;
        QTest::newRow("to a settled bill")
            << "settled" << int(BillingOutcome::BillClosed) << BillingMessage::AccountClosedMeanwhile().text;
        QTest::newRow("quantity zero")
            << "zero" << int(BillingOutcome::Refused) << BillingMessage::InvalidInput().text;
        QTest::newRow("answered no") << "no" << int(BillingOutcome::Cancelled) << QString();
    }
    void refusals() {
        QFETCH(QString, case_);
        QFETCH(int, outcome);
        QFETCH(QString, message);
        TransferFixture f;
        TransferRequest r{f.from, f.to, QStringLiteral("Fish"), 0, M("10.00"), 2, false, false};
        if (case_ == QLatin1String("three")) {
            r.quantity = 3;
        } else if (case_ == QLatin1String("discount")) {
            r.discountPercent = 10;
        } else if (case_ == QLatin1String("same")) {
            r.toBill = f.from;
        } else if (case_ == QLatin1String("vip")) {
            f.db->exec(QStringLiteral("INSERT INTO StackedBill (Customer) VALUES ('Miller')"));
            r.toBill = AllocateCustomerBill(*f.db, f.prompter, f.clock, "Miller", "9", "1").billNumber;
        } else if (case_ == QLatin1String("settled")) {
            f.settleElsewhere(f.to);
        } else if (case_ == QLatin1String("zero")) {
            r.quantity = 0;
        } else {
            f.prompter.answers = {Prompter::Answer::No};
        }
        const QStringList before = f.snapshot();
        const LineResult result = HandleBillB(*f.db, f.state, f.prompter, f.clock, r);
        QCOMPARE(int(result.outcome), outcome);
        if (!message.isEmpty())
            QCOMPARE(f.prompter.lastMessage(), message);
        QCOMPARE(f.snapshot(), before);
    }

    void approvalAfterFirstPrint() {
        TransferFixture f;
        f.state.settings.billAuthorizationOn = true;
        f.db->exec(QStringLiteral("UPDATE BillA SET FirstPrint = true, Sec1 = true WHERE BillABillA = ?"),
                   {f.from});
        f.prompter.approvals = {Prompter::Approval::OneItem};
        QCOMPARE(f.transfer(1, M("12.00")).outcome, BillingOutcome::Done);
        QCOMPARE(f.prompter.approvalRequests,
                 QStringList{f.from + QStringLiteral("|Transfer 1 Fish to Table 4")});
        for (const QString& bill : {f.from, f.to}) {
            const auto header = LoadBill(*f.db, f.clock, bill).header;
            QVERIFY(!header->firstPrint && !header->authorizationLock);
        }
    }

    void incentiveRecordsFollowTheUnits() {
        BillingFixture f;
        f.state.settings.incentivesInUse = true;
        f.addItem(QStringLiteral("Steak"), M("20.00"), M("8.00"), 1, M("1.00"));
        const QString from = f.openBill(QStringLiteral("1"));
        const QString to = f.openBill(QStringLiteral("2"));
        f.book(from, QStringLiteral("Steak"), QStringLiteral("3"), M("20.00"));
        const Money incentive =
            f.money(QStringLiteral("SELECT IncentiveToday FROM Pswd WHERE UserName = 'Tom'"));
        QCOMPARE(
            HandleBillB(*f.db, f.state, f.prompter, f.clock,
                        TransferRequest{from, to, QStringLiteral("Steak"), 0, M("20.00"), 2, true, false})
                .outcome,
            BillingOutcome::Done);
        QCOMPARE(f.value(QStringLiteral("SELECT ItemNumber FROM DailyIncentive WHERE BillNumber = ?"), {from})
                     .toInt(),
                 1);
        QCOMPARE(f.value(QStringLiteral("SELECT ItemNumber FROM DailyIncentive WHERE BillNumber = ?"), {to})
                     .toInt(),
                 2);
        QCOMPARE(f.money(QStringLiteral("SELECT IncentiveToday FROM Pswd WHERE UserName = 'Tom'")),
                 incentive);
    }

    void transferAll() {
        TransferFixture f;
        f.book(f.from, QStringLiteral("Beer"), QStringLiteral("2"), M("5.00"), 10);
        BookItem(*f.db, f.state, f.prompter, f.clock,
                 BookItemRequest{f.from, QStringLiteral("Miscellaneous"), QStringLiteral("1"), M("3.00"), 0,
                                 false, false, M("1.00"),
                                 QStringLiteral("P3/C1/Q1 - candles for the table")});
        const LineResult r = TransferAllItems(*f.db, f.state, f.prompter, f.clock, f.from, f.to);
        QCOMPARE(r.outcome, BillingOutcome::Done);
        QCOMPARE(r.quantity, 5);
        const auto left = f.lines(f.from);
        QCOMPARE(left.size(), size_t(1));
        QCOMPARE(left[0].item, QStringLiteral("Miscellaneous"));
        const auto moved = f.lines(f.to);
        QCOMPARE(moved.size(), size_t(3));
        Money total;
        for (const BillLine& l : moved)
            total += l.amount;
        QCOMPARE(total, M("41.00"));
        QCOMPARE(
            f.value(
                 QStringLiteral("SELECT count(*) FROM Events WHERE %1 = ?").arg(SqlName("Event")),
                 {QStringLiteral("Billing - Transfer all (3) items from %1 to %2 (42.00)").arg(f.from, f.to)})
                .toInt(),
            1);
    }

    void failureLeavesNoRow() {
        TransferFixture f;
        f.state.settings.incentivesInUse = true;
        const int statements = FailAtEveryStatement(f, [&] {
            HandleBillB(*f.db, f.state, f.prompter, f.clock,
                        TransferRequest{f.from, f.to, QStringLiteral("Fish"), 0, M("10.00"), 1, true, false});
        });
        QVERIFY(statements > 3);
        QCOMPARE(f.lines(f.to).size(), size_t(1));
    }
};

QTEST_GUILESS_MAIN(TestTransfer)
#include "test_transfer.moc"
