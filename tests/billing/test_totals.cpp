#include "BillAmounts.h"
#include "BillingFixture.h"
#include "BillingMessages.h"
#include "FirstPrint.h"

using namespace vantorel;
using namespace vantorel::test;

namespace {

Money billMoney(BillingFixture& f, const QString& bill, const char* column) {
    return f.money(
        QStringLiteral("SELECT %1 FROM BillA WHERE BillABillA = ?").arg(QString::fromLatin1(column)), {bill});
}
bool billFlag(BillingFixture& f, const QString& bill, const char* column) {
    return f
        .value(QStringLiteral("SELECT %1 FROM BillA WHERE BillABillA = ?").arg(QString::fromLatin1(column)),
               {bill})
        .toBool();
}

// Lines 2 x 10.00 at 10 % and 1 x 5.00 free.
QString exampleBill(BillingFixture& f) {
    const QString bill = f.openBill(QStringLiteral("1"));
    f.book(bill, QStringLiteral("Fish"), QStringLiteral("2"), M("10.00"), 10);
    f.book(bill, QStringLiteral("Beer"), QStringLiteral("1"), M("5.00"), 0, true);
    return bill;
}

// A bill of exactly 100.00.
QString hundred(BillingFixture& f) {
    const QString bill = f.openBill(QStringLiteral("2"));
    f.book(bill, QStringLiteral("Fish"), QStringLiteral("10"), M("10.00"));
    return bill;
}

void taxes(SettingsCopies& s, const char* st, const char* gt, bool taxOn, const char* sc, bool scOn) {
    s.salesTaxRate = M(st);
    s.govTaxRate = M(gt);
    s.taxOnBillOn = taxOn;
    s.serviceChargeRate = M(sc);
    s.serviceChargeOnBillOn = scOn;
}

} // namespace

