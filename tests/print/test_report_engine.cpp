#include "DataFolderFiles.h"
#include "EscPos.h"
#include "Money.h"
#include "PagedReport.h"
#include "PrintTexts.h"
#include "RecordingPrintSink.h"
#include "ReportLayout.h"
#include "ReportPrinting.h"
#include "ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vantorel;

namespace {

const QDateTime kPrintedAt(QDate(2026, 3, 14), QTime(21, 15));

ReportTemplate parse(const QString& text) {
    TemplateError error;
    auto t = ParseTemplate(text, &error);
    if (!t)
        qFatal("template does not parse: %s", qPrintable(error.toString()));
    return *t;
}

// A dataset of lines "Item;Quantity;Price;Group", prices as amounts.
ReportDataset lines(const QStringList& rows) {
    ReportDataset d({QStringLiteral("Item"), QStringLiteral("Quantity"), QStringLiteral("Price"),
                     QStringLiteral("Group")});
    for (const QString& r : rows) {
        const QStringList f = r.split(QLatin1Char(';'));
        d.appendRow({f[0], f[1].toDouble(), QVariant::fromValue(*Money::parse(f[2])), f.value(3)});
    }
    return d;
}

QString render(const QString& body, const ReportDataset& data, int width = 30) {
    const ReportTemplate t = parse(QStringLiteral("page 80mm\nwidth %1\n").arg(width) + body);
    return ReportLayout(t, data, kPrintedAt).toText();
}

} // namespace

