#include "IniFile.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using vantorel::IniFile;

class TestIniFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingFileAndKeyReadEmpty() {
        QTemporaryDir tmp;
        const IniFile ini(tmp.filePath(QStringLiteral("none.ini")));
        QCOMPARE(ini.read(QStringLiteral("Printers"), QStringLiteral("Kitchen")), QString());
        ini.write(QStringLiteral("Printers"), QStringLiteral("Bar"), QStringLiteral("None"));
        QCOMPARE(ini.read(QStringLiteral("Printers"), QStringLiteral("Kitchen")), QString());
    }

    void writesKeyByKeyAndKeepsTheRest() {
        QTemporaryDir tmp;
        const QString path = tmp.filePath(QStringLiteral("Vantorel.ini"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("; kept comment\r\n[Printers]\r\nKitchen=EPSON TM\r\n\r\n[Other]\r\nx=1\r\n");
        }
        const IniFile ini(path);
        ini.write(QStringLiteral("DO NOT CHANGE THIS SETTING"), QStringLiteral("SUMINI"), QStringLiteral("150.00"));
        ini.write(QStringLiteral("Printers"), QStringLiteral("Bar"), QStringLiteral("Bar Printer 2"));
        ini.write(QStringLiteral("Printers"), QStringLiteral("Kitchen"), QStringLiteral("None"));
        QCOMPARE(ini.read(QStringLiteral("DO NOT CHANGE THIS SETTING"), QStringLiteral("SUMINI")), QStringLiteral("150.00"));
        QCOMPARE(ini.read(QStringLiteral("Printers"), QStringLiteral("Bar")), QStringLiteral("Bar Printer 2"));
        QCOMPARE(ini.read(QStringLiteral("printers"), QStringLiteral("KITCHEN")), QStringLiteral("None"));
        QCOMPARE(ini.read(QStringLiteral("Other"), QStringLiteral("x")), QStringLiteral("1"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        QVERIFY(text.contains("; kept comment"));
        QVERIFY(text.contains("[DO NOT CHANGE THIS SETTING]"));
        QCOMPARE(text.count("Kitchen="), 1);
    }

    // Another INI reader must see the same sections and keys.
    void readableByAnotherIniReader() {
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty())
            QSKIP("python3 is not installed");
        QTemporaryDir tmp;
        const QString path = tmp.filePath(QStringLiteral("Vantorel.ini"));
        const IniFile ini(path);
        ini.write(QStringLiteral("DO NOT CHANGE THIS SETTING"), QStringLiteral("SUMINI"), QStringLiteral("0.00"));
        ini.write(QStringLiteral("DO NOT CHANGE THIS SETTING"), QStringLiteral("PROGINI"), QStringLiteral("1"));
        ini.write(QStringLiteral("Printers"), QStringLiteral("Invoice"), QStringLiteral("Receipt Printer"));
        QProcess p;
        p.start(python, {QStringLiteral("-c"),
                         QStringLiteral("import configparser,sys\n"
                                        "c=configparser.ConfigParser(); c.optionxform=str; c.read(sys.argv[1])\n"
                                        "print(c['DO NOT CHANGE THIS SETTING']['SUMINI'], "
                                        "c['DO NOT CHANGE THIS SETTING']['PROGINI'], c['Printers']['Invoice'], sep='|')"),
                         path});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()).trimmed(), QStringLiteral("0.00|1|Receipt Printer"));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_inifile.moc"