class TestTotals : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundBill_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("rounding");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << "99.97" << 0 << "99.97";
        QTest::newRow("5: 99.97") << "99.97" << 5 << "99.95";
        QTest::newRow("5: 99.98") << "99.98" << 5 << "100.00";
        QTest::newRow("5: 12.33") << "12.33" << 5 << "12.35";
        QTest::newRow("5: 12.36") << "12.36" << 5 << "12.35";
        QTest::newRow("5: 12.38") << "12.38" << 5 << "12.40";
        QTest::newRow("5: 12.31") << "12.31" << 5 << "12.30";
        QTest::newRow("5: 12.5") << "12.50" << 5 << "12.50";
        QTest::newRow("5: 12.45") << "12.45" << 5 << "12.45";
        QTest::newRow("5: sub-cent first") << "12.3349" << 5 << "12.35";
        QTest::newRow("10: 99.97") << "99.97" << 10 << "100.00";
        QTest::newRow("10: 12.34") << "12.34" << 10 << "12.30";
        QTest::newRow("10: tie to even") << "12.25" << 10 << "12.20";
        QTest::newRow("10: tie to even up") << "12.35" << 10 << "12.40";
    }
    void roundBill() {
        QFETCH(QString, amount);
        QFETCH(int, rounding);
        QFETCH(QString, expected);
        QCOMPARE(RoundBill(*Money::parse(amount), rounding).toPlainString(2), expected);
    }

    void lineAmount_data() {
        QTest::addColumn<QString>("price");
        QTest::addColumn<int>("quantity");
        QTest::addColumn<int>("discount");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "10.00" << 2 << 0 << "20.00";
        QTest::newRow("10 %") << "10.00" << 2 << 10 << "18.00";
        QTest::newRow("free") << "10.00" << 2 << 100 << "0.00";
        QTest::newRow("decimal half, not binary") << "2.675" << 1 << 0 << "2.68";
        QTest::newRow("15 % of 3.33") << "3.33" << 1 << 15 << "2.83";
        QTest::newRow("half cent to even") << "0.05" << 1 << 10 << "0.04";
    }
    void lineAmount() {
        QFETCH(QString, price);
        QFETCH(int, quantity);
        QFETCH(int, discount);
        QFETCH(QString, expected);
        QCOMPARE(LineAmount(*Money::parse(price), quantity, discount).toPlainString(2), expected);
    }

    void openingValues() {
        BillingFixture f;
        const QString bill = exampleBill(f);
        const FirstPrintOpen open = OpenFirstPrint(*f.db, f.state, f.prompter, bill, 0);
        QCOMPARE(open.outcome, BillingOutcome::Done);
        const FirstPrintPanel& p = open.panel;
        QCOMPARE(p.sumItems, M("25.00"));
        QCOMPARE(p.foc, M("5.00"));
        QCOMPARE(p.itemDisc, M("2.00"));
        QCOMPARE(p.billTotal, M("18.00"));
        QCOMPARE(p.billDiscount, Money());
        QCOMPARE(p.finalAmount, M("18.00"));
        QCOMPARE(p.note, BillingMessage::BillDiscountNote());
        QVERIFY(p.discountEditable && p.freeOfChargeAllowed && !p.resetVisible);
        QVERIFY(billFlag(f, bill, "PrintBill"));
    }

    // A 20 % bill discount replaces the item discounts; on commit the discounted lines become one line at
    // 0 % and the free line stays.
    void billDiscountCollapsesLines() {
        BillingFixture f;
        const QString bill = exampleBill(f);
        f.clock.advanceSeconds(60);
        f.book(bill, QStringLiteral("Fish"), QStringLiteral("1"), M("10.00"), 20);
        f.book(bill, QStringLiteral("Wine"), QStringLiteral("1"), M("7.00"));
        FirstPrintPanel p = OpenFirstPrint(*f.db, f.state, f.prompter, bill, 0).panel;
        QVERIFY(SetBillDiscount(p, f.state.settings, 20));
        QCOMPARE(p.itemDisc, Money());
        QCOMPARE(p.billTotal, M("37.00"));
        QCOMPARE(p.billDiscount, M("7.40"));
        QCOMPARE(p.base, M("29.60"));
        QVERIFY(p.resetVisible);
        const FirstPrintCommit c = CommitFirstPrint(*f.db, f.state, f.prompter, f.clock, p);
        QCOMPARE(c.outcome, BillingOutcome::Done);
        QCOMPARE(c.netPayment, M("29.60"));

        const auto lines = f.lines(bill);
        QCOMPARE(lines.size(), size_t(3));
        QCOMPARE(lines[0].item, QStringLiteral("Fish"));
        QCOMPARE(lines[0].quantity, 3);
        QCOMPARE(lines[0].discountPercent, 0);
        QCOMPARE(lines[0].amount, M("30.00"));
        QCOMPARE(lines[1].item, QStringLiteral("Beer"));
        QCOMPARE(lines[1].discountPercent, 100);
        QCOMPARE(lines[2].item, QStringLiteral("Wine"));
        Money paid;
        for (const BillLine& l : lines)
            paid += l.amount;
        QCOMPARE(paid, billMoney(f, bill, "ItemsPaymentB"));
        QCOMPARE(billMoney(f, bill, "BillDisc"), M("7.40"));
        QCOMPARE(billMoney(f, bill, "BillDiscPerc"), M("20"));
        QCOMPARE(billMoney(f, bill, "ItemDiscB"), Money());
        QCOMPARE(f.value(QStringLiteral("SELECT count(*) FROM Events WHERE %1 = ?").arg(SqlName("Event")),
                         {QStringLiteral("Billing - Bill discount: 20%. Item value from 37.00 to 29.60")})
                     .toInt(),
                 1);
    }

    void exampleWithBillDiscount() {
        BillingFixture f;
        FirstPrintPanel p = OpenFirstPrint(*f.db, f.state, f.prompter, exampleBill(f), 0).panel;
        SetBillDiscount(p, f.state.settings, 20);
        QCOMPARE(p.billTotal, M("20.00"));
        QCOMPARE(p.billDiscount, M("4.00"));
        QCOMPARE(p.base, M("16.00"));
        CommitFirstPrint(*f.db, f.state, f.prompter, f.clock, p);
        const auto lines = f.lines(p.billNumber);
        QCOMPARE(lines.size(), size_t(2));
        QCOMPARE(lines[0].amount, M("20.00"));
        QCOMPARE(lines[0].discountPercent, 0);
        QCOMPARE(lines[1].discountPercent, 100);
        ResetBillDiscount(p, f.state.settings);
        QCOMPARE(p.billTotal, M("18.00"));
    }

    // Per item and price: a line at another price is never repriced.
    void collapseKeepsPrices() {
        BillingFixture f;
        const QString bill = f.openBill(QStringLiteral("1"));
        f.book(bill, QStringLiteral("Fish"), QStringLiteral("2"), M("10.00"), 10);
        f.book(bill, QStringLiteral("Fish"), QStringLiteral("1"), M("12.00"), 10);
        f.book(bill, QStringLiteral("Fish"), QStringLiteral("1"), M("10.00"));
        FirstPrintPanel p = OpenFirstPrint(*f.db, f.state, f.prompter, bill, 0).panel;
        SetBillDiscount(p, f.state.settings, 10);
        QCOMPARE(CommitFirstPrint(*f.db, f.state, f.prompter, f.clock, p).outcome, BillingOutcome::Done);
        const auto lines = f.lines(bill);
        QCOMPARE(lines.size(), size_t(2));
        QCOMPARE(lines[0].quantity, 3);
        QCOMPARE(lines[0].price, M("10.00"));
        QCOMPARE(lines[0].amount, M("30.00"));
        QCOMPARE(lines[1].quantity, 1);
        QCOMPARE(lines[1].price, M("12.00"));
        QCOMPARE(lines[1].amount, M("12.00"));
        QCOMPARE(billMoney(f, bill, "ItemsPaymentB"), M("42.00"));
    }

    void taxesAndCharge_data() {
        QTest::addColumn<bool>("taxOn");
        QTest::addColumn<bool>("scOn");
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<QString>("tax");
        QTest::addColumn<QString>("charge");
        QTest::addColumn<QString>("final");
        QTest::addColumn<QString>("storedSc");
        QTest::addColumn<QString>("storedScPerc");
        QTest::newRow("both on") << true << true << false << "15.00"
                                 << "10.00"
                                 << "125.00"
                                 << "10.00"
                                 << "10";
        QTest::newRow("tax off") << false << true << false << "0.00"
                                 << "10.00"
                                 << "110.00"
                                 << "10.00"
                                 << "10";
        QTest::newRow("charge off") << true << false << false << "15.00"
                                    << "0.00"
                                    << "115.00"
                                    << "10.00"
                                    << "10";
        QTest::newRow("charge cancelled") << true << true << true << "15.00"
                                          << "0.00"
                                          << "115.00"
                                          << "0.00"
                                          << "0";
    }
    void taxesAndCharge() {
        QFETCH(bool, taxOn);
        QFETCH(bool, scOn);
        QFETCH(bool, cancelled);
        QFETCH(QString, tax);
        QFETCH(QString, charge);
        QFETCH(QString, final);
        QFETCH(QString, storedSc);
        QFETCH(QString, storedScPerc);
        BillingFixture f;
        taxes(f.state.settings, "10", "5", taxOn, "10", scOn);
        const QString bill = hundred(f);
        FirstPrintPanel p = OpenFirstPrint(*f.db, f.state, f.prompter, bill, 0).panel;
        QCOMPARE(p.serviceChargeBoxVisible, scOn);
        if (cancelled) {
            SetServiceChargeApplies(p, f.state.settings, false);
            QCOMPARE(CalculateFirstPrint(*f.db, f.state, f.prompter, p), BillingOutcome::Done);
        }
        QCOMPARE(p.base, M("100.00"));
        QCOMPARE(p.tax.toPlainString(), tax);
        QCOMPARE(p.charge.toPlainString(), charge);
        QCOMPARE(p.finalAmount.toPlainString(), final);
        // Stored on every calculation, whatever the switches say about the amount due.
        QCOMPARE(billMoney(f, bill, "SalesTax"), M("10.00"));
        QCOMPARE(billMoney(f, bill, "GovTax"), M("5.00"));
        QCOMPARE(billMoney(f, bill, "ServCharge").toPlainString(), storedSc);
        QCOMPARE(billMoney(f, bill, "ServChargePerc").toPlainString(0), storedScPerc);
        QCOMPARE(billFlag(f, bill, "ServChargeOnBill"), scOn && !cancelled);
        QCOMPARE(billFlag(f, bill, "TaxOnBill"), taxOn);

        QCOMPARE(CommitFirstPrint(*f.db, f.state, f.prompter, f.clock, p).outcome, BillingOutcome::Done);
        QCOMPARE(billMoney(f, bill, "NetPayment").toPlainString(), final);
        QCOMPARE(billFlag(f, bill, "Sec2"), cancelled);
        QVERIFY(billFlag(f, bill, "FirstPrint"));
        QVERIFY(!PrintFirstRun(*f.db, bill));
        QCOMPARE(LoadBill(*f.db, f.clock, bill).header->billDate, f.clock.now());
    }

    // Started with the tax switch off, the rates in memory are 0, and 0 is stored.
    void taxSwitchOffAtStart() {
        BillingFixture f;
        taxes(f.state.settings, "0", "0", false, "0", false);
        const QString bill = hundred(f);
        FirstPrintPanel p = OpenFirstPrint(*f.db, f.state, f.prompter, bill, 0).panel;
        QCOMPARE(p.finalAmount, M("100.00"));
        QCOMPARE(billMoney(f, bill, "SalesTax"), Money());
    }

    void billFreeOfCharge() {
        BillingFixture f;
        taxes(f.state.settings, "10", "5", true, "10", true);
        FirstPrintPanel p = OpenFirstPrint(*f.db, f.state, f.prompter, exampleBill(f), 5).panel;
        QVERIFY(SetBillFreeOfCharge(p, f.state.settings, true));
        QCOMPARE(p.billTotal, M("20.00"));
        QCOMPARE(p.billDiscount, M("20.00"));
        QCOMPARE(p.base, Money());
        QCOMPARE(p.finalAmount, Money());
        QCOMPARE(CommitFirstPrint(*f.db, f.state, f.prompter, f.clock, p).netPayment, Money());
        QCOMPARE(billMoney(f, p.billNumber, "BillDiscPerc"), M("100"));
        QCOMPARE(billMoney(f, p.billNumber, "BillDisc"), M("20.00"));
        // A typed discount clears the bill FOC.
        SetBillDiscount(p, f.state.settings, 10);
        QVERIFY(!p.billFreeOfCharge);
        QCOMPARE(p.billDiscount, M("2.00"));
    }

    void rounding_data() {
        QTest::addColumn<QString>("price");
        QTest::addColumn<bool>("taxOn");
        QTest::addColumn<int>("discount");
        QTest::addColumn<QString>("final");
        QTest::addColumn<QString>("itemsPayment");
        QTest::newRow("99.97") << "99.97" << false << 0 << "99.95"
                               << "99.95";
        QTest::newRow("99.98") << "99.98" << false << 0 << "100.00"
                               << "100.00";
        QTest::newRow("with taxes on the bill") << "99.98" << true << 0 << "100.00"
                                                << "99.98";
        QTest::newRow("with a bill discount") << "110.00" << false << 10 << "99.00"
                                              << "110.00";
    }
    void rounding() {
        QFETCH(QString, price);
        QFETCH(bool, taxOn);
        QFETCH(int, discount);
        QFETCH(QString, final);
        QFETCH(QString, itemsPayment);
        BillingFixture f;
        taxes(f.state.settings, "0", "0", taxOn, "0", false);
        f.addItem(QStringLiteral("Platter"), *Money::parse(price), Money(), 1);
        const QString bill = f.openBill(QStringLiteral("1"));
        f.book(bill, QStringLiteral("Platter"), QStringLiteral("1"), *Money::parse(price));
        FirstPrintPanel p = OpenFirstPrint(*f.db, f.state, f.prompter, bill, 5).panel;
        if (discount)
            SetBillDiscount(p, f.state.settings, discount);
        QCOMPARE(p.finalAmount.toPlainString(), final);
        QCOMPARE(CommitDirectPayment(*f.db, f.state, f.prompter, f.clock, p).netPayment.toPlainString(),
                 final);
        QCOMPARE(billMoney(f, bill, "ItemsPaymentB").toPlainString(), itemsPayment);
    }

    void customerAccountDiscount() {
        BillingFixture f;
        taxes(f.state.settings, "10", "0", true, "0", false);
        f.db->exec(QStringLiteral(
            "INSERT INTO StackedBill (Customer, DiscPerc, MaxCredit, TotalCredit, AvailableCredit) "
            "VALUES ('Miller', 10, 1000000, 1000000, 1000000)"));
        const QString bill =
            AllocateCustomerBill(*f.db, f.prompter, f.clock, QStringLiteral("Miller"), "5", "2").billNumber;
        f.book(bill, QStringLiteral("Fish"), QStringLiteral("2"), M("10.00"));
        f.clock.advanceSeconds(3600 * 24); // the account's bill runs over days
        f.book(bill, QStringLiteral("Fish"), QStringLiteral("1"), M("10.00"));
        FirstPrintPanel p = OpenFirstPrint(*f.db, f.state, f.prompter, bill, 0).panel;
        QVERIFY(p.customerAccount);
        QCOMPARE(p.note, QStringLiteral("VIP Account Miller"));
        QCOMPARE(p.discountPercent, 10);
        QVERIFY(!p.discountEditable && !p.freeOfChargeAllowed && !p.resetVisible);
        QCOMPARE(p.billTotal, M("30.00"));
        QCOMPARE(p.billDiscount, M("3.00"));
        QCOMPARE(p.tax, M("2.70"));
        QCOMPARE(p.finalAmount, M("29.70"));
        QVERIFY(!SetBillFreeOfCharge(p, f.state.settings, true));
        QVERIFY(!SetBillDiscount(p, f.state.settings, 50));
        QCOMPARE(CommitFirstPrint(*f.db, f.state, f.prompter, f.clock, p).outcome, BillingOutcome::Done);
        QCOMPARE(f.lines(bill).size(), size_t(2)); // no collapse on a customer account
        QCOMPARE(billMoney(f, bill, "NetPayment"), M("29.70"));
        QCOMPARE(billMoney(f, bill, "BillDisc"), M("3.00"));
    }

    void authorizationLockAtFirstPrint() {
        BillingFixture f;
        f.state.settings.billAuthorizationOn = true;
        FirstPrintPanel p = OpenFirstPrint(*f.db, f.state, f.prompter, hundred(f), 0).panel;
        CommitFirstPrint(*f.db, f.state, f.prompter, f.clock, p);
        QVERIFY(billFlag(f, p.billNumber, "Sec1"));
        // Any later booking sends the bill back to open.
        f.book(p.billNumber, QStringLiteral("Beer"), QStringLiteral("1"), M("5.00"));
        QVERIFY(PrintFirstRun(*f.db, p.billNumber));
    }

    void linesChangedWhileThePanelWasOpen() {
        BillingFixture f;
        FirstPrintPanel p = OpenFirstPrint(*f.db, f.state, f.prompter, hundred(f), 0).panel;
        f.book(p.billNumber, QStringLiteral("Beer"), QStringLiteral("1"), M("5.00"));
        const QStringList before = f.snapshot();
        QCOMPARE(CommitFirstPrint(*f.db, f.state, f.prompter, f.clock, p).outcome,
                 BillingOutcome::BillChanged);
        QCOMPARE(f.snapshot(), before);
        f.settleElsewhere(p.billNumber);
        const QStringList settled = f.snapshot();
        QCOMPARE(CommitFirstPrint(*f.db, f.state, f.prompter, f.clock, p).outcome,
                 BillingOutcome::BillClosed);
        QCOMPARE(f.snapshot(), settled);
    }

    void failureLeavesNoRow() {
        BillingFixture f;
        taxes(f.state.settings, "10", "5", true, "10", true);
        FirstPrintPanel p = OpenFirstPrint(*f.db, f.state, f.prompter, exampleBill(f), 5).panel;
        SetBillDiscount(p, f.state.settings, 20);
        QVERIFY(FailAtEveryStatement(f, [&] { CommitFirstPrint(*f.db, f.state, f.prompter, f.clock, p); }) >
                3);
        QCOMPARE(f.lines(p.billNumber).size(), size_t(2));
    }

    void billDiscountField_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("percent"); // -1 refused
        QTest::newRow("digits") << "15" << 15;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("other keys ignored") << "1x5" << 15;
        QTest::newRow("two digits at most") << "155" << 15;
        QTest::newRow("decimals") << "1.5" << -1;
    }
    void billDiscountField() {
        QFETCH(QString, typed);
        QFETCH(int, percent);
        ScriptedPrompter prompter;
        const auto read = ReadBillDiscount(prompter, typed);
        QCOMPARE(read.value_or(-1), percent);
        QCOMPARE(prompter.lastMessage(), percent < 0 ? BillingMessage::NoDecimals().text : QString());
    }
};

QTEST_GUILESS_MAIN(TestTotals)
#include "test_totals.moc"
