#include "IniFile.h"
#include "OrderSlips.h"
#include "PrintTexts.h"
#include "ReceiptFixture.h"
#include "WorkstationIni.h"

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

void queue(test::ReceiptFixture& f, const QJsonArray& items, const QJsonArray& rows) {
    for (const QJsonValue& v : items) {
        const QJsonArray i = v.toArray();
        f.insert(QStringLiteral("Items"), {{QStringLiteral("Desc1"), i[0].toString()},
                                           {QStringLiteral("RptQty"), i[1].toDouble()},
                                           {QStringLiteral("Deleted"), false}});
    }
    for (const QJsonValue& v : rows) {
        const QJsonArray r = v.toArray();
        f.insert(QStringLiteral("BarSlip"), {{QStringLiteral("Waiter"), r[0].toString()},
                                             {QStringLiteral("TableNum"), r[1].toString()},
                                             {QStringLiteral("Item"), r[2].toString()},
                                             {QStringLiteral("Number"), r[3].toDouble()}});
    }
}

int queued(test::ReceiptFixture& f) {
    return f.db->scalar(QStringLiteral("SELECT count(*) FROM BarSlip")).toInt();
}

const QJsonArray kItems{QJsonArray{"Fish and Chips", 1}, QJsonArray{"Cola", 2}};
const QJsonArray kQueue{QJsonArray{"Anna", "12", "Fish and Chips", 1}, QJsonArray{"Anna", "12", "Cola", 2}};

LinePrinterSettings bothPrinters() {
    LinePrinterSettings p;
    p.kitchen = QStringLiteral("Kitchen");
    p.kitchenType = QStringLiteral("Receipt Printer (Thermal)");
    p.bar = QStringLiteral("Bar");
    p.barType = QStringLiteral("Default Printer (A6)");
    p.invoice = QStringLiteral("Receipt");
    p.invoiceType = QStringLiteral("Receipt Printer (Thermal)");
    return p;
}

} // namespace

class TestOrderSlips : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void slipText_data() {
        QTest::addColumn<QString>("folder");
        const QDir cases(QStringLiteral(TEST_DATA_DIR "/slips"));
        for (const QString& name : cases.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            QTest::newRow(qPrintable(name)) << cases.filePath(name);
    }
    void slipText() {
        QFETCH(QString, folder);
        const QJsonObject in =
            QJsonDocument::fromJson(readFile(folder + QStringLiteral("/input.json")).toUtf8()).object();
        QVERIFY2(!in.isEmpty(), "input.json is missing or not JSON");
        test::ReceiptFixture f;
        f.setUtility({{QStringLiteral("PaperSize"), in.value(QStringLiteral("paperSize")).toString()}});
        queue(f, in.value(QStringLiteral("items")).toArray(), in.value(QStringLiteral("queue")).toArray());
        auto s = f.services();

        QMap<QString, QString> outputs; // expected file name -> text printed
        if (in.contains(QStringLiteral("printers"))) {
            const WorkstationIni ini(f.folder.path());
            const QJsonObject printers = in.value(QStringLiteral("printers")).toObject();
            for (auto it = printers.begin(); it != printers.end(); ++it)
                IniFile(ini.path()).write(WorkstationIni::PrintersSection, it.key(), it.value().toString());
            const LinePrinterSettings settings = LinePrinterSettings::read(ini);
            QVERIFY(settings.inUse());
            SlipLists lists = ReadSlipLists(*f.db);
            for (const QJsonValue& v : in.value(QStringLiteral("remarks")).toArray())
                lists.kitchen.at(static_cast<size_t>(v.toArray()[0].toInt())).remark =
                    FormatSlipRemark(v.toArray()[1].toString());
            QCOMPARE(SendLinePrinterSlips(s, lists, in.value(QStringLiteral("sendTotal")).toBool(), settings),
                     PrintOutcome::Printed);
            const QMap<QString, QString> names = {{settings.kitchen, QStringLiteral("kitchen")},
                                                  {settings.bar, QStringLiteral("bar")},
                                                  {settings.invoice, QStringLiteral("total")}};
            for (const auto& job : f.sink.jobs)
                outputs.insert(QStringLiteral("expected_%1.txt").arg(names.value(job.printer)),
                               test::JobText(job.document));
            QCOMPARE(int(f.sink.jobs.size()), int(outputs.size()));
        } else {
            QCOMPARE(PrintOrderSlip(s), PrintOutcome::Printed);
            QCOMPARE(f.sink.jobs.size(), size_t(1));
            QCOMPARE(f.sink.jobs[0].printer, QStringLiteral("Receipt"));
            outputs.insert(QStringLiteral("expected.txt"), test::JobText(f.sink.jobs[0].document));
        }
        QVERIFY2(f.prompter.messages.empty(), qPrintable(f.prompter.lastMessage()));
        QCOMPARE(queued(f), 0);

        for (auto it = outputs.begin(); it != outputs.end(); ++it) {
            const QString path = folder + QLatin1Char('/') + it.key();
            if (qEnvironmentVariableIsSet("VANTOREL_UPDATE_GOLDEN")) {
                QFile out(path);
                QVERIFY(out.open(QIODevice::WriteOnly));
                out.write(it.value().toUtf8());
            }
            QVERIFY2(!it.value().isNull(), "a job lacks the printer's start or cut");
            QCOMPARE(it.value(), readFile(path));
        }
        QCOMPARE(QDir(folder).entryList({QStringLiteral("expected*.txt")}).size(), outputs.size());
    }

