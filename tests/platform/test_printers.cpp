#include "Printers.h"

#include <QTest>

using namespace vantorel;

namespace {

class FixedPrinters final : public PrinterSource {
public:
    FixedPrinters(QStringList names, QString systemDefault)
        : m_names(std::move(names)), m_default(std::move(systemDefault)) {}
    QStringList printerNames() const override { return m_names; }
    QString systemDefaultPrinter() const override { return m_default; }

private:
    QStringList m_names;
    QString m_default;
};

} // namespace

class TestPrinters : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { UsePrinterSource(nullptr); }

    void startsAsTheSystemDefault() {
        UsePrinterSource(nullptr);
        const CupsPrinterSource cups;
        QCOMPARE(DefaultPrinterName(), cups.systemDefaultPrinter());
    }

    void switchesOnlyToInstalledPrinters() {
        UsePrinterSource(std::make_shared<FixedPrinters>(
            QStringList{QStringLiteral("Office_Laser"), QStringLiteral("Receipt_TM88")},
            QStringLiteral("Office_Laser")));
        QCOMPARE(DefaultPrinterName(), QStringLiteral("Office_Laser"));
        QVERIFY(!SetWindowsDefaultPrinter(QStringLiteral("Kitchen")));
        QCOMPARE(DefaultPrinterName(), QStringLiteral("Office_Laser"));
        QVERIFY(!SetWindowsDefaultPrinter(QString()));
        QCOMPARE(DefaultPrinterName(), QStringLiteral("Office_Laser"));
        QVERIFY(SetWindowsDefaultPrinter(QStringLiteral("receipt_tm88")));
        QCOMPARE(DefaultPrinterName(), QStringLiteral("Receipt_TM88")); // the installed spelling
        QVERIFY(SetWindowsDefaultPrinter(QStringLiteral("Office_Laser")));
        QCOMPARE(DefaultPrinterName(), QStringLiteral("Office_Laser"));
    }

    void noSystemDefault() {
        UsePrinterSource(std::make_shared<FixedPrinters>(QStringList{QStringLiteral("PDF")}, QString()));
        QCOMPARE(DefaultPrinterName(), QString());
        QCOMPARE(FindPrinter(QStringLiteral("pdf")), QStringLiteral("PDF"));
        QVERIFY(SetWindowsDefaultPrinter(QStringLiteral("PDF")));
        QCOMPARE(DefaultPrinterName(), QStringLiteral("PDF"));
    }
};

QTEST_GUILESS_MAIN(TestPrinters)
#include "test_printers.moc"