class TestReportEngine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void linesAreLaidOutToTheWidth_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("amount pushed right") << "text {Item}{>}{Price:money}"
                                             << "Fish and Chips          1,234.50";
        QTest::newRow("fixed widths") << "text {Quantity:qty:>3} {Item:<6}|{Price:money:10}|"
                                      << "  2 Fish a|  1,234.50|";
        QTest::newRow("centered field") << "text [{Quantity:number:^5}]"
                                        << "[  2  ]";
        QTest::newRow("centered line") << "center * {Item} *"
                                       << "       * Fish and Chips *";
        QTest::newRow("right line") << "right Table {Quantity}"
                                    << "                         Table 2";
        QTest::newRow("left side gives way to the amount")
            << "text A very long description of the dish{>}{Price:money}"
            << "A very long description 1,234.50";
        QTest::newRow("amount never cut") << "text {Price:money:3}"
                                          << "1,234.50";
        QTest::newRow("braces") << "text {{Item}} is {Item:upper}"
                                << "{Item} is FISH AND CHIPS";
        QTest::newRow("printing time") << "text {#now:date} {#now:time} {#now:date=dd MMM yyyy}"
                                       << "14/03/2026 21:15 14 Mar 2026";
        QTest::newRow("rule") << "rule ="
                              << "================================";
        QTest::newRow("blank") << "blank"
                               << "";
        QTest::newRow("keeps blanks after the keyword") << "text    indented"
                                                        << "   indented";
        QTest::newRow("long centred line wraps at blanks")
            << "center Happy hour every day from 17:00 until 19:00 at the bar"
            << "Happy hour every day from 17:00\n     until 19:00 at the bar";
        QTest::newRow("long plain line wraps") << "text {Item} {Item} {Item}"
                                               << "Fish and Chips Fish and Chips\nFish and Chips";
        QTest::newRow("a word longer than the line is cut")
            << "text Supercalifragilisticexpialidocious-{Item}"
            << "Supercalifragilisticexpialidocio\nus-Fish and Chips";
    }
    void linesAreLaidOutToTheWidth() {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        // The widths of the expectations above assume 32 characters.
        const QString text = render(QStringLiteral("[Detail]\n") + line + QLatin1Char('\n'),
                                    lines({QStringLiteral("Fish and Chips;2;1234.50")}), 32);
        QCOMPARE(text, expected + QLatin1Char('\n'));
    }

    void conditionsDecideWhichLinesPrint_data() {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("row");
        QTest::addColumn<bool>("printed");
        QTest::newRow("amount above zero") << "Price > 0"
                                           << "Soup;1;6.50" << true;
        QTest::newRow("zero amount is false") << "Price"
                                              << "Soup;1;0.00" << false;
        QTest::newRow("non-zero amount is true") << "Price"
                                                 << "Soup;1;0.01" << true;
        QTest::newRow("between") << "Quantity > 0 and Quantity < 100"
                                 << "Soup;100;1" << false;
        QTest::newRow("or") << "Quantity = 3 or Item = 'soup'"
                            << "Soup;1;1" << true;
        QTest::newRow("text is compared without case") << "Item != \"SOUP\""
                                                       << "Soup;1;1" << false;
        QTest::newRow("not") << "not Group"
                             << "Soup;1;1;" << true;
        QTest::newRow("blank text is false") << "Group"
                                             << "Soup;1;1;  " << false;
        QTest::newRow("parentheses") << "not (Quantity >= 2 and Price < 5)"
                                     << "Soup;2;4.99" << false;
        QTest::newRow("sum") << "sum(Price) != 0"
                             << "Soup;1;0.00" << false;
        QTest::newRow("unknown column is empty") << "Nothing"
                                                 << "Soup;1;1" << false;
    }
    void conditionsDecideWhichLinesPrint() {
        QFETCH(QString, condition);
        QFETCH(QString, row);
        QFETCH(bool, printed);
        const QString text =
            render(QStringLiteral("[Detail]\nif %1: text yes\ntext end\n").arg(condition), lines({row}));
        QCOMPARE(text, printed ? QStringLiteral("yes\nend\n") : QStringLiteral("end\n"));
    }

    void bandsGroupsAndSums() {
        const QString body = QStringLiteral("[ReportHeader]\n"
                                            "center Sales\n"
                                            "[PageHeader]\n"
                                            "text Item{>}Amount\n"
                                            "[GroupHeader Group]\n"
                                            "text == {Group} ({count()}) ==\n"
                                            "[Detail]\n"
                                            "text {Item}{>}{Price:money}\n"
                                            "[GroupFooter Group]\n"
                                            "text {Group} total{>}{sum(Price):money}\n"
                                            "[Summary]\n"
                                            "rule\n"
                                            "text {count()} lines{>}{sum(Price):money}\n");
        // Group values are compared without regard to case; the footer reads the group's last row.
        const ReportDataset data =
            lines({QStringLiteral("Soup;1;6.50;Food"), QStringLiteral("Steak;1;26.90;food"),
                   QStringLiteral("Cola;2;6.40;Drinks")});
        QCOMPARE(render(body, data), QStringLiteral("            Sales\n"
                                                    "Item                    Amount\n"
                                                    "== Food (2) ==\n"
                                                    "Soup                      6.50\n"
                                                    "Steak                    26.90\n"
                                                    "food total               33.40\n"
                                                    "== Drinks (1) ==\n"
                                                    "Cola                      6.40\n"
                                                    "Drinks total              6.40\n"
                                                    "------------------------------\n"
                                                    "3 lines                  39.80\n"));
    }

    void emptyDatasetPrintsHeadersOnly() {
        const QString text =
            render(QStringLiteral("[ReportHeader]\ntext Title {Item}\n[Detail]\ntext {Item}\n"
                                  "[Summary]\ntext {count()} {sum(Price):money}\n"),
                   ReportDataset({QStringLiteral("Item"), QStringLiteral("Price")}));
        QCOMPARE(text, QStringLiteral("Title\n0 0.00\n"));
    }

    void csvExportSeparatesPiecesBySemicolons() {
        const ReportTemplate t = parse(
            QStringLiteral("page A5\n[Detail]\ntext {Item}{>}{Quantity:qty} x {Price:money}\nrule\nblank\n"));
        ReportDataset d({QStringLiteral("Item"), QStringLiteral("Quantity"), QStringLiteral("Price")});
        d.appendRow({QStringLiteral("Fish; Chips"), 2.0, QVariant::fromValue(Money::fromCents(123450))});
        d.appendRow({QStringLiteral("Tea \"Earl\""), 1.0, QVariant::fromValue(Money::fromCents(280))});
        QCOMPARE(ReportLayout(t, d, kPrintedAt).toCsv(),
                 QStringLiteral("\"Fish; Chips\";2;x;1,234.50\r\n\"Tea \"\"Earl\"\"\";1;x;2.80\r\n"));
    }

    void parseErrorsNameTheLine_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown band") << "page A5\n[Details]\n" << 2 << "unknown band";
        QTest::newRow("group without column") << "[GroupHeader]\n" << 1 << "needs the column";
        QTest::newRow("unknown format") << "[Detail]\ntext {Price:euro}\n" << 2 << "unknown format";
        QTest::newRow("open field") << "[Detail]\n\ntext {Price\n" << 3 << "without \"}\"";
        QTest::newRow("if without colon") << "[Detail]\nif Price text x\n" << 2 << "without \":\"";
        QTest::newRow("bad condition") << "[Detail]\nif Price >: text x\n" << 2 << "ends too early";
        QTest::newRow("unknown keyword") << "[Detail]\nprint x\n" << 2 << "must start with";
        QTest::newRow("bad page") << "page Letter\n" << 1 << "page must be";
        QTest::newRow("line before band") << "text x\n" << 1 << "before the first band";
        QTest::newRow("band twice") << "[Detail]\n[Detail]\n" << 2 << "twice";
        QTest::newRow("unknown function") << "[Detail]\ntext {avg(Price)}\n" << 2 << "unknown function";
    }
    void parseErrorsNameTheLine() {
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(QString, message);
        TemplateError error;
        QVERIFY(!ParseTemplate(text, &error));
        QCOMPARE(error.line, line);
        QVERIFY2(error.message.contains(message), qPrintable(error.message));
    }

    void namesInTheDataFolderIgnoreCase() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("PRINT/REPORTS")));
        QFile f(dir.filePath(QStringLiteral("PRINT/REPORTS/TR01.FRF")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        const QString expected = QDir(dir.path()).absoluteFilePath(QStringLiteral("PRINT/REPORTS/TR01.FRF"));
        QCOMPARE(FindInDataFolder(dir.path(), QStringLiteral("PRINT\\Reports\\tr01.frf")), expected);
        QCOMPARE(FindInDataFolder(dir.path(), QStringLiteral("print/reports/TR01.FRF")), expected);
        QVERIFY(FindInDataFolder(dir.path(), QStringLiteral("PRINT/REPORTS/TR02.FRF")).isEmpty());
        QVERIFY(FindInDataFolder(dir.path(), QStringLiteral("PRINT/REPORTS/TR01.FRF/x")).isEmpty());
        QVERIFY(FindInDataFolder(dir.path(), QStringLiteral("PRINT/../PRINT/REPORTS/TR01.FRF")).isEmpty());
    }

    void missingTemplateStopsPrinting() {
        QTemporaryDir dir;
        test::ScriptedPrompter prompter;
        QVERIFY(!LoadReportTemplate(dir.path(), QStringLiteral("PRINT/REPORTS/TR01.FRF"), prompter));
        QCOMPARE(prompter.messages.size(), size_t(1));
        QCOMPARE(prompter.messages[0].caption, QStringLiteral("  Printing stopped"));
        const QStringList message = prompter.messages[0].text.split(QLatin1Char('\n'));
        QCOMPARE(message.size(), 2);
        QCOMPARE(message[0],
                 QStringLiteral("Essential printing-files have been erased from your diskdrive!"));
    }

    void damagedTemplateSaysWhere() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("PRINT")));
        QFile f(dir.filePath(QStringLiteral("PRINT/Barslip.frf")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("page A5\n[Detail]\ntext {Item\n");
        f.close();
        test::ScriptedPrompter prompter;
        QVERIFY(!LoadReportTemplate(dir.path(), QStringLiteral("PRINT/BARSLIP.FRF"), prompter));
        QCOMPARE(prompter.messages.size(), size_t(1));
        QVERIFY(prompter.messages[0].text.contains(QStringLiteral("line 3")));
    }

    void missingPrinterFailsLoudly() {
        const ReportTemplate t = parse(QStringLiteral("page 80mm\n[Detail]\ntext {Item}\n"));
        const ReportDataset data = lines({QStringLiteral("Soup;1;1")});
        test::RecordingPrintSink sink;
        sink.printers = {QStringLiteral("Receipt")};
        test::ScriptedPrompter prompter;
        QCOMPARE(PrintReport(ReportLayout(t, data, kPrintedAt), QStringLiteral("Kitchen"), sink, prompter,
                             QStringLiteral("kept")),
                 PrintOutcome::PrinterFailed);
        QVERIFY(sink.jobs.empty());
        QVERIFY(prompter.lastMessage().contains(QStringLiteral("\"Kitchen\" cannot be found")));
        QVERIFY(prompter.lastMessage().endsWith(QStringLiteral("kept")));

        sink.refusing << QStringLiteral("Receipt");
        QCOMPARE(PrintReport(ReportLayout(t, data, kPrintedAt), QStringLiteral("Receipt"), sink, prompter),
                 PrintOutcome::PrinterFailed);
        QVERIFY(prompter.lastMessage().contains(QStringLiteral("out of paper")));

        // No name: the system's default printer; none at all is said as such.
        QCOMPARE(PrintReport(ReportLayout(t, data, kPrintedAt), QString(), sink, prompter),
                 PrintOutcome::PrinterFailed);
        QCOMPARE(prompter.lastMessage(), PrintText::NoPrinterSet());
    }

    void rollJobIsRawWithCharacterSetAndCut() {
        const ReportTemplate t =
            parse(QStringLiteral("page 80mm\n[Detail]\nbold big text {Item}{>}{Price:money}\n"));
        ReportDataset data({QStringLiteral("Item"), QStringLiteral("Price")});
        data.appendRow({QStringLiteral("Crème brûlée €"), QVariant::fromValue(Money::fromCents(690))});
        test::RecordingPrintSink sink;
        sink.printers = {QStringLiteral("Thermal")};
        sink.defaultName = QStringLiteral("Thermal");
        test::ScriptedPrompter prompter;
        QCOMPARE(PrintReport(ReportLayout(t, data, kPrintedAt), QString(), sink, prompter),
                 PrintOutcome::Printed);
        QCOMPARE(sink.jobs.size(), size_t(1));
        QCOMPARE(sink.jobs[0].format, PrintSink::Format::Raw);
        const QByteArray expected = QByteArrayLiteral("\x1b@\x1bt\x10") +
                                    QByteArrayLiteral("\x1b!\x18") + // bold, double height
                                    QByteArrayLiteral("Cr\xe8me br\xfbl\xe9\x65 \x80") + QByteArray(24, ' ') +
                                    QByteArrayLiteral("6.90\n\x1b!\x00\x1dVB\x04");
        QCOMPARE(sink.jobs[0].document, expected);
    }

    void sheetReportsArePagedWithHeadersAndFooters() {
        const ReportTemplate t = parse(QStringLiteral("page A6\n"
                                                      "[ReportHeader]\ncenter Price list\n"
                                                      "[PageHeader]\ntext Item{>}Price\nrule\n"
                                                      "[Detail]\ntext {Item}{>}{Price:money}\n"
                                                      "[Summary]\ntext Items: {count()}\n"
                                                      "[PageFooter]\nright Page {#page}\n"));
        QStringList rows;
        for (int i = 1; i <= 120; ++i)
            rows << QStringLiteral("Dish %1;1;%2").arg(i).arg(i);
        const PagedReport pages(ReportLayout(t, lines(rows), kPrintedAt));
        QVERIFY(pages.pageCount() >= 3);
        int details = 0;
        for (int p = 0; p < pages.pageCount(); ++p) {
            const auto& l = pages.pageLines(p);
            const int first = p == 0 ? 1 : 0; // the report header comes first on page one
            QCOMPARE(l[static_cast<size_t>(first)].text.left(4), QStringLiteral("Item"));
            QCOMPARE(l.back().text.trimmed(), QStringLiteral("Page %1").arg(p + 1));
            for (const LaidLine& line : l)
                details += line.text.startsWith(QStringLiteral("Dish ")) ? 1 : 0;
        }
        QCOMPARE(details, 120);
        QCOMPARE(pages.pageLines(0).front().text.trimmed(), QStringLiteral("Price list"));
        const QByteArray pdf = pages.toPdf(QStringLiteral("Price list"));
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.contains("/Count " + QByteArray::number(pages.pageCount())));
    }

    void rollIsOnePageAsLongAsItsLines() {
        const ReportTemplate t = parse(QStringLiteral("page 58mm\n[Detail]\ntext {Item}\n"));
        QStringList rows;
        for (int i = 0; i < 200; ++i)
            rows << QStringLiteral("Line;1;1");
        const PagedReport pages(ReportLayout(t, lines(rows), kPrintedAt));
        QCOMPARE(pages.pageCount(), 1);
        QCOMPARE(pages.pageSizeMm().width(), 58.0);
        QVERIFY(pages.pageSizeMm().height() > 200);
    }
};

QTEST_MAIN(TestReportEngine)
#include "test_report_engine.moc"
