#include "PrintTexts.h"
#include "ReceiptDataset.h"
#include "ReceiptFixture.h"
#include "ReceiptPrinting.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTest>

using namespace vantorel;

namespace {

QString readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

ReceiptStage stageNamed(const QString& name) {
    if (name == QLatin1String("First"))
        return ReceiptStage::First;
    if (name == QLatin1String("Direct"))
        return ReceiptStage::Direct;
    return ReceiptStage::Final;
}

QVariantMap basicBill(const QString& number) {
    return {{QStringLiteral("BillABillA"), number},
            {QStringLiteral("Table"), QStringLiteral("12")},
            {QStringLiteral("Sec5"), QStringLiteral("4")},
            {QStringLiteral("Waiter"), QStringLiteral("Anna")},
            {QStringLiteral("PayMode"), QStringLiteral("Cash")},
            {QStringLiteral("NetPayment"), QStringLiteral("6.50")},
            {QStringLiteral("PayAmount"), QStringLiteral("10.00")},
            {QStringLiteral("Change"), QStringLiteral("3.50")}};
}

QJsonArray soupLine() {
    return QJsonArray{QJsonArray{"Tomato Soup", 1, "6.50", "6.50", 0, "6.50"}};
}

} // namespace

class TestReceipts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void templatePath_data() {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<bool>("header");
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("payMode");
        QTest::addColumn<QString>("features"); // ID BD SC TA as 1/0
        QTest::addColumn<QString>("path");
        const int first = int(ReceiptStage::First), final_ = int(ReceiptStage::Final),
                  direct = int(ReceiptStage::Direct);
        QTest::newRow("A6 header direct cash, nothing") << "A6" << true << direct << "Cash"
                                                        << "0000"
                                                        << "PRINT/A6/HEADER/DIRECT/CASH/-ID-BD-SC-TA.FRF";
        QTest::newRow("RPT first bill, bill discount and tax") << "RPT" << false << first << "Pend"
                                                               << "0101"
                                                               << "PRINT/RPT/PLAIN/-ID+BD-SC+TA.FRF";
        QTest::newRow("item discount and service charge") << "A5" << false << first << "Pend"
                                                          << "1010"
                                                          << "PRINT/A5/FIRST/+ID-BD+SC-TA.FRF";
        QTest::newRow("A5 reinsert card") << "A5" << false << final_ << "Card"
                                          << "1111"
                                          << "PRINT/A5/FINAL/CARD/+ID+BD+SC+TA.FRF";
        QTest::newRow("A5 header reinsert cash") << "A5" << true << final_ << "Cash"
                                                 << "0001"
                                                 << "PRINT/A5/HEADER/FINAL/CASH/-ID-BD-SC+TA.FRF";
        QTest::newRow("A6 direct card") << "A6" << false << direct << "Card"
                                        << "0110"
                                        << "PRINT/A6/DIRECT/CARD/-ID+BD+SC-TA.FRF";
        QTest::newRow("open bill counts as cash") << "A6" << false << direct << "Pend"
                                                  << "0000"
                                                  << "PRINT/A6/DIRECT/CASH/-ID-BD-SC-TA.FRF";
        QTest::newRow("impact roll final card") << "RPI" << true << final_ << "Card"
                                                << "1000"
                                                << "PRINT/RP/CARD/THANKS/+ID-BD-SC-TA.FRF";
        QTest::newRow("roll ignores header and direct") << "RPT" << true << direct << "Cash"
                                                        << "0011"
                                                        << "PRINT/RPT/CASH/THANKS/-ID-BD+SC+TA.FRF";
        QTest::newRow("mini first") << "MIN" << false << first << "Pend"
                                    << "1100"
                                    << "PRINT/MIN/PLAIN/+ID+BD-SC-TA.FRF";
        QTest::newRow("unknown paper is sheet A6") << "" << false << first << "Pend"
                                                   << "0000"
                                                   << "PRINT/A6/FIRST/-ID-BD-SC-TA.FRF";
        QTest::newRow("lower-case paper size") << "rpt" << false << first << "Pend"
                                               << "0000"
                                               << "PRINT/RPT/PLAIN/-ID-BD-SC-TA.FRF";
    }
    void templatePath() {
        QFETCH(QString, paper);
        QFETCH(bool, header);
        QFETCH(int, stage);
        QFETCH(QString, payMode);
        QFETCH(QString, features);
        QFETCH(QString, path);
        ReceiptChoice c;
        c.paperSize = paper;
        c.header = header;
        c.stage = ReceiptStage(stage);
        c.payMode = payMode;
        c.itemDiscount = features[0] == QLatin1Char('1');
        c.billDiscount = features[1] == QLatin1Char('1');
        c.serviceCharge = features[2] == QLatin1Char('1');
        c.tax = features[3] == QLatin1Char('1');
        QCOMPARE(ReceiptTemplatePath(c), path);
        // Every path the choice can give is in the default PRINT tree.
        QVERIFY2(QFile::exists(QStringLiteral(":/vantorel/") + path), qPrintable(path));
    }

    void choiceReadsTheBill_data() {
        QTest::addColumn<double>("discount");
        QTest::addColumn<QString>("billDiscount");
        QTest::addColumn<QString>("name");
        QTest::newRow("nothing") << 0.0 << "0"
                                 << "-ID-BD+SC-TA.FRF";
        QTest::newRow("a free line alone makes +ID") << 100.0 << "0"
                                                     << "+ID-BD+SC-TA.FRF";
        QTest::newRow("item discount") << 12.5 << "0"
                                       << "+ID-BD+SC-TA.FRF";
        QTest::newRow("bill discount") << 0.0 << "15"
                                       << "-ID+BD+SC-TA.FRF";
    }
    void choiceReadsTheBill() {
        QFETCH(double, discount);
        QFETCH(QString, billDiscount);
        QFETCH(QString, name);
        test::ReceiptFixture f;
        f.setTaxes(true, false);
        QVariantMap bill = basicBill(QStringLiteral("26000001"));
        bill.insert(QStringLiteral("BillDiscPerc"), billDiscount);
        f.addBill(bill, QJsonArray{QJsonArray{"Cola", 1, "3.20", "3.20", discount, "3.20"},
                                   QJsonArray{"Tea", 1, "2.80", "2.80", 0, "2.80"}});
        auto s = f.services();
        QCOMPARE(ReceiptTemplatePath(ChooseReceipt(s, QStringLiteral("26000001"), ReceiptStage::First)),
                 QStringLiteral("PRINT/RPT/PLAIN/") + name);
    }

    void finalReceiptStage_data() {
        QTest::addColumn<bool>("direct");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<bool>("reinsert");
        QTest::addColumn<bool>("fullBill");
        QTest::addColumn<int>("stage"); // -1: none
        QTest::newRow("direct payment") << true << "A5" << true << false << int(ReceiptStage::Direct);
        QTest::newRow("full bill") << false << "RPT" << false << true << int(ReceiptStage::Direct);
        QTest::newRow("roll") << false << "MIN" << false << false << int(ReceiptStage::Final);
        QTest::newRow("sheet with reinsert") << false << "A6" << true << false << int(ReceiptStage::Final);
        QTest::newRow("sheet without reinsert") << false << "A6" << false << false << -1;
    }
    void finalReceiptStage() {
        QFETCH(bool, direct);
        QFETCH(QString, paper);
        QFETCH(bool, reinsert);
        QFETCH(bool, fullBill);
        QFETCH(int, stage);
        ReceiptStage s = ReceiptStage::First;
        QCOMPARE(FinalReceiptStage(direct, paper, reinsert, fullBill, &s), stage >= 0);
        if (stage >= 0)
            QCOMPARE(int(s), stage);
    }

    void receiptText_data() {
        QTest::addColumn<QString>("folder");
        const QDir cases(QStringLiteral(TEST_DATA_DIR "/receipts"));
        for (const QString& name : cases.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            QTest::newRow(qPrintable(name)) << cases.filePath(name);
    }
    void receiptText() {
        QFETCH(QString, folder);
        const QJsonObject in =
            QJsonDocument::fromJson(readFile(folder + QStringLiteral("/input.json")).toUtf8()).object();
        QVERIFY2(!in.isEmpty(), "input.json is missing or not JSON");
        test::ReceiptFixture f;
        QVariantMap utility = in.value(QStringLiteral("utility")).toObject().toVariantMap();
        utility.insert(QStringLiteral("PaperSize"), in.value(QStringLiteral("paperSize")).toString());
        utility.insert(QStringLiteral("PrintHeader"), in.value(QStringLiteral("header")).toBool());
        f.setUtility(utility);
        f.setTaxes(in.value(QStringLiteral("serviceChargeSwitch")).toBool(),
                   in.value(QStringLiteral("taxSwitch")).toBool());
        f.state.settings.setMenuPricesActive = in.value(QStringLiteral("setMenusInUse")).toBool();
        const QVariantMap bill = in.value(QStringLiteral("bill")).toObject().toVariantMap();
        const QString number = bill.value(QStringLiteral("BillABillA")).toString();
        f.addBill(bill, in.value(QStringLiteral("lines")).toArray());
        const ReceiptStage stage = stageNamed(in.value(QStringLiteral("stage")).toString());

        // Another workstation looking at the bill while it prints sees the stored table label.
        auto other = f.folder.open();
        QStringList tablesSeen;
        f.sink.onSubmit = [&] {
            tablesSeen << other
                              ->scalar(QStringLiteral("SELECT %1 FROM BillA WHERE BillABillA = ?")
                                           .arg(SqlName(QStringLiteral("Table"))),
                                       {number})
                              .toString();
        };
        auto s = f.services();
        const QString path = ReceiptTemplatePath(ChooseReceipt(s, number, stage));
        QCOMPARE(PrintReceipt(s, number, stage), PrintOutcome::Printed);
        QVERIFY2(f.prompter.messages.empty(), qPrintable(f.prompter.lastMessage()));
        QCOMPARE(f.sink.jobs.size(), size_t(1));
        QCOMPARE(f.sink.jobs[0].printer, QStringLiteral("Receipt"));
        QCOMPARE(f.sink.jobs[0].format, PrintSink::Format::Raw);
        const QString text = test::JobText(f.sink.jobs[0].document);
        QVERIFY2(!text.isNull(), "the job lacks the printer's start or cut");
        const QString actual = QStringLiteral("# ") + path + QLatin1Char('\n') + text;

        const QString expectedPath = folder + QStringLiteral("/expected.txt");
        if (qEnvironmentVariableIsSet("VANTOREL_UPDATE_GOLDEN")) {
            QFile out(expectedPath);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(actual.toUtf8());
        }
        QCOMPARE(actual, readFile(expectedPath));
        QCOMPARE(tablesSeen, QStringList{bill.value(QStringLiteral("Table")).toString()});
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT %1 FROM BillA").arg(SqlName(QStringLiteral("Table"))))
                     .toString(),
                 bill.value(QStringLiteral("Table")).toString());
    }

    void paxAndSetMenuAreFieldsOnly() {
        test::ReceiptFixture f;
        f.setUtility({{QStringLiteral("Delay"), QStringLiteral("1")},
                      {QStringLiteral("AdjNo"), QStringLiteral("* Set Menu")}});
        f.addBill(basicBill(QStringLiteral("26000002")), soupLine());
        const ReportDataset data =
            ReceiptDataset(*f.db, QStringLiteral("26000002"), ReceiptOptions{true, true});
        QCOMPARE(data.rowCount(), 1);
        QCOMPARE(data.value(0, QStringLiteral("Table")).toString(), QStringLiteral("12 / 4"));
        // No set-menu line: the note is empty on the receipt, and the stored note is left alone.
        QCOMPARE(data.value(0, QStringLiteral("AdjNo")).toString(), QString());
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT AdjNo FROM Utility")).toString(),
                 QStringLiteral("* Set Menu"));
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT %1 FROM BillA").arg(SqlName(QStringLiteral("Table"))))
                     .toString(),
                 QStringLiteral("12"));
        // Pax off: the label as stored; no pax recorded: no " / ".
        QCOMPARE(ReceiptDataset(*f.db, QStringLiteral("26000002"), ReceiptOptions{false, false})
                     .value(0, QStringLiteral("Table"))
                     .toString(),
                 QStringLiteral("12"));
        QCOMPARE(PaxLabel(QStringLiteral("12"), QStringLiteral(" ")), QStringLiteral("12"));
    }

    void voidBillPrintsNothing() {
        test::ReceiptFixture f;
        f.addBill(basicBill(QStringLiteral("26000003")), soupLine());
        f.db->exec(QStringLiteral("UPDATE BillA SET %1 = ?").arg(SqlName(QStringLiteral("Void"))), {true});
        QCOMPARE(ReceiptDataset(*f.db, QStringLiteral("26000003"), {}).rowCount(), 0);
        auto s = f.services();
        QCOMPARE(PrintBill1(s, QStringLiteral("26000003")), PrintOutcome::NotWanted);
        QVERIFY(f.sink.jobs.empty());
    }

    void receiptsOffPrintNothing() {
        test::ReceiptFixture f;
        f.setUtility({{QStringLiteral("PrintInvoice"), false}});
        f.addBill(basicBill(QStringLiteral("26000004")), soupLine());
        auto s = f.services();
        QCOMPARE(PrintBill1(s, QStringLiteral("26000004")), PrintOutcome::NotWanted);
        QVERIFY(f.sink.jobs.empty());
        QVERIFY(f.prompter.messages.empty());
    }

    void missingTemplateStopsAndKeepsTheBill() {
        test::ReceiptFixture f;
        f.setUtility({{QStringLiteral("Delay"), QStringLiteral("1")}});
        f.addBill(basicBill(QStringLiteral("26000005")), soupLine());
        QVERIFY(QFile::remove(f.folder.path() + QStringLiteral("PRINT/RPT/PLAIN/-ID-BD-SC-TA.FRF")));
        auto s = f.services();
        QCOMPARE(PrintBill1(s, QStringLiteral("26000005")), PrintOutcome::MissingTemplate);
        QVERIFY(f.sink.jobs.empty());
        QCOMPARE(f.prompter.messages.size(), size_t(1));
        QCOMPARE(f.prompter.messages[0].caption, QStringLiteral("  Printing stopped"));
        QVERIFY(f.prompter.messages[0].text.startsWith(
            QStringLiteral("Essential printing-files have been erased from your diskdrive!\n")));
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT %1 FROM BillA").arg(SqlName(QStringLiteral("Table"))))
                     .toString(),
                 QStringLiteral("12"));
    }

    void templateNamesAreFoundWhateverTheirCase() {
        test::ReceiptFixture f;
        const QString dir = f.folder.path() + QStringLiteral("PRINT/RPT/PLAIN/");
        QVERIFY(QFile::rename(dir + QStringLiteral("-ID-BD-SC-TA.FRF"),
                              dir + QStringLiteral("-id-bd-sc-ta.frf")));
        QVERIFY(QDir().rename(f.folder.path() + QStringLiteral("PRINT/RPT"),
                              f.folder.path() + QStringLiteral("PRINT/rpt")));
        f.addBill(basicBill(QStringLiteral("26000006")), soupLine());
        auto s = f.services();
        QCOMPARE(PrintBill1(s, QStringLiteral("26000006")), PrintOutcome::Printed);
    }

    void secondCopyAfterDirectPayment_data() {
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("jobs");
        QTest::newRow("direct, two copies") << int(ReceiptStage::Direct) << 2 << 2;
        QTest::newRow("direct, one copy") << int(ReceiptStage::Direct) << 1 << 1;
        QTest::newRow("reinsert, two copies") << int(ReceiptStage::Final) << 2 << 1;
    }
    void secondCopyAfterDirectPayment() {
        QFETCH(int, stage);
        QFETCH(int, copies);
        QFETCH(int, jobs);
        test::ReceiptFixture f;
        f.setUtility({{QStringLiteral("PaperSize"), QStringLiteral("A5")},
                      {QStringLiteral("PrintCopies"), copies},
                      {QStringLiteral("PrintReinsert"), true}});
        f.addBill(basicBill(QStringLiteral("26000007")), soupLine());
        auto s = f.services();
        QCOMPARE(PrintBill(s, QStringLiteral("26000007"), ReceiptStage(stage)), PrintOutcome::Printed);
        QCOMPARE(int(f.sink.jobs.size()), jobs);
        for (const auto& job : f.sink.jobs) {
            QCOMPARE(job.format, PrintSink::Format::Pdf);
            QVERIFY(job.document.startsWith("%PDF"));
        }
        if (jobs == 2) {
            QCOMPARE(f.prompter.messages.size(), size_t(1));
            QCOMPARE(f.prompter.messages[0].text,
                     QStringLiteral("Please insert an empty sheet in the printer and press [OK]     "));
            QCOMPARE(f.prompter.messages[0].caption, QStringLiteral("  2nd Copy of Invoice"));
        } else {
            QVERIFY(f.prompter.messages.empty());
        }
    }

    void missingPrinterSaysTheReceiptWasNotPrinted() {
        test::ReceiptFixture f;
        f.setUtility({{QStringLiteral("Printer"), QStringLiteral("Epson TM-T20")}});
        f.addBill(basicBill(QStringLiteral("26000008")), soupLine());
        auto s = f.services();
        QCOMPARE(PrintBill1(s, QStringLiteral("26000008")), PrintOutcome::PrinterFailed);
        QVERIFY(f.sink.jobs.empty());
        QVERIFY(f.prompter.lastMessage().contains(QStringLiteral("\"Epson TM-T20\" cannot be found")));
        QVERIFY(f.prompter.lastMessage().contains(PrintText::ReceiptNotPrinted()));
    }

    void customerStatementShowsTodaysLines() {
        test::ReceiptFixture f;
        f.insert(QStringLiteral("StackedBill"),
                 {{QStringLiteral("Customer"), QStringLiteral("Janssen")},
                  {QStringLiteral("MaxCredit"), QStringLiteral("500.00")},
                  {QStringLiteral("TotalCredit"), QStringLiteral("120.00")},
                  {QStringLiteral("AvailableCredit"), QStringLiteral("380.00")}});
        QVariantMap bill = basicBill(QStringLiteral("26000009"));
        bill.insert(QStringLiteral("VIP"), true);
        bill.insert(QStringLiteral("StackerBill"), QStringLiteral("Janssen"));
        bill.insert(QStringLiteral("Table"), QStringLiteral("SB"));
        f.addBill(bill, QJsonArray{QJsonArray{"Espresso", 2, "2.60", "5.20", 0, "5.20"},
                                   QJsonArray{"Whisky", 1, "6.90", "6.90", 0, "6.90"}});
        // A line of yesterday's business day stays off today's statement.
        f.db->exec(QStringLiteral("UPDATE BillB SET OrderDate = ? WHERE BillNoItem = '02'"),
                   {QDateTime(QDate(2026, 3, 14), QTime(5, 30))});
        auto s = f.services();
        QCOMPARE(PrintCustomerStatement(s, QStringLiteral("26000009")), PrintOutcome::Printed);
        const QString text = test::JobText(f.sink.jobs.at(0).document);
        QVERIFY2(text.contains(QStringLiteral("Account Janssen")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Espresso")));
        QVERIFY(!text.contains(QStringLiteral("Whisky")));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Total today +5.20\n"))));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Credit available +380.00\n"))));
    }
};

QTEST_MAIN(TestReceipts)
#include "test_receipts.moc"
