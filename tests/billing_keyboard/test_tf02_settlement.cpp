#include "AmountText.h"
#include "Bills.h"
#include "FirstPrint.h"
#include "KeyboardScreen.h"

using namespace vantorel;
using namespace vantorel::test;

namespace {

// Table 12 with two Fish and Chips (16.50) and a Draught Lager (5.20): 38.20 before tax (7 %) and service
// charge (10 %) of the demo business.
QString orderedBill(KeyboardScreen& s) {
    const QString bill = s.openTable(QStringLiteral("12"), QStringLiteral("3"));
    s.book(QStringLiteral("FM1"), QStringLiteral("2"));
    s.book(QStringLiteral("DB1"));
    return bill;
}

// Settle Account, then "Print First Bill": the amount due.
QString printFirstBill(KeyboardScreen& s) {
    s.key(Qt::Key_F4);
    const QString due = s.text("FinalValue");
    s.click("PrintFirstBillBut");
    return due;
}

QStringList everyValue(KeyboardScreen& s) {
    QStringList values;
    for (const char* table : {"BillA", "BillB", "Events", "VoidBill", "StackedBill"}) {
        for (const Row& r : s.db->query(QStringLiteral("SELECT * FROM %1").arg(QString::fromLatin1(table)))) {
            for (int i = 0; i < r.columnCount(); ++i)
                values << r.value(i).toString();
        }
    }
    return values;
}

} // namespace

class TestTF02Settlement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void settleOpensTheFirstPrintWithTheEnginesValues() {
        KeyboardScreen s;
        const QString bill = orderedBill(s);
        QCOMPARE(s.child<QPushButton>("SettleBut")->text(), QStringLiteral("Settle Account"));
        s.key(Qt::Key_F4);
        QVERIFY(s.panelOpen("FirstPrintPanel"));
        QCOMPARE(s.text("FirstPrintPanelCaption"), QStringLiteral("Print  First  Invoice"));

