#include "BillingFixture.h"
#include "BillingMessages.h"
#include "CashDrawer.h"
#include "FirstPrint.h"
#include "Settings.h"
#include "Settlement.h"

using namespace vantorel;
using namespace vantorel::test;

namespace {

const QString FailingVisa = QStringLiteral("4111111111111112");
const QString PassingVisa = QStringLiteral("4111111111111111");

// Commits the first print of the bill with the settings in force and returns the amount due.
Money firstPrint(BillingFixture& f, const QString& bill) {
    FirstPrintOpen opened = OpenFirstPrint(*f.db, f.state, f.prompter, bill, 0);
    return CommitFirstPrint(*f.db, f.state, f.prompter, f.clock, opened.panel).netPayment;
}

// A first-printed bill of 25.00 on table 3.
QString printedBill(BillingFixture& f) {
    const QString bill = f.openBill(QStringLiteral("3"));
    f.book(bill, QStringLiteral("Fish"), QStringLiteral("2"), M("10.00"));
    f.book(bill, QStringLiteral("Beer"), QStringLiteral("1"), M("5.00"));
    firstPrint(f, bill);
    return bill;
}

SettlementRequest cash(const QString& bill, Money due, const QString& typed) {
    SettlementRequest r;
    r.billNumber = bill;
    r.amountDue = due;
    r.cash = typed;
    return r;
}

SettlementRequest card(const QString& bill, Money due, const QString& company,
                       const QString& number = QString()) {
    SettlementRequest r;
    r.billNumber = bill;
    r.amountDue = due;
    r.cardCompany = company;
    r.cardNumber = number;
    return r;
}

QString billText(BillingFixture& f, const QString& bill, const char* column) {
    return f
        .value(QStringLiteral("SELECT %1 FROM BillA WHERE BillABillA = ?")
                   .arg(SqlName(QString::fromLatin1(column))),
               {bill})
        .toString();
}
Money billMoney(BillingFixture& f, const QString& bill, const char* column) {
    return f.money(
        QStringLiteral("SELECT %1 FROM BillA WHERE BillABillA = ?").arg(SqlName(QString::fromLatin1(column))),
        {bill});
}

QStringList events(BillingFixture& f) {
    QStringList texts;
    for (const Row& r :
         f.db->query(QStringLiteral("SELECT %1 FROM Events").arg(SqlName(QStringLiteral("Event")))))
        texts << r.text(QStringLiteral("Event"));
    return texts;
}

} // namespace

class TestSettlement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cashEqualToTheAmountDueSettlesWithNoChange() {
        BillingFixture f;
        const QString bill = printedBill(f);
        const PaymentView view = OpenPayment(*f.db, f.state, f.prompter, bill);
        QCOMPARE(view.outcome, BillingOutcome::Done);
        QCOMPARE(view.amountDue, M("25.00"));

