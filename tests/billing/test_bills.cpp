#include "BillingFixture.h"
#include "BillingMessages.h"
#include "TableLabels.h"

using namespace vantorel;
using namespace vantorel::test;

namespace {

QString labelOf(BillingFixture& f, const QString& bill) {
    return f
        .value(
            QStringLiteral("SELECT %1 FROM BillA WHERE BillABillA = ?").arg(SqlName(QStringLiteral("Table"))),
            {bill})
        .toString();
}

} // namespace

class TestBills : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placement_data() {
        QTest::addColumn<QStringList>("open");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("renamePlainTo");
        QTest::newRow("free table") << QStringList{"05", "12a", "12b"} << "07"
                                    << "07"
                                    << "";
        QTest::newRow("second bill") << QStringList{"07"} << "07"
                                     << "07b"
                                     << "07a";
        QTest::newRow("third bill") << QStringList{"07a", "07b"} << "07"
                                    << "07c"
                                    << "";
        QTest::newRow("gap after a settled a") << QStringList{"07b", "07c"} << "07"
                                               << "07a"
                                               << "";
        QTest::newRow("gap in the middle") << QStringList{"07a", "07c"} << "07"
                                           << "07b"
                                           << "";
        QTest::newRow("other tables do not count") << QStringList{"17", "70", "107a"} << "07"
                                                   << "07"
                                                   << "";
        QStringList full;
        for (char c = 'a'; c <= 'z'; ++c)
            full << QStringLiteral("07") + QLatin1Char(c);
        QTest::newRow("26 bills") << full << "07"
                                  << ""
                                  << "";
        QStringList plainAndLettered = full;
        plainAndLettered.removeOne(QStringLiteral("07a"));
        plainAndLettered << QStringLiteral("07");
        QTest::newRow("26 bills, one plain") << plainAndLettered << "07"
                                             << ""
                                             << "";
        plainAndLettered.removeOne(QStringLiteral("07z"));
        QTest::newRow("25 bills, one plain") << plainAndLettered << "07"
                                             << "07z"
                                             << "07a";
        QTest::newRow("label during receipt print") << QStringList{"07 / 4"} << "07"
                                                    << "07b"
                                                    << "07a";
    }
    void placement() {
        QFETCH(QStringList, open);
        QFETCH(QString, table);
        QFETCH(QString, label);
        QFETCH(QString, renamePlainTo);
        const TablePlacement p = PlaceOnTable(open, table);
        QCOMPARE(p.label, label);
        QCOMPARE(p.renamePlainTo, renamePlainTo);
        QCOMPARE(GetTableNum(open, table), label);
    }

    void tableInput_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("problem");
        QTest::newRow("one digit") << "5"
                                   << "05" << int(TableInput::Problem::None);
        QTest::newRow("two digits") << "12"
                                    << "12" << int(TableInput::Problem::None);
        QTest::newRow("three digits") << "123"
                                      << "123" << int(TableInput::Problem::None);
        QTest::newRow("with letter") << "12b"
                                     << "12" << int(TableInput::Problem::None);
        QTest::newRow("leading zero") << "05"
                                      << "05" << int(TableInput::Problem::None);
        QTest::newRow("empty") << "  "
                               << "" << int(TableInput::Problem::Empty);
        QTest::newRow("zero") << "0"
                              << "" << int(TableInput::Problem::Zero);
        QTest::newRow("zeros") << "0000"
                               << "" << int(TableInput::Problem::TooLong);
        QTest::newRow("four digits") << "1000"
                                     << "" << int(TableInput::Problem::TooLong);
        QTest::newRow("four with letter") << "1000a"
                                          << "" << int(TableInput::Problem::TooLong);
        QTest::newRow("letters") << "ab"
                                 << "" << int(TableInput::Problem::NotANumber);
    }
    void tableInput() {
        QFETCH(QString, typed);
        QFETCH(QString, table);
        QFETCH(int, problem);
        const TableInput in = ParseTableInput(typed);
        QCOMPARE(in.table, table);
        QCOMPARE(int(in.problem), problem);
    }

    // 07 -> 07a / 07b / 07c, and 07b alone becomes 07 again once 07a and 07c are settled.
    void lettersComeAndGo() {
        BillingFixture f;
        const QString first = f.openBill(QStringLiteral("7"));
        QCOMPARE(labelOf(f, first), QStringLiteral("07"));
        const QString second = f.openBill(QStringLiteral("7"), QStringLiteral("smith"));
        QCOMPARE(labelOf(f, first), QStringLiteral("07a"));
        QCOMPARE(labelOf(f, second), QStringLiteral("07b"));
        QCOMPARE(f.value(QStringLiteral("SELECT CustomerName FROM BillA WHERE BillABillA = ?"), {second})
                     .toString(),
                 QStringLiteral("Smith"));
        const QString third = f.openBill(QStringLiteral("07"));
        QCOMPARE(labelOf(f, third), QStringLiteral("07c"));

        f.settleElsewhere(first);
        f.settleElsewhere(third);
        CleanOpenBillList(*f.db);
        QCOMPARE(labelOf(f, second), QStringLiteral("07"));
        QCOMPARE(labelOf(f, first), QStringLiteral("07a")); // settled bills keep their label
    }

    void fullTableRefused() {
        BillingFixture f;
        for (int i = 0; i < 26; ++i)
            f.openBill(QStringLiteral("9"));
        const qint64 bills = f.count(QStringLiteral("BillA"));
        const QString counter = f.value(QStringLiteral("SELECT BillA FROM Utility")).toString();
        const BillOpenResult r =
            CreateBill(*f.db, f.state, f.prompter, f.clock, NewBillRequest{"9", "1", ""});
        QCOMPARE(r.outcome, BillingOutcome::Refused);
        QCOMPARE(f.prompter.lastMessage(), BillingMessage::AccountLimit().text);
        QCOMPARE(f.count(QStringLiteral("BillA")), bills);
        QCOMPARE(f.value(QStringLiteral("SELECT BillA FROM Utility")).toString(), counter);
    }

    void openingRefusals_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("pax");
        QTest::addColumn<QString>("alias");
        QTest::addColumn<QString>("message");
        QTest::newRow("no table") << ""
                                  << "1"
                                  << "" << BillingMessage::NoTable().text;
        QTest::newRow("table zero") << "00"
                                    << "1"
                                    << "" << BillingMessage::InvalidInput().text;
        QTest::newRow("table 1000") << "1000"
                                    << "1"
                                    << "" << BillingMessage::MaximumTables().text;
        QTest::newRow("duplicate alias") << "8"
                                         << "1"
                                         << "JONES" << BillingMessage::DuplicateAlias().text;
        QTest::newRow("pax not a number") << "8"
                                          << "x"
                                          << "" << BillingMessage::InvalidInput().text;
    }
    void openingRefusals() {
        QFETCH(QString, table);
        QFETCH(QString, pax);
        QFETCH(QString, alias);
        QFETCH(QString, message);
        BillingFixture f;
        f.openBill(QStringLiteral("3"), QStringLiteral("jones"));
        const QStringList before = f.snapshot();
        const BillOpenResult r =
            CreateBill(*f.db, f.state, f.prompter, f.clock, NewBillRequest{table, pax, alias});
        QCOMPARE(r.outcome, BillingOutcome::Refused);
        QCOMPARE(f.prompter.lastMessage(), message);
        QCOMPARE(f.snapshot(), before);
    }

    void newBillColumns() {
        BillingFixture f;
        const BillOpenResult r =
            CreateQuickBill(*f.db, f.state, f.prompter, f.clock, QStringLiteral("4"), QStringLiteral("0"));
        QCOMPARE(r.outcome, BillingOutcome::Done);
        const auto bill = LoadBill(*f.db, f.clock, r.billNumber).header;
        QVERIFY(bill);
        QCOMPARE(bill->table, QStringLiteral("04"));
        QCOMPARE(bill->waiter, QStringLiteral("Tom"));
        QCOMPARE(bill->payMode, QStringLiteral("Pend"));
        QCOMPARE(bill->pax, QStringLiteral("1"));
        QCOMPARE(bill->inDate, f.clock.now());
        QVERIFY(!bill->vip && !bill->firstPrint && !bill->isVoid);
        QVERIFY(PrintFirstRun(*f.db, r.billNumber));
    }

    void moveBill_data() {
        QTest::addColumn<QStringList>("others"); // tables of the other open bills, in opening order
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("label");        // of the moved bill
        QTest::addColumn<QStringList>("expected"); // all open labels afterwards, sorted
        QTest::newRow("to a free table") << QStringList{"4"} << "3"
                                         << "8"
                                         << "08" << QStringList{"04", "08"};
        QTest::newRow("to an occupied table") << QStringList{"4"} << "3"
                                              << "4"
                                              << "04b" << QStringList{"04a", "04b"};
        QTest::newRow("to lettered bills only") << QStringList{"4", "4", "4"} << "3"
                                                << "4"
                                                << "04b" << QStringList{"04a", "04b", "04c"};
        QTest::newRow("leaves a lone letter") << QStringList{"5"} << "5"
                                              << "9"
                                              << "09" << QStringList{"05", "09"};
        QTest::newRow("same table") << QStringList{} << "6"
                                    << "06"
                                    << "06" << QStringList{"06"};
    }
    void moveBill() {
        QFETCH(QStringList, others);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, label);
        QFETCH(QStringList, expected);
        BillingFixture f;
        QStringList bills;
        for (const QString& t : others)
            bills << f.openBill(t);
        const QString moving = f.openBill(from);
        if (others.size() == 3) // leave 04a and 04c: lettered bills only
            f.settleElsewhere(bills[1]);
        const BillOpenResult r = MoveBillToTable(*f.db, f.prompter, moving, to);
        QCOMPARE(r.outcome, BillingOutcome::Done);
        QCOMPARE(r.tableLabel, label);
        QCOMPARE(labelOf(f, moving), label);
        QStringList open = OpenTableLabels(*f.db);
        open.sort();
        QCOMPARE(open, expected);
    }

    void moveRefusedOnFullTable() {
        BillingFixture f;
        for (int i = 0; i < 26; ++i)
            f.openBill(QStringLiteral("2"));
        const QString moving = f.openBill(QStringLiteral("3"));
        const BillOpenResult r = MoveBillToTable(*f.db, f.prompter, moving, QStringLiteral("2"));
        QCOMPARE(r.outcome, BillingOutcome::Refused);
        QCOMPARE(f.prompter.lastMessage(), BillingMessage::AccountLimit().text);
        QCOMPARE(labelOf(f, moving), QStringLiteral("03"));
    }

    void customerBillAllocation() {
        BillingFixture f;
        f.db->exec(QStringLiteral(
            "INSERT INTO StackedBill (Customer, MaxCredit, TotalCredit, AvailableCredit) VALUES "
            "('Miller', 1000000, 1000000, 1000000)"));
        const BillOpenResult first =
            AllocateCustomerBill(*f.db, f.prompter, f.clock, QStringLiteral("Miller"), "6", "3");
        QCOMPARE(first.outcome, BillingOutcome::Done);
        const auto bill = LoadBill(*f.db, f.clock, first.billNumber).header;
        QVERIFY(bill && bill->vip);
        QCOMPARE(bill->account, QStringLiteral("Miller"));
        QCOMPARE(bill->waiter, QStringLiteral("VIP"));
        QCOMPARE(bill->table, QStringLiteral("06"));

        // While the account sits at a table it is not offered again, and a second allocation is refused.
        QVERIFY(!LoadOpenBillList(*f.db).accountsForAllocation.contains(QStringLiteral("Miller")));
        const BillOpenResult twice =
            AllocateCustomerBill(*f.db, f.prompter, f.clock, QStringLiteral("Miller"), "7", "1");
        QCOMPARE(twice.outcome, BillingOutcome::Refused);

        // Parked at close-down, the same bill comes back to the next table.
        f.db->exec(QStringLiteral("UPDATE BillA SET %1 = 'SB'").arg(SqlName(QStringLiteral("Table"))));
        QVERIFY(LoadOpenBillList(*f.db).accountsForAllocation.contains(QStringLiteral("Miller")));
        const BillOpenResult again =
            AllocateCustomerBill(*f.db, f.prompter, f.clock, QStringLiteral("Miller"), "8", "4");
        QCOMPARE(again.outcome, BillingOutcome::Done);
        QCOMPARE(again.billNumber, first.billNumber);
        QCOMPARE(labelOf(f, first.billNumber), QStringLiteral("08"));
        QCOMPARE(f.count(QStringLiteral("BillA")), qint64(1));
    }

    void openBillList() {
        BillingFixture f;
        const QString a = f.openBill(QStringLiteral("12"), QStringLiteral("ann"));
        const QString b = f.openBill(QStringLiteral("3"));
        const QString c = f.openBill(QStringLiteral("12"));
        f.settleElsewhere(b);
        const OpenBillList list = LoadOpenBillList(*f.db);
        QCOMPARE(list.bills.size(), size_t(2));
        QCOMPARE(list.bills[0].table, QStringLiteral("12a"));
        QCOMPARE(list.bills[0].number, a);
        QCOMPARE(list.bills[0].alias, QStringLiteral("ANN"));
        QCOMPARE(list.bills[1].number, c);
        QVERIFY(CheckAlias(*f.db, QStringLiteral("Ann")));
        QVERIFY(!CheckAlias(*f.db, QStringLiteral("Bob")));
    }

    void closeEmptyBill() {
        BillingFixture f;
        f.state.settings.salesTaxRate = M("7");
        f.state.settings.taxOnBillOn = true;
        f.state.settings.billAuthorizationOn = true;
        const QString bill = f.openBill(QStringLiteral("5"));
        const QString other = f.openBill(QStringLiteral("5"));
        f.prompter.answers = {Prompter::Answer::No};
        QCOMPARE(CloseEmptyBill(*f.db, f.state, f.prompter, f.clock, bill), BillingOutcome::Cancelled);
        QCOMPARE(CloseEmptyBill(*f.db, f.state, f.prompter, f.clock, bill), BillingOutcome::Done);
        QCOMPARE(f.prompter.questions.back().caption, BillingMessage::CloseEmptyAccountQuestion().caption);
        const auto closed = LoadBill(*f.db, f.clock, bill).header;
        QVERIFY(closed && closed->isVoid && closed->firstPrint && closed->authorizationLock);
        QCOMPARE(closed->payMode, QStringLiteral("Cash"));
        QCOMPARE(closed->remark, QStringLiteral("((Empty Account closed by Tom))"));
        QCOMPARE(f.money(QStringLiteral("SELECT SalesTaxPerc FROM BillA WHERE BillABillA = ?"), {bill}),
                 M("7"));
        QCOMPARE(
            f.value(QStringLiteral("SELECT VoidReason FROM VoidBill WHERE VoidBillA = ?"), {bill}).toString(),
            QStringLiteral("Billing - Empty Account Closed"));
        QCOMPARE(f.value(QStringLiteral("SELECT count(*) FROM Events WHERE Event = ?"),
                         {QStringLiteral("Billing - Empty account closed")})
                     .toInt(),
                 1);
        QCOMPARE(labelOf(f, other), QStringLiteral("05")); // the lone letter is dropped
        // Closed is closed: a second attempt tells the user and writes nothing.
        QCOMPARE(CloseEmptyBill(*f.db, f.state, f.prompter, f.clock, bill), BillingOutcome::BillClosed);
    }

    void billWithLinesIsNotClosedEmpty() {
        BillingFixture f;
        const QString bill = f.openBill(QStringLiteral("5"));
        // A line of an earlier day (a customer bill kept open) is still a line.
        f.clock.set(f.clock.now().addDays(-2));
        f.book(bill, QStringLiteral("Beer"), QStringLiteral("1"), M("5.00"));
        f.clock.set(f.clock.now().addDays(2));
        QVERIFY(!LoadBill(*f.db, f.clock, bill).mayCloseEmpty);
        QVERIFY(LoadBill(*f.db, f.clock, bill).hasEarlierLines);
        QVERIFY(!IsTodaysLine(f.lines(bill).at(0), f.clock));
        const QStringList before = f.snapshot();
        QCOMPARE(CloseEmptyBill(*f.db, f.state, f.prompter, f.clock, bill), BillingOutcome::Refused);
        QCOMPARE(f.snapshot(), before);
    }

    void registerPaidBills() {
        BillingFixture f;
        f.state.settings.billAuthorizationOn = true;
        const QString today = f.openBill(QStringLiteral("1"));
        const QString notPrinted = f.openBill(QStringLiteral("2"));
        f.clock.set(f.clock.now().addDays(-1));
        const QString yesterday = f.openBill(QStringLiteral("3"));
        f.clock.set(f.clock.now().addDays(1));
        f.db->exec(QStringLiteral("UPDATE BillA SET FirstPrint = true WHERE BillABillA IN (?, ?)"),
                   {today, yesterday});
        RegisterPaidBills(*f.db, f.state, f.clock);
        QVERIFY(LoadBill(*f.db, f.clock, today).header->authorizationLock);
        QVERIFY(!LoadBill(*f.db, f.clock, notPrinted).header->authorizationLock);
        QVERIFY(!LoadBill(*f.db, f.clock, yesterday).header->authorizationLock);
    }

    void aliasAndPax() {
        BillingFixture f;
        const QString a = f.openBill(QStringLiteral("1"), QStringLiteral("Ann"));
        const QString b = f.openBill(QStringLiteral("2"));
        QCOMPARE(ChangeAlias(*f.db, f.prompter, b, QStringLiteral("ann")), BillingOutcome::Refused);
        QCOMPARE(ChangeAlias(*f.db, f.prompter, b, QStringLiteral("bob")), BillingOutcome::Done);
        QCOMPARE(LoadBill(*f.db, f.clock, b).header->alias, QStringLiteral("Bob"));
        QCOMPARE(ChangePax(*f.db, f.prompter, a, QStringLiteral("0")), BillingOutcome::Done);
        QCOMPARE(LoadBill(*f.db, f.clock, a).header->pax, QStringLiteral("2"));
        QCOMPARE(ChangePax(*f.db, f.prompter, a, QStringLiteral("6")), BillingOutcome::Done);
        QCOMPARE(LoadBill(*f.db, f.clock, a).header->pax, QStringLiteral("6"));
    }

    void failedOpeningLeavesNothing() {
        BillingFixture f;
        f.openBill(QStringLiteral("7"));
        QVERIFY(FailAtEveryStatement(f, [&] {
                    CreateBill(*f.db, f.state, f.prompter, f.clock, NewBillRequest{"7", "2", "Zed"});
                }) > 0);
        QCOMPARE(f.count(QStringLiteral("BillA")), qint64(2));
    }
};

QTEST_GUILESS_MAIN(TestBills)
#include "test_bills.moc"