        FirstPrintPanel expected;
        expected.sums = SumLines(LoadBill(*s.db, s.clock, bill, true).lines);
        ComputeFirstPrint(expected, s.state.settings);
        QCOMPARE(s.text("SumItemsValue"), FormatAmount(expected.sumItems));
        QCOMPARE(s.text("FocValue"), FormatAmount(expected.foc));
        QCOMPARE(s.text("ItemDiscValue"), FormatAmount(expected.itemDisc));
        QCOMPARE(s.text("BillTotalValue"), FormatAmount(expected.billTotal));
        QCOMPARE(s.text("BillDiscValue"), FormatAmount(expected.billDiscount));
        QCOMPARE(s.text("TaxValue"), FormatAmount(expected.tax));
        QCOMPARE(s.text("ServiceChargeValue"), FormatAmount(expected.charge));
        QCOMPARE(s.text("FinalValue"), FormatAmount(expected.finalAmount));
        QCOMPARE(s.text("FinalValue"), QStringLiteral("44.69"));
        QCOMPARE(s.text("BillDiscPercEdit"), QStringLiteral("0"));
        // Opening already stores the taxes; the totals wait for the print.
        QCOMPARE(s.billMoney(bill, "SalesTax"), Money::fromCents(267));
        QCOMPARE(s.billMoney(bill, "NetPayment"), Money());
    }

    void billDiscountAndServiceCharge() {
        KeyboardScreen s;
        const QString bill = orderedBill(s);
        s.key(Qt::Key_F4);
        s.child<QLineEdit>("BillDiscPercEdit")->setFocus();
        s.child<QLineEdit>("BillDiscPercEdit")->selectAll();
        s.type(QStringLiteral("1.0"));
        QCOMPARE(s.prompter.lastMessage(), QStringLiteral("No decimals allowed!     "));
        QCOMPARE(s.text("BillDiscPercEdit"), QStringLiteral("10"));
        s.enter();
        QCOMPARE(s.text("BillDiscValue"), QStringLiteral("3.82"));
        QVERIFY(s.child<QPushButton>("ResetBut")->isVisible());
        QTest::mouseClick(s.child<QCheckBox>("ServiceChargeBox"), Qt::LeftButton);
        s.settle();
        QCOMPARE(s.text("ServiceChargeValue"), QStringLiteral("0.00"));
        // 34.38 + 7 % tax
        QCOMPARE(s.text("FinalValue"), QStringLiteral("36.79"));
        s.click("PrintFirstBillBut");
        QCOMPARE(s.billMoney(bill, "NetPayment"), Money::fromCents(3679));
        QVERIFY(s.value(QStringLiteral("SELECT Sec2 FROM BillA WHERE BillABillA = ?"), {bill}).toBool());
    }

    void printFirstBillPrintsAndTurnsSettleIntoPayment() {
        KeyboardScreen s;
        const QString bill = orderedBill(s);
        printFirstBill(s);
        QVERIFY(!s.panelOpen("FirstPrintPanel"));
        QCOMPARE(s.prints.titles.size(), 1);
        QVERIFY(
            s.value(QStringLiteral("SELECT FirstPrint FROM BillA WHERE BillABillA = ?"), {bill}).toBool());
        QCOMPARE(s.child<QPushButton>("SettleBut")->text(), QStringLiteral("Payment"));
        QVERIFY(s.focused("CodeEdit"));
        // Back out of the payment: nothing is stored.
        s.key(Qt::Key_F4);
        QVERIFY(s.panelOpen("PaymentPanel"));
        s.type(QStringLiteral("b"));
        QVERIFY(!s.panelOpen("PaymentPanel"));
        QCOMPARE(s.billText(bill, "PayMode"), QStringLiteral("Pend"));
    }

    void cashEqualToTheAmountDueSettlesWithChange0() {
        KeyboardScreen s;
        const QString bill = orderedBill(s);
        const QString due = printFirstBill(s);
        s.key(Qt::Key_F4);
        QVERIFY(s.panelOpen("PaymentPanel"));
        QCOMPARE(s.text("AmountDueValue"), due);
        QVERIFY(s.focused("CashEdit"));
        s.type(due);
        s.enter();
        QCOMPARE(s.text("ChangeEdit"), QStringLiteral("0.00"));
        QVERIFY(s.focused("PayOkBut"));
        s.enter();
        QVERIFY(!s.panelOpen("PaymentPanel"));
        QVERIFY(s.panelOpen("CashReturnPanel"));
        QCOMPARE(s.text("CashReturnPanelCaption"), QStringLiteral("Cash Return"));
        QCOMPARE(s.text("ReturnAmount"), QStringLiteral("0.00"));
        QCOMPARE(s.text("ReceiptHint"), QStringLiteral("Receipt printer"));
        QCOMPARE(s.billText(bill, "PayMode"), QStringLiteral("Cash"));
        QCOMPARE(s.billMoney(bill, "PayAmount"), *Money::parse(due));
        QCOMPARE(s.billMoney(bill, "Change"), Money());
        QCOMPARE(s.billText(bill, "BillSettledBy"), QStringLiteral("Owner"));
        QVERIFY(s.listed("BillList").isEmpty());
        QVERIFY(s.listed("LineList").isEmpty());
        // The demo business prints the full bill: the focus starts on OK, which prints it.
        QVERIFY(s.focused("ReturnOkBut"));
        s.enter();
        QVERIFY(!s.panelOpen("CashReturnPanel"));
        QCOMPARE(s.prints.titles.size(), 2);
        QVERIFY(s.panelOpen("TableBox")); // no bill left
        QCOMPARE(s.child<QPushButton>("SettleBut")->text(), QStringLiteral("Settle Account"));
    }

    void cashGivesChangeAndNoDeclinesTheReceipt() {
        KeyboardScreen s;
        const QString bill = orderedBill(s);
        s.openTable(QStringLiteral("3"));
        s.book(QStringLiteral("DB1"));
        s.key(Qt::Key_Up, Qt::ControlModifier);
        s.key(Qt::Key_Down);
        s.enter();
        QCOMPARE(s.form->selectedBill(), bill);
        printFirstBill(s);
        s.key(Qt::Key_F4);
        s.type(QStringLiteral("40"));
        s.enter();
        QCOMPARE(s.prompter.lastMessage(),
                 QStringLiteral("The invoice value is higher than the cash input    \n\nPlease re-check!"));
        QCOMPARE(s.text("CashEdit"), QString());
        s.type(QStringLiteral("1000"));
        s.enter();
        QCOMPARE(s.text("CashEdit"), QStringLiteral("1,000.00"));
        QCOMPARE(s.text("ChangeEdit"), QStringLiteral("955.31"));
        s.enter();
        QCOMPARE(s.text("ReturnAmount"), QStringLiteral("955.31"));
        s.type(QStringLiteral("n"));
        QVERIFY(!s.panelOpen("CashReturnPanel"));
        QCOMPARE(s.prints.titles.size(), 1); // only the first bill
        QVERIFY(
            !s.value(QStringLiteral("SELECT PrintBill FROM BillA WHERE BillABillA = ?"), {bill}).toBool());
        QCOMPARE(s.billMoney(bill, "Change"), Money::fromCents(95531));
        // The other bill stays; none is selected now.
        QCOMPARE(s.listed("BillList"), QStringList{QStringLiteral("3")});
        QVERIFY(s.focused("BillList"));
        s.child<QLineEdit>("CodeEdit")->setFocus();
        s.type(QStringLiteral("F"));
        QCOMPARE(s.text("AddToAccountHeader"), QStringLiteral("Select an Account"));
    }

    void cashPlusCardIsRefused() {
        KeyboardScreen s;
        const QString bill = orderedBill(s);
        printFirstBill(s);
        s.key(Qt::Key_F4);
        s.type(QStringLiteral("v")); // Visa from the cash field
        QVERIFY(s.focused("CompanyList"));
        QCOMPARE(s.child<QListWidget>("CompanyList")->currentItem()->text(), QStringLiteral("Visa"));
        s.child<QLineEdit>("CashEdit")->setText(QStringLiteral("50"));
        s.click("PayOkBut");
        QCOMPARE(s.prompter.lastMessage(), QStringLiteral("It's  either CASH or CREDIT CARD. Not both!    "));
        QCOMPARE(s.prompter.messages.back().caption, QStringLiteral("  Invalid Input"));
        QCOMPARE(s.text("CashEdit"), QString());
        QVERIFY(s.child<QListWidget>("CompanyList")->selectedItems().isEmpty());
        QVERIFY(s.panelOpen("PaymentPanel"));
        QCOMPARE(s.billText(bill, "PayMode"), QStringLiteral("Pend"));
    }

    void aFailingCardNumberIsRefusedOnceAndNeverStoredWhole() {
        KeyboardScreen s([](KeyboardScreen& k) {
            SetCardsAccepted(*k.db, true);
            LoadSettingsCopies(*k.db, k.state.settings);
        });
        QVERIFY(s.state.settings.cardNumberRequired);
        const QString bill = orderedBill(s);
        const QString due = printFirstBill(s);
        s.key(Qt::Key_F4);
        QCOMPARE(s.text("CardNumberLabel"), QStringLiteral("Number"));
        s.type(QStringLiteral("v"));
        s.enter();
        QVERIFY(s.focused("CardNumberEdit"));
        s.type(QStringLiteral("4111.111111111112"));
        QCOMPARE(s.prompter.lastMessage(), QStringLiteral("No decimals allowed!     "));
        QCOMPARE(s.text("CardNumberEdit"), QStringLiteral("4111111111111112"));
        s.enter();
        QVERIFY(s.focused("PayOkBut"));
        s.enter();
        QCOMPARE(s.prompter.lastMessage(),
                 QStringLiteral("The credit card Number does not match the credit card Company.   \n\n"
                                "Please re-enter the number..."));
        QCOMPARE(s.billText(bill, "PayMode"), QStringLiteral("Pend"));
        QVERIFY(s.focused("CardNumberEdit"));
        s.click("PayOkBut");
        QVERIFY(s.panelOpen("CashReturnPanel"));
        QCOMPARE(s.text("CashReturnPanelCaption"), QStringLiteral("Credit Card"));
        QCOMPARE(s.text("ReturnTitle"), QStringLiteral("Card Sales"));
        QCOMPARE(s.text("ReturnAmount"), due);
        QCOMPARE(s.billText(bill, "PayMode"), QStringLiteral("Card"));
        QCOMPARE(s.billText(bill, "CreditCard"), QStringLiteral("Visa"));
        QCOMPARE(s.billText(bill, "CreditNoDummy"), QStringLiteral("xxxx xxxx xxxx 1112"));
        QCOMPARE(s.billText(bill, "CreditNo"), QStringLiteral("411111xxxxxx1112"));
        for (const QString& value : everyValue(s))
            QVERIFY2(!value.contains(QStringLiteral("4111111111111112")), qPrintable(value));
    }

    void directPaymentGoesStraightToPayment() {
        KeyboardScreen s([](KeyboardScreen& k) {
            k.db->exec(QStringLiteral("UPDATE Utility SET PaperSize = ?"), {QStringLiteral("A6")});
        });
        const QString bill = orderedBill(s);
        s.key(Qt::Key_F4);
        s.click("DirectPaymentBut");
        QVERIFY(!s.panelOpen("FirstPrintPanel"));
        QVERIFY(s.panelOpen("PaymentPanel"));
        QVERIFY(s.prints.titles.isEmpty());
        QCOMPARE(s.text("CardNumberLabel"), QStringLiteral("Disabled"));
        QVERIFY(!s.child<QLineEdit>("CardNumberEdit")->isEnabled());
        s.type(QStringLiteral("50"));
        s.enter();
        s.enter();
        QCOMPARE(s.text("ReceiptHint"), QStringLiteral("Place paper in the printer"));
        // After a direct payment the focus starts on OK, which prints the complete bill.
        QVERIFY(s.focused("ReturnOkBut"));
        s.enter();
        QCOMPARE(s.prints.titles.size(), 1);
        QCOMPARE(s.billText(bill, "PayMode"), QStringLiteral("Cash"));
    }

    void theFinalReceiptQuestion_data() {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<bool>("receipts");
        QTest::addColumn<bool>("reinsert");
        QTest::addColumn<bool>("fullBill");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("startFocus");
        QTest::addColumn<int>("printsAfterYes"); // -1: Yes only moves to OK
        QTest::addColumn<int>("printsAfterOk");
        QTest::newRow("roll: thank-you receipt") << "RPT" << true << false << false << "Receipt printer"
                                                 << "FinalYesBut" << 2 << 2;
        QTest::newRow("sheet, reinsert") << "A5" << true << true << false << "Place first printout in printer"
                                         << "FinalYesBut" << -1 << 2;
        QTest::newRow("sheet, nothing to print")
            << "A6" << true << false << false << "Place paper in the printer"
            << "FinalYesBut" << -1 << 1;
        QTest::newRow("sheet, full bill") << "A5" << true << true << true << "Place paper in the printer"
                                          << "ReturnOkBut" << 2 << 2;
        QTest::newRow("receipts off") << "RPT" << false << false << false << ""
                                      << "ReturnOkBut" << 0 << 0;
    }
    void theFinalReceiptQuestion() {
        QFETCH(QString, paper);
        QFETCH(bool, receipts);
        QFETCH(bool, reinsert);
        QFETCH(bool, fullBill);
        QFETCH(QString, hint);
        QFETCH(QString, startFocus);
        QFETCH(int, printsAfterYes);
        QFETCH(int, printsAfterOk);
        KeyboardScreen s([&](KeyboardScreen& k) {
            k.db->exec(QStringLiteral("UPDATE Utility SET PaperSize = ?, PrintInvoice = ?, PrintReinsert = "
                                      "?, PrintFullBill = ?"),
                       {paper, receipts, reinsert, fullBill});
            LoadSettingsCopies(*k.db, k.state.settings);
        });
        const QString bill = orderedBill(s);
        printFirstBill(s);
        QCOMPARE(s.prints.titles.size(), receipts ? 1 : 0);
        s.key(Qt::Key_F4);
        s.type(QStringLiteral("100"));
        s.enter();
        s.enter();
        QVERIFY(s.panelOpen("CashReturnPanel"));
        QCOMPARE(s.child<QLabel>("ReceiptHint")->isVisible(), receipts);
        QCOMPARE(s.child<QPushButton>("FinalYesBut")->isVisible(), receipts);
        if (receipts)
            QCOMPARE(s.text("ReceiptHint"), hint);
        QVERIFY(s.focused(qPrintable(startFocus)));
        if (receipts) {
            s.click("FinalYesBut");
            if (printsAfterYes < 0) {
                QVERIFY(s.panelOpen("CashReturnPanel"));
                QVERIFY(s.focused("ReturnOkBut"));
                s.enter();
            } else {
                QCOMPARE(s.prints.titles.size(), printsAfterYes);
            }
        } else {
            s.enter();
        }
        QVERIFY(!s.panelOpen("CashReturnPanel"));
        QCOMPARE(s.prints.titles.size(), printsAfterOk);
        QVERIFY(s.value(QStringLiteral("SELECT PrintBill FROM BillA WHERE BillABillA = ?"), {bill}).toBool());
    }

    void cashFieldTakesOnlyAnAmount() {
        KeyboardScreen s;
        orderedBill(s);
        printFirstBill(s);
        s.key(Qt::Key_F4);
        s.type(QStringLiteral("1x.2-3."));
        QCOMPARE(s.text("CashEdit"), QStringLiteral("1.23.")); // other letters and signs are refused
        s.enter();
        QCOMPARE(s.prompter.lastMessage(), QStringLiteral("Invalid numeric input. Please try again!   "));
        QVERIFY(s.focused("CashEdit"));
        s.key(Qt::Key_Escape);
        QCOMPARE(s.text("CashEdit"), QString());
        QVERIFY(s.panelOpen("PaymentPanel"));
    }

    void aBillChangedAfterItsFirstPrintIsPrintedAgain() {
        KeyboardScreen s;
        const QString bill = orderedBill(s);
        printFirstBill(s);
        s.book(QStringLiteral("DB1"));
        QCOMPARE(s.child<QPushButton>("SettleBut")->text(), QStringLiteral("Settle Account"));
        s.key(Qt::Key_F4);
        QVERIFY(s.panelOpen("FirstPrintPanel"));
        QCOMPARE(s.text("SumItemsValue"), QStringLiteral("43.40"));
        s.click("FirstPrintBackBut");
        QVERIFY(s.focused("CodeEdit"));
        QCOMPARE(s.billText(bill, "PayMode"), QStringLiteral("Pend"));
    }
};

QTEST_MAIN(TestTF02Settlement)
#include "test_tf02_settlement.moc"