        const SettlementResult r = SettleBill(*f.db, f.state, f.prompter, f.clock,
                                              cash(bill, view.amountDue, QStringLiteral("25.00")));
        QCOMPARE(r.outcome, BillingOutcome::Done);
        QCOMPARE(r.change, Money());
        QCOMPARE(r.cashPaid, M("25.00"));
        QVERIFY(!r.card);
        QCOMPARE(billText(f, bill, "PayMode"), QStringLiteral("Cash"));
        QCOMPARE(billMoney(f, bill, "PayAmount"), M("25.00"));
        QCOMPARE(billMoney(f, bill, "Change"), Money());
        QCOMPARE(billText(f, bill, "BillSettledBy"), QStringLiteral("Tom"));
        QCOMPARE(billText(f, bill, "CreditNoDummy"), QString());
        QVERIFY(LoadOpenBillList(*f.db).bills.empty());
        QVERIFY(f.prompter.messages.empty());
    }

    void cashGivesTheChange() {
        BillingFixture f;
        const QString bill = printedBill(f);
        const SettlementResult r = SettleBill(*f.db, f.state, f.prompter, f.clock,
                                              cash(bill, M("25.00"), QStringLiteral("1,050.50")));
        QCOMPARE(r.outcome, BillingOutcome::Done);
        QCOMPARE(r.change, M("1025.50"));
        QCOMPARE(billMoney(f, bill, "PayAmount"), M("1050.50"));
        QCOMPARE(billMoney(f, bill, "Change"), M("1025.50"));
    }

    void cashEntry_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("change");
        QTest::newRow("exact") << "100" << int(CashEntry::Problem::None) << "0.00";
        QTest::newRow("thousands and .00") << "1,000.00" << int(CashEntry::Problem::None) << "900.00";
        QTest::newRow("cents") << "120.55" << int(CashEntry::Problem::None) << "20.55";
        QTest::newRow("blanks around") << " 100 " << int(CashEntry::Problem::None) << "0.00";
        QTest::newRow("one cent short") << "99.99" << int(CashEntry::Problem::BelowAmountDue) << "-0.01";
        QTest::newRow("empty") << "" << int(CashEntry::Problem::Empty) << "0.00";
        QTest::newRow("letters") << "abc" << int(CashEntry::Problem::NotANumber) << "0.00";
        QTest::newRow("two points") << "1.2.3" << int(CashEntry::Problem::NotANumber) << "0.00";
        QTest::newRow("lone point") << "." << int(CashEntry::Problem::NotANumber) << "0.00";
    }
    void cashEntry() {
        QFETCH(QString, typed);
        QFETCH(int, problem);
        QFETCH(QString, change);
        const CashEntry e = ReadCashPaid(typed, M("100.00"));
        QCOMPARE(int(e.problem), problem);
        QCOMPARE(e.change.toPlainString(2), change);
    }

    void refusedCashShowsItsMessageAndStoresNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stop");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("caption");
        QTest::newRow("short") << "24.99" << int(SettlementResult::Stop::CashBelowAmountDue)
                               << "The invoice value is higher than the cash input    \n\nPlease re-check!"
                               << "  Incorrect input";
        QTest::newRow("not a number") << "2x" << int(SettlementResult::Stop::InvalidCash)
                                      << "Invalid numeric input. Please try again!   "
                                      << "  Invalid Input";
    }
    void refusedCashShowsItsMessageAndStoresNothing() {
        QFETCH(QString, typed);
        QFETCH(int, stop);
        QFETCH(QString, message);
        QFETCH(QString, caption);
        BillingFixture f;
        const QString bill = printedBill(f);
        const QStringList before = f.snapshot();
        const SettlementResult r =
            SettleBill(*f.db, f.state, f.prompter, f.clock, cash(bill, M("25.00"), typed));
        QCOMPARE(r.outcome, BillingOutcome::Refused);
        QCOMPARE(int(r.stop), stop);
        QCOMPARE(f.prompter.lastMessage(), message);
        QCOMPARE(f.prompter.messages.back().caption, caption);
        QCOMPARE(f.snapshot(), before);
    }

    void cashAndCardTogetherAreRefused() {
        BillingFixture f;
        f.state.settings.cardChargeOn = true;
        const QString bill = printedBill(f);
        const QStringList before = f.snapshot();
        SettlementRequest r = card(bill, M("25.00"), QStringLiteral("Visa"));
        r.cash = QStringLiteral("25");
        const SettlementResult result = SettleBill(*f.db, f.state, f.prompter, f.clock, r);
        QCOMPARE(result.stop, SettlementResult::Stop::CashAndCard);
        QCOMPARE(f.prompter.lastMessage(), QStringLiteral("It's  either CASH or CREDIT CARD. Not both!    "));
        QCOMPARE(f.prompter.messages.back().caption, QStringLiteral("  Invalid Input"));
        QCOMPARE(f.snapshot(), before);
    }

    void neitherCashNorCardSaysNothing() {
        BillingFixture f;
        const QString bill = printedBill(f);
        const SettlementResult r =
            SettleBill(*f.db, f.state, f.prompter, f.clock, cash(bill, M("25.00"), QString()));
        QCOMPARE(r.stop, SettlementResult::Stop::NothingEntered);
        QVERIFY(f.prompter.messages.empty());
        QCOMPARE(billText(f, bill, "PayMode"), QStringLiteral("Pend"));
    }

    void cardWithoutNumbersStoresTheCompanyAndXp() {
        BillingFixture f;
        f.state.settings.cardChargeOn = true;
        const QString bill = printedBill(f);
        const PaymentView view = OpenPayment(*f.db, f.state, f.prompter, bill);
        QVERIFY(view.cardsAccepted);
        QStringList offered;
        for (const CardCompanyChoice& c : view.companies)
            offered << c.description;
        QCOMPARE(offered, QStringList({QStringLiteral("American Express"), QStringLiteral("Debit Card"),
                                       QStringLiteral("Diners Club"), QStringLiteral("Mastercard"),
                                       QStringLiteral("Visa")}));
        const SettlementResult r = SettleBill(*f.db, f.state, f.prompter, f.clock,
                                              card(bill, view.amountDue, QStringLiteral("Mastercard")));
        QCOMPARE(r.outcome, BillingOutcome::Done);
        QVERIFY(r.card);
        QCOMPARE(billText(f, bill, "PayMode"), QStringLiteral("Card"));
        QCOMPARE(billMoney(f, bill, "PayAmount"), M("25.00"));
        QCOMPARE(billText(f, bill, "CreditCard"), QStringLiteral("Mastercard"));
        QCOMPARE(billText(f, bill, "CreditNo"), QString());
        QCOMPARE(billText(f, bill, "CreditNoDummy"), QStringLiteral("XP"));
    }

    void cardsRefusedOrUnknownCompany() {
        BillingFixture f;
        const QString bill = printedBill(f);
        QVERIFY(!OpenPayment(*f.db, f.state, f.prompter, bill).cardsAccepted);
        SettlementResult r =
            SettleBill(*f.db, f.state, f.prompter, f.clock, card(bill, M("25.00"), QStringLiteral("Visa")));
        QCOMPARE(r.stop, SettlementResult::Stop::NoCompany);
        QCOMPARE(f.prompter.lastMessage(), QStringLiteral("Please select a credit card Company   "));
        QCOMPARE(f.prompter.messages.back().caption, QStringLiteral("Credit Card"));
        f.state.settings.cardChargeOn = true;
        r = SettleBill(*f.db, f.state, f.prompter, f.clock,
                       card(bill, M("25.00"), QStringLiteral("Moon Card")));
        QCOMPARE(r.stop, SettlementResult::Stop::NoCompany);
        QCOMPARE(billText(f, bill, "PayMode"), QStringLiteral("Pend"));
    }

    void aFailingCardNumberIsRefusedOnceThenTakenMasked() {
        BillingFixture f;
        f.state.settings.cardChargeOn = true;
        f.state.settings.cardNumberRequired = true;
        const QString bill = printedBill(f);
        const QStringList before = f.snapshot();
        SettlementRequest r = card(bill, M("25.00"), QStringLiteral("Visa"), FailingVisa);
        SettlementResult result = SettleBill(*f.db, f.state, f.prompter, f.clock, r);
        QCOMPARE(result.stop, SettlementResult::Stop::CardNumberMismatch);
        QCOMPARE(f.prompter.lastMessage(),
                 QStringLiteral("The credit card Number does not match the credit card Company.   \n\n"
                                "Please re-enter the number..."));
        QCOMPARE(f.prompter.messages.back().caption, QStringLiteral("  Card Number Mismatch"));
        QCOMPARE(f.snapshot(), before);

        r.cardNumberRechecked = true;
        result = SettleBill(*f.db, f.state, f.prompter, f.clock, r);
        QCOMPARE(result.outcome, BillingOutcome::Done);
        QCOMPARE(billText(f, bill, "CreditNoDummy"), QStringLiteral("xxxx xxxx xxxx 1112"));
        QCOMPARE(billText(f, bill, "CreditNo"), QStringLiteral("411111xxxxxx1112"));
        // The whole number is nowhere in the database.
        for (const QString& row : f.snapshot())
            QVERIFY2(!row.contains(FailingVisa), qPrintable(row));
    }

    void aPassingCardNumberIsTakenAtOnce() {
        BillingFixture f;
        f.state.settings.cardChargeOn = true;
        f.state.settings.cardNumberRequired = true;
        const QString bill = printedBill(f);
        const SettlementResult r = SettleBill(*f.db, f.state, f.prompter, f.clock,
                                              card(bill, M("25.00"), QStringLiteral("Visa"), PassingVisa));
        QCOMPARE(r.outcome, BillingOutcome::Done);
        QVERIFY(f.prompter.messages.empty());
        QCOMPARE(billText(f, bill, "CreditNoDummy"), QStringLiteral("xxxx xxxx xxxx 1111"));
    }

    void maskedCardNumbers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("masked");
        QTest::addColumn<QString>("dummy");
        QTest::newRow("16 digits") << "5500000000000004"
                                   << "550000xxxxxx0004"
                                   << "xxxx xxxx xxxx 0004";
        QTest::newRow("15 digits") << "378282246310005"
                                   << "378282xxxxx0005"
                                   << "xxxx xxxx xxxx 0005";
        QTest::newRow("13 digits") << "4222222222222"
                                   << "422222xxx2222"
                                   << "xxxx xxxx xxxx 2222";
        QTest::newRow("with blanks") << "4111 1111 1111 1111"
                                     << "411111xxxxxx1111"
                                     << "xxxx xxxx xxxx 1111";
        QTest::newRow("too short for six") << "12345678"
                                           << "xxxx5678"
                                           << "xxxx xxxx xxxx 5678";
        QTest::newRow("four") << "1234"
                              << "1234"
                              << "xxxx xxxx xxxx 1234";
        QTest::newRow("empty") << ""
                               << ""
                               << "xxxx xxxx xxxx ";
    }
    void maskedCardNumbers() {
        QFETCH(QString, typed);
        QFETCH(QString, masked);
        QFETCH(QString, dummy);
        QCOMPARE(MaskCardNumber(typed), masked);
        QCOMPARE(CardNumberDummy(typed), dummy);
    }

    void lettersChooseCompanies() {
        const std::vector<CardCompanyChoice> companies{
            {QStringLiteral("AMEX"), QStringLiteral("American Express")},
            {QStringLiteral("DEBIT"), QStringLiteral("Debit Card")},
            {QStringLiteral("DINERS"), QStringLiteral("Diners Club")},
            {QStringLiteral("VISA"), QStringLiteral("Visa")}};
        QCOMPARE(CompanyForLetter(companies, QLatin1Char('a')), QStringLiteral("American Express"));
        QCOMPARE(CompanyForLetter(companies, QLatin1Char('D')), QStringLiteral("Diners Club"));
        QCOMPARE(CompanyForLetter(companies, QLatin1Char('V')), QStringLiteral("Visa"));
        QCOMPARE(CompanyForLetter(companies, QLatin1Char('M')), QString()); // Mastercard not in use
        QCOMPARE(CompanyForLetter(companies, QLatin1Char('X')), QString());
    }

    void aBillChangedSinceItsFirstPrintIsNotSettled() {
        BillingFixture f;
        const QString bill = printedBill(f);
        f.book(bill, QStringLiteral("Beer"), QStringLiteral("1"), M("5.00"));
        QCOMPARE(OpenPayment(*f.db, f.state, f.prompter, bill).outcome, BillingOutcome::BillChanged);
        const QStringList before = f.snapshot();
        const SettlementResult r =
            SettleBill(*f.db, f.state, f.prompter, f.clock, cash(bill, M("25.00"), QStringLiteral("30")));
        QCOMPARE(r.outcome, BillingOutcome::BillChanged);
        QCOMPARE(f.prompter.lastMessage(), BillingMessage::AccountChangedMeanwhile().text);
        QCOMPARE(f.snapshot(), before);
    }

    void anAmountDueThatNoLongerHoldsIsNotSettled() {
        BillingFixture f;
        const QString bill = printedBill(f);
        const SettlementResult r =
            SettleBill(*f.db, f.state, f.prompter, f.clock, cash(bill, M("20.00"), QStringLiteral("30")));
        QCOMPARE(r.outcome, BillingOutcome::BillChanged);
        QCOMPARE(billText(f, bill, "PayMode"), QStringLiteral("Pend"));
    }

    void aBillSettledElsewhereIsNotSettledAgain() {
        BillingFixture f;
        const QString bill = printedBill(f);
        f.settleElsewhere(bill);
        const SettlementResult r =
            SettleBill(*f.db, f.state, f.prompter, f.clock, cash(bill, M("25.00"), QStringLiteral("30")));
        QCOMPARE(r.outcome, BillingOutcome::BillClosed);
        QCOMPARE(f.prompter.lastMessage(), BillingMessage::AccountClosedMeanwhile().text);
        QCOMPARE(billMoney(f, bill, "PayAmount"), Money());
    }

    void serviceChargeAndMaxItemValueAreLogged() {
        BillingFixture f;
        f.state.settings.serviceChargeRate = M("10");
        f.state.settings.serviceChargeOnBillOn = true;
        const QString bill = f.openBill(QStringLiteral("4"));
        f.book(bill, QStringLiteral("Fish"), QStringLiteral("1"), M("10.00"));
        f.book(bill, QStringLiteral("Beer"), QStringLiteral("1"), M("5.00"));
        const BillLine beer = f.lines(bill).back();
        QCOMPARE(DeleteItemFromBill(*f.db, f.state, f.prompter, f.clock, DeleteRequest{f.ref(beer), 1, true})
                     .outcome,
                 BillingOutcome::Done);
        FirstPrintOpen opened = OpenFirstPrint(*f.db, f.state, f.prompter, bill, 0);
        SetServiceChargeApplies(opened.panel, f.state.settings, false);
        const Money due = CommitFirstPrint(*f.db, f.state, f.prompter, f.clock, opened.panel).netPayment;
        QCOMPARE(due, M("10.00"));
        QCOMPARE(
            SettleBill(*f.db, f.state, f.prompter, f.clock, cash(bill, due, QStringLiteral("10"))).outcome,
            BillingOutcome::Done);
        const QStringList logged = events(f);
        QVERIFY(logged.contains(QStringLiteral("Billing - Service Charge cancelled")));
        QVERIFY2(logged.contains(
                     QStringLiteral("Billing - Max Item Value: 15.00; Billed Item Value: 10.00 (-5.00)")),
                 qPrintable(logged.join(QLatin1Char('\n'))));
    }

    void aCustomerAccountIsSettledWithItsBill() {
        BillingFixture f;
        f.state.settings.cardChargeOn = true;
        f.db->exec(QStringLiteral(
                       "INSERT INTO StackedBill (Customer, DiscPerc, MaxCredit, DepositAmount, TotalCredit, "
                       "AvailableCredit, Consumption, Cost, AccumPay, Blocked) VALUES "
                       "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {QStringLiteral("SMITH"), 0, QVariant::fromValue(M("100")), QVariant::fromValue(M("50")),
                    QVariant::fromValue(M("150")), QVariant::fromValue(M("-5")),
                    QVariant::fromValue(M("155")), QVariant::fromValue(M("40")), QVariant::fromValue(M("50")),
                    true});
        const QString bill = AllocateCustomerBill(*f.db, f.prompter, f.clock, QStringLiteral("SMITH"),
                                                  QStringLiteral("8"), QString())
                                 .billNumber;
        f.db->exec(QStringLiteral("UPDATE StackedBill SET Blocked = ?"), {false});
        f.book(bill, QStringLiteral("Fish"), QStringLiteral("1"), M("10.00"));
        f.db->exec(QStringLiteral("UPDATE StackedBill SET Blocked = ?"), {true});
        const Money due = firstPrint(f, bill);
        const SettlementResult r =
            SettleBill(*f.db, f.state, f.prompter, f.clock, card(bill, due, QStringLiteral("Visa")));
        QCOMPARE(r.outcome, BillingOutcome::Done);
        QCOMPARE(r.customerAccount, QStringLiteral("SMITH"));
        const auto account = f.db->queryOne(QStringLiteral("SELECT * FROM StackedBill"));
        QCOMPARE(account->money(QStringLiteral("Consumption")), Money());
        QCOMPARE(account->money(QStringLiteral("Cost")), Money());
        QCOMPARE(account->money(QStringLiteral("TotalCredit")), M("150"));
        QCOMPARE(account->money(QStringLiteral("AvailableCredit")), M("150"));
        QCOMPARE(account->money(QStringLiteral("AccumPay")), M("50") + due);
        QVERIFY(!account->boolean(QStringLiteral("Blocked")));
        QCOMPARE(account->dateTime(QStringLiteral("LastPayDate")), f.clock.now());
        QVERIFY(events(f).contains(QStringLiteral("VIP     - SMITH settled account: 10.00")));
    }

    void theLastLetteredBillOfATableGetsThePlainLabel() {
        BillingFixture f;
        const QString first = f.openBill(QStringLiteral("5"));
        const QString second = f.openBill(QStringLiteral("5"), QStringLiteral("Window"));
        f.book(first, QStringLiteral("Fish"), QStringLiteral("1"), M("10.00"));
        const Money due = firstPrint(f, first);
        QCOMPARE(
            SettleBill(*f.db, f.state, f.prompter, f.clock, cash(first, due, QStringLiteral("10"))).outcome,
            BillingOutcome::Done);
        QCOMPARE(billText(f, second, "Table"), QStringLiteral("05"));
    }

    void aFailureLeavesNothingHalfDone() {
        BillingFixture f;
        f.state.settings.cardChargeOn = true;
        f.state.settings.serviceChargeRate = M("10");
        f.state.settings.serviceChargeOnBillOn = true;
        const QString bill = printedBill(f);
        const Money due = OpenPayment(*f.db, f.state, f.prompter, bill).amountDue;
        const int statements = FailAtEveryStatement(f, [&] {
            SettleBill(*f.db, f.state, f.prompter, f.clock, card(bill, due, QStringLiteral("Visa")));
        });
        QVERIFY(statements > 0);
        QCOMPARE(billText(f, bill, "PayMode"), QStringLiteral("Card"));
    }

    void startupCashCheck() {
        BillingFixture f;
        QVERIFY(!BillsOfBusinessDayExist(*f.db, f.clock));
        f.openBill(QStringLiteral("1"));
        QVERIFY(BillsOfBusinessDayExist(*f.db, f.clock));
        f.clock.advanceSeconds(24 * 3600);
        QVERIFY(!BillsOfBusinessDayExist(*f.db, f.clock));

        QCOMPARE(StartupCashToCheck(*f.db), Money());
        SetCashForward(*f.db, M("1250.00"));
        QCOMPARE(StartupCashToCheck(*f.db), M("1250.00"));
        RecordStartupCashAnswer(*f.db, f.state, f.clock, M("1250.00"), true);
        RecordStartupCashAnswer(*f.db, f.state, f.clock, M("1250.00"), false);
        const QStringList logged = events(f);
        QVERIFY(logged.contains(QStringLiteral("Startup Cash - Tom: 1,250.00 ACCEPTED")));
        QVERIFY(logged.contains(QStringLiteral("Startup Cash - Tom: 1,250.00 NOT ACCEPTED")));
    }

    void declinedFinalReceipt() {
        BillingFixture f;
        const QString bill = printedBill(f);
        QVERIFY(f.value(QStringLiteral("SELECT PrintBill FROM BillA WHERE BillABillA = ?"), {bill}).toBool());
        DeclineFinalReceipt(*f.db, bill);
        QVERIFY(
            !f.value(QStringLiteral("SELECT PrintBill FROM BillA WHERE BillABillA = ?"), {bill}).toBool());
    }

    void cleaningTheSlipKeepsOtherUsersLines() {
        BillingFixture f;
        const QString bill = f.openBill(QStringLiteral("6"));
        f.book(bill, QStringLiteral("Beer"), QStringLiteral("2"), M("5.00"));
        ProgramState anna = f.state;
        anna.currentUserName = QStringLiteral("Anna");
        BookItemRequest request;
        request.billNumber = bill;
        request.item = QStringLiteral("Wine");
        request.quantity = QStringLiteral("1");
        request.price = M("7.00");
        QCOMPARE(BookItem(*f.db, anna, f.prompter, f.clock, request).outcome, BillingOutcome::Done);
        QVERIFY(UserOrderSlipPending(*f.db, f.state));
        CleanBarslip(*f.db, f.state);
        QVERIFY(!UserOrderSlipPending(*f.db, f.state));
        QVERIFY(UserOrderSlipPending(*f.db, anna));
        QCOMPARE(f.count(QStringLiteral("BarSlip")), qint64(1));
    }

    void cashDrawerNeedsTheRight_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("opens");
        QTest::newRow("manager") << "2345" << true;
        QTest::newRow("only the first four count") << "345678" << true;
        QTest::newRow("waiter with the right") << "3456" << true;
        QTest::newRow("owner") << "1234" << true;
        QTest::newRow("unknown") << "9999" << false;
    }
    void cashDrawerNeedsTheRight() {
        QFETCH(QString, typed);
        QFETCH(bool, opens);
        BillingFixture f;
        QCOMPARE(MayOpenCashDrawer(*f.db, f.state, f.clock, typed), opens);
        const QStringList logged = events(f);
        if (opens)
            QVERIFY(logged.isEmpty());
        else
            QCOMPARE(logged,
                     QStringList{QStringLiteral("Billing - Attempt by ") + typed.left(4) +
                                 QStringLiteral(" to open cash drawer during operation by Tom (2345)")});
    }
};

QTEST_GUILESS_MAIN(TestSettlement)
#include "test_settlement.moc"