    void remarks_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("printed");
        QTest::newRow("trailing blanks") << "no onions   "
                                         << "No Onions";
        QTest::newRow("two blanks") << "well done  no sauce"
                                    << "Well Done  No Sauce";
        QTest::newRow("leading blank") << " extra hot"
                                       << " Extra Hot";
        QTest::newRow("accents") << "élan à la carte"
                                 << "Élan À La Carte";
        QTest::newRow("empty") << "   "
                               << "";
    }
    void remarks() {
        QFETCH(QString, typed);
        QFETCH(QString, printed);
        QCOMPARE(FormatSlipRemark(typed), printed);
    }

    void linePrintersInUse_data() {
        QTest::addColumn<QString>("kitchen");
        QTest::addColumn<QString>("bar");
        QTest::addColumn<bool>("inUse");
        QTest::newRow("both none") << "None"
                                   << "None" << false;
        QTest::newRow("empty and none") << ""
                                        << "none" << false;
        QTest::newRow("kitchen only") << "Kitchen"
                                      << "None" << true;
        QTest::newRow("bar only") << ""
                                  << "Bar" << true;
    }
    void linePrintersInUse() {
        QFETCH(QString, kitchen);
        QFETCH(QString, bar);
        QFETCH(bool, inUse);
        LinePrinterSettings p;
        p.kitchen = kitchen;
        p.bar = bar;
        QCOMPARE(p.inUse(), inUse);
    }

    void listsSplitKitchenAndBar() {
        test::ReceiptFixture f;
        queue(f, {QJsonArray{"Fish and Chips", 1}, QJsonArray{"Cola", 2}, QJsonArray{"Peanuts", 0}},
              {QJsonArray{"Tom", "05", "Cola", 2}, QJsonArray{"Tom", "05", "fish and chips", 1},
               QJsonArray{"Anna", "06", "Peanuts", 1}, QJsonArray{"Tom", "05", "Fish and Chips", 1}});
        const SlipLists lists = ReadSlipLists(*f.db);
        QCOMPARE(lists.waiter, QStringLiteral("Tom"));
        QCOMPARE(lists.table, QStringLiteral("05"));
        QCOMPARE(lists.kitchen.size(), size_t(2));
        QCOMPARE(lists.bar.size(), size_t(2));
        QCOMPARE(lists.bar[0].item, QStringLiteral("Cola"));
        QCOMPARE(lists.bar[0].number, 2);
        QCOMPARE(lists.bar[1].item, QStringLiteral("Peanuts"));

        // The touch screen leaves out items marked for neither.
        const SlipLists touch = ReadSlipLists(*f.db, SlipListing::MarkedOnly);
        QCOMPARE(touch.kitchen.size(), size_t(2));
        QCOMPARE(touch.bar.size(), size_t(1));
        QCOMPARE(touch.bar[0].item, QStringLiteral("Cola"));
    }

    void singleSlipKeepsTheQueueWhenItCannotPrint_data() {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("outcome");
        QTest::newRow("printer missing") << "missing" << int(PrintOutcome::PrinterFailed);
        QTest::newRow("printer refuses") << "refuses" << int(PrintOutcome::PrinterFailed);
        QTest::newRow("template missing") << "template" << int(PrintOutcome::MissingTemplate);
    }
    void singleSlipKeepsTheQueueWhenItCannotPrint() {
        QFETCH(QString, failure);
        QFETCH(int, outcome);
        test::ReceiptFixture f;
        queue(f, kItems, kQueue);
        if (failure == QLatin1String("missing"))
            f.sink.printers.removeAll(QStringLiteral("Receipt"));
        else if (failure == QLatin1String("refuses"))
            f.sink.refusing << QStringLiteral("Receipt");
        else
            QVERIFY(QFile::remove(f.folder.path() + QStringLiteral("PRINT/RPT/Barslip.frf")));
        auto s = f.services();
        QCOMPARE(int(PrintOrderSlip(s)), outcome);
        QVERIFY(f.sink.jobs.empty());
        QCOMPARE(queued(f), 2);
        QCOMPARE(f.prompter.messages.size(), size_t(1));
        QCOMPARE(f.prompter.messages[0].caption, QStringLiteral("  Printing stopped"));
        if (failure != QLatin1String("template"))
            QVERIFY(f.prompter.messages[0].text.endsWith(PrintText::OrderSlipKept()));
    }

    void emptyQueuePrintsNothing() {
        test::ReceiptFixture f;
        auto s = f.services();
        QCOMPARE(PrintOrderSlip(s), PrintOutcome::NotWanted);
        QVERIFY(f.sink.jobs.empty());
        QVERIFY(f.prompter.messages.empty());
    }

    void linePrintersCheckEverythingFirst_data() {
        QTest::addColumn<QString>("failure");
        QTest::newRow("bar printer missing") << "missing";
        QTest::newRow("bar printer set to None") << "none";
        QTest::newRow("bar template missing") << "template";
    }
    void linePrintersCheckEverythingFirst() {
        QFETCH(QString, failure);
        test::ReceiptFixture f;
        queue(f, kItems, kQueue);
        LinePrinterSettings p = bothPrinters();
        if (failure == QLatin1String("missing"))
            f.sink.printers.removeAll(QStringLiteral("Bar"));
        else if (failure == QLatin1String("none"))
            p.bar = QStringLiteral("None");
        else
            QVERIFY(QFile::remove(f.folder.path() + QStringLiteral("PRINT/A6/BarslipLP.frf")));
        auto s = f.services();
        QVERIFY(SendLinePrinterSlips(s, ReadSlipLists(*f.db), true, p) != PrintOutcome::Printed);
        QVERIFY(f.sink.jobs.empty()); // not even the kitchen got its slip
        QCOMPARE(queued(f), 2);
        QCOMPARE(f.prompter.messages.size(), size_t(1));
    }

    void aRefusedSlipKeepsTheQueueAndSaysWhatPrinted() {
        test::ReceiptFixture f;
        queue(f, kItems, kQueue);
        f.sink.refusing << QStringLiteral("Bar");
        auto s = f.services();
        QCOMPARE(SendLinePrinterSlips(s, ReadSlipLists(*f.db), false, bothPrinters()),
                 PrintOutcome::PrinterFailed);
        QCOMPARE(f.sink.jobs.size(), size_t(1));
        QCOMPARE(f.sink.jobs[0].printer, QStringLiteral("Kitchen"));
        QCOMPARE(queued(f), 2);
        QVERIFY(f.prompter.lastMessage().contains(QStringLiteral("\"Bar\" did not accept")));
        QVERIFY(f.prompter.lastMessage().contains(QStringLiteral("Already printed for: kitchen.")));
    }

    void sheetPrinterGetsPages() {
        test::ReceiptFixture f;
        queue(f, kItems, kQueue);
        auto s = f.services();
        QCOMPARE(SendLinePrinterSlips(s, ReadSlipLists(*f.db), false, bothPrinters()), PrintOutcome::Printed);
        QCOMPARE(f.sink.jobs.size(), size_t(2));
        QCOMPARE(f.sink.jobs[1].printer, QStringLiteral("Bar"));
        QCOMPARE(f.sink.jobs[1].format, PrintSink::Format::Pdf);
        QCOMPARE(queued(f), 0);
    }
};

QTEST_MAIN(TestOrderSlips)
#include "test_order_slips.moc"
