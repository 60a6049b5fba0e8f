#include "IniFile.h"
#include "RegistryValues.h"
#include "WorkstationIni.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vantorel;

namespace {

void writeFile(const QString& path, const QByteArray& text) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// The workstation's INI file and the computer-wide values.
class TestLocalSettings : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_config;
    QByteArray m_savedConfigHome;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_config.isValid());
        m_savedConfigHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    }
    void cleanupTestCase() {
        if (m_savedConfigHome.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", m_savedConfigHome);
    }

    void missingFileReadsWithSubstitutes() {
        QTemporaryDir data;
        const WorkstationIni ini(data.path() + QLatin1Char('/'));
        QCOMPARE(ini.path(), data.filePath(QStringLiteral("Vantorel.ini")));
        QCOMPARE(ini.carriedCashText(), QStringLiteral("0.00"));
        QCOMPARE(ini.carriedCash(), Money());
        QCOMPARE(ini.kitchenPrinter(), QStringLiteral("None"));
        QCOMPARE(ini.barPrinter(), QStringLiteral("None"));
        QCOMPARE(ini.kitchenPrinterType(), QString());
        QCOMPARE(ini.invoicePrinter(), QString());
        QVERIFY(!ini.copyTotalsToInvoicePrinter());
        QVERIFY(!ini.linePrintersConfigured());
        QVERIFY(!QFile::exists(ini.path())); // reading creates nothing
    }

    void emptyValuesReadWithSubstitutes() {
        QTemporaryDir data;
        writeFile(data.filePath(QStringLiteral("Vantorel.ini")),
                  "[DO NOT CHANGE THIS SETTING]\r\nSUMINI=\r\nPROGINI=1\r\n[Printers]\r\nKitchen=\r\nBar=\r\n"
                  "KType=\r\nCopyIvoice=yes\r\n");
        const WorkstationIni ini(data.path() + QLatin1Char('/'));
        QCOMPARE(ini.carriedCashText(), QStringLiteral("0.00"));
        QCOMPARE(ini.kitchenPrinter(), QStringLiteral("None"));
        QCOMPARE(ini.barPrinter(), QStringLiteral("None"));
        QVERIFY(!ini.linePrintersConfigured());
        QVERIFY(ini.copyTotalsToInvoicePrinter());
    }

    void linePrinters_data() {
        QTest::addColumn<QString>("kitchen");
        QTest::addColumn<QString>("bar");
        QTest::addColumn<bool>("configured");
        QTest::newRow("both none") << "None"
                                   << "None" << false;
        QTest::newRow("both empty") << ""
                                    << "" << false;
        QTest::newRow("kitchen only") << "Kitchen_TM"
                                      << "None" << true;
        QTest::newRow("bar only, kitchen empty") << ""
                                                 << "Bar_TM" << true;
        QTest::newRow("none in other case") << "NONE"
                                            << "none" << false;
    }
    void linePrinters() {
        QFETCH(QString, kitchen);
        QFETCH(QString, bar);
        QFETCH(bool, configured);
        QTemporaryDir data;
        const WorkstationIni ini(data.path() + QLatin1Char('/'));
        ini.setKitchenPrinter(kitchen);
        ini.setBarPrinter(bar);
        QCOMPARE(ini.linePrintersConfigured(), configured);
    }

    void writesExactNames() {
        QTemporaryDir data;
        const WorkstationIni ini(data.path() + QLatin1Char('/'));
        ini.setCarriedCash(*Money::parse(u"1234.5"));
        ini.setStartupCashTyped(true);
        ini.setKitchenPrinter(QStringLiteral("Kitchen TM-U220"));
        ini.setKitchenPrinterType(QStringLiteral("Impact"));
        ini.setBarPrinter(QStringLiteral("None"));
        ini.setBarPrinterType(QStringLiteral("None"));
        ini.setInvoicePrinter(QStringLiteral("Receipt"));
        ini.setInvoicePrinterType(QStringLiteral("Receipt Printer (Thermal)"));
        ini.setCopyTotalsToInvoicePrinter(true);
        QCOMPARE(ini.carriedCashText(), QStringLiteral("1234.50"));
        QCOMPARE(ini.carriedCash(), *Money::parse(u"1234.5"));
        QCOMPARE(ini.kitchenPrinter(), QStringLiteral("Kitchen TM-U220"));
        QCOMPARE(ini.invoicePrinterType(), QStringLiteral("Receipt Printer (Thermal)"));
        QVERIFY(ini.copyTotalsToInvoicePrinter());
        QVERIFY(ini.linePrintersConfigured());

        const IniFile raw(ini.path());
        const QString cash = QStringLiteral("DO NOT CHANGE THIS SETTING");
        QCOMPARE(raw.read(cash, QStringLiteral("SUMINI")), QStringLiteral("1234.50"));
        QCOMPARE(raw.read(cash, QStringLiteral("PROGINI")), QStringLiteral("1"));
        QCOMPARE(raw.read(QStringLiteral("Printers"), QStringLiteral("CopyIvoice")), QStringLiteral("Yes"));
        const QByteArray text = readFile(ini.path());
        QVERIFY(text.contains("[DO NOT CHANGE THIS SETTING]"));
        QVERIFY(text.contains("KType=Impact"));

        ini.setCarriedCash(Money());
        ini.setStartupCashTyped(false);
        ini.setCopyTotalsToInvoicePrinter(false);
        QCOMPARE(raw.read(cash, QStringLiteral("SUMINI")), QStringLiteral("0.00"));
        QCOMPARE(raw.read(cash, QStringLiteral("PROGINI")), QStringLiteral("0"));
        QCOMPARE(raw.read(QStringLiteral("Printers"), QStringLiteral("CopyIvoice")), QStringLiteral("No"));
    }

    void carriedCashThatIsNoAmountCountsAsZero() {
        QTemporaryDir data;
        writeFile(data.filePath(QStringLiteral("Vantorel.ini")),
                  "[DO NOT CHANGE THIS SETTING]\nSUMINI=abc\n");
        const WorkstationIni ini(data.path() + QLatin1Char('/'));
        QCOMPARE(ini.carriedCashText(), QStringLiteral("abc"));
        QCOMPARE(ini.carriedCash(), Money());
    }

    void registryValuesLiveInTheConfigFolder() {
        const QString expected = m_config.filePath(QStringLiteral("Vantorel/Vantorel.conf"));
        QCOMPARE(RegistryStore::standardPath(), expected);
        QCOMPARE(ReadRegistryValue(RegistryValue::Bill), QString()); // no file yet
        WriteRegistryValue(RegistryValue::Bill, QStringLiteral("26000123"));
        WriteRegistryValue(RegistryValue::LocationExeFile, QStringLiteral("/opt/vantorel/bin"));
        WriteRegistryValue(RegistryValue::LocationProgramData,
                           QStringLiteral("/home/bar/.local/share/Vantorel/"));
        WriteRegistryValue(RegistryValue::Licence, QStringLiteral("LIC-42"));
        QVERIFY(QFile::exists(expected));
        QCOMPARE(ReadRegistryValue(QStringLiteral("Bill")), QStringLiteral("26000123"));
        QCOMPARE(ReadRegistryValue(QStringLiteral("Location ExeFile")), QStringLiteral("/opt/vantorel/bin"));
        QCOMPARE(ReadRegistryValue(QStringLiteral("Location Program Data")),
                 QStringLiteral("/home/bar/.local/share/Vantorel/"));
        QCOMPARE(ReadRegistryValue(QStringLiteral("LIC")), QStringLiteral("LIC-42"));
        QCOMPARE(ReadRegistryValue(RegistryValue::Lan), QString()); // never written
        WriteRegistryValue(RegistryValue::Bill, QStringLiteral("26000124"));
        QCOMPARE(ReadRegistryValue(RegistryValue::Bill), QStringLiteral("26000124"));
        const QByteArray text = readFile(expected);
        QVERIFY(text.contains("Location ExeFile=/opt/vantorel/bin")); // spaces stay spaces
        QCOMPARE(text.count("Bill="), 1);
    }

    void registryFileIsStandardIni() {
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty())
            QSKIP("python3 is not installed");
        QTemporaryDir dir;
        const RegistryStore store(dir.filePath(QStringLiteral("Vantorel/Vantorel.conf")));
        store.write(RegistryValue::LocationProgramData, QStringLiteral("/srv/vantorel/"));
        store.write(RegistryValue::Lan, QStringLiteral("/mnt/bar/Vantorel/"));
        QProcess p;
        p.start(python,
                {QStringLiteral("-c"),
                 QStringLiteral("import configparser,sys\n"
                                "c=configparser.ConfigParser(); c.optionxform=str; c.read(sys.argv[1])\n"
                                "s=c['Software\\\\Vantorel']\n"
                                "print(s['Location Program Data'], s['LAN'], sep='|')"),
                 store.path()});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()).trimmed(),
                 QStringLiteral("/srv/vantorel/|/mnt/bar/Vantorel/"));
    }

    void registryWriteFailureCarriesTheSystemReason() {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
        writeFile(blocker, "x");
        const RegistryStore store(blocker + QStringLiteral("/Vantorel/Vantorel.conf"));
        QCOMPARE(store.read(RegistryValue::Bill), QString());
        try {
            store.write(RegistryValue::Bill, QStringLiteral("26000001"));
            QFAIL("the write should have failed");
        } catch (const RegistryError& e) {
            QVERIFY2(e.message().contains(QStringLiteral("Not a directory")), qPrintable(e.message()));
            QVERIFY(e.message().contains(QStringLiteral("\"Bill\"")));
        }
    }
};

QTEST_GUILESS_MAIN(TestLocalSettings)
#include "test_localsettings.moc"
