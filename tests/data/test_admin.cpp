#include "ConnectionString.h"
#include "Database.h"
#include "IniFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace vantorel;

namespace {

struct Result {
    int exitCode;
    QString output;
};

Result admin(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(VANTOREL_ADMIN_EXE), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
}

QByteArray treeHash(const QString& dir) {
    QCryptographicHash h(QCryptographicHash::Sha256);
    QDir d(dir);
    for (const QString& name : d.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
        h.addData(name.toUtf8());
        QFile f(d.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            h.addData(f.readAll());
    }
    return h.result();
}

} // namespace

class TestAdmin : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void createMakesAWorkingDataFolder() {
        QTemporaryDir tmp;
        const QString dir = tmp.filePath(QStringLiteral("shop"));
        const Result r = admin({QStringLiteral("create"), dir});
        QVERIFY2(r.exitCode == 0, qPrintable(r.output));
        for (const char* sub : {"Vantorel.vtd", "Vantorel.ini", "PRINT", "Images", "Backup/Archive"})
            QVERIFY2(QFileInfo::exists(QDir(dir).filePath(QString::fromLatin1(sub))), sub);
        auto db = Database::open(ConnectionString::file(LiveDatabasePath(dir)));
        QCOMPARE(db->scalar(QStringLiteral("SELECT Desc1 FROM Items")).toString(), QStringLiteral("Miscellaneous"));
        QCOMPARE(db->scalar(QStringLiteral("SELECT UserName FROM Pswd")).toString(), QStringLiteral("Owner"));
        const IniFile ini(QDir(dir).filePath(QStringLiteral("Vantorel.ini")));
        QCOMPARE(ini.read(QStringLiteral("DO NOT CHANGE THIS SETTING"), QStringLiteral("SUMINI")),
                 QStringLiteral("0.00"));
        QCOMPARE(ini.read(QStringLiteral("Printers"), QStringLiteral("Kitchen")), QStringLiteral("None"));
    }

    void createGivesTheDefaultPrintingFiles() {
        QTemporaryDir tmp;
        // An owner's own order slip, put there before the folder was made, is kept.
        QVERIFY(QDir(tmp.path()).mkpath(QStringLiteral("PRINT/RPT")));
        QFile own(tmp.filePath(QStringLiteral("PRINT/RPT/Barslip.frf")));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write("page 80mm\n[Detail]\ntext {Item}\n");
        own.close();

        const Result r = admin({QStringLiteral("create"), tmp.path()});
        QVERIFY2(r.exitCode == 0, qPrintable(r.output));
        int receipts = 0;
        QDirIterator it(tmp.filePath(QStringLiteral("PRINT")), {QStringLiteral("*.FRF")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo file(it.next());
            QVERIFY2(file.isWritable(), qPrintable(file.filePath()));
            receipts += file.fileName().size() == 16 ? 1 : 0; // "+ID-BD+SC-TA.FRF" and its siblings
        }
        QCOMPARE(receipts, 2 * 2 * 5 * 16 + 3 * 3 * 16);
        for (const char* path :
             {"PRINT/A6/HEADER/DIRECT/CASH/-ID-BD-SC-TA.FRF", "PRINT/RPT/PLAIN/-ID+BD-SC+TA.FRF",
              "PRINT/A5/FINAL/CARD/+ID-BD+SC-TA.FRF", "PRINT/RP/CASH/THANKS/+ID+BD+SC+TA.FRF",
              "PRINT/MIN/CARD/THANKS/-ID-BD-SC-TA.FRF", "PRINT/A5/VIPDaily.FRF", "PRINT/MIN/VIPDaily.frf",
              "PRINT/A6/Barslip.frf", "PRINT/RP/BarslipLP.frf", "PRINT/REPORTS"})
            QVERIFY2(QFileInfo::exists(tmp.filePath(QString::fromLatin1(path))), path);
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), QByteArray("page 80mm\n[Detail]\ntext {Item}\n"));
    }

    void demoHasABusinessToWorkWith() {
        QTemporaryDir tmp;
        const Result r = admin({QStringLiteral("create"), QStringLiteral("--demo"), tmp.path()});
        QVERIFY2(r.exitCode == 0, qPrintable(r.output));
        QVERIFY(r.output.contains(QStringLiteral("1234")));
        auto db = Database::open(ConnectionString::file(LiveDatabasePath(tmp.path())));
        QVERIFY(db->scalar(QStringLiteral("SELECT count(*) FROM Items WHERE Deleted = false")).toInt() >= 40);
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(*) FROM Pswd")).toInt(), 3);
        QVERIFY(db->scalar(QStringLiteral("SELECT count(*) FROM Association")).toInt() > 0);
        QVERIFY(db->scalar(QStringLiteral("SELECT count(DISTINCT MainGroup) FROM Items")).toInt() >= 2);
        // The billing-only waiter holds exactly the billing rights.
        const QString anna = db->scalar(QStringLiteral("SELECT AutoNum FROM Pswd WHERE UserName = 'ANNA'")).toString();
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(*) FROM FunctionAccess WHERE UserID = ?"), {anna}).toInt(), 3);
        QVERIFY(!db->queryOne(QStringLiteral("SELECT * FROM Taxes"))->money(QStringLiteral("TSalesTax")).isZero());
    }

    void badInputChangesNothing_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown option") << QStringList{"create", "--colour", "DIR"} << 2 << "Unknown option --colour";
        QTest::newRow("unknown command") << QStringList{"explode"} << 2 << "Unknown command explode";
        QTest::newRow("no folder") << QStringList{"create"} << 2 << "needs the folder";
        QTest::newRow("owner id with zero") << QStringList{"create", "--owner-id", "0968", "DIR"} << 1 << "must not start with 0";
        QTest::newRow("owner name with quote") << QStringList{"create", "--owner", "O'Neil", "DIR"} << 1 << "\"'\"";
        QTest::newRow("existing database") << QStringList{"create", "EXISTING"} << 1 << "already holds a database";
        QTest::newRow("unwritable folder") << QStringList{"create", "/proc/vantorel-test"} << 1 << "Cannot create the folder";
    }
    void badInputChangesNothing() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir tmp;
        const QString existing = tmp.filePath(QStringLiteral("existing"));
        QCOMPARE(admin({QStringLiteral("create"), QStringLiteral("--demo"), existing}).exitCode, 0);
        const QByteArray before = treeHash(existing);
        for (QString& a : args) {
            if (a == QLatin1String("DIR"))
                a = tmp.filePath(QStringLiteral("new"));
            else if (a == QLatin1String("EXISTING"))
                a = existing;
        }
        const Result r = admin(args);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.output.contains(message), qPrintable(r.output));
        QVERIFY(!QFileInfo::exists(tmp.filePath(QStringLiteral("new/Vantorel.vtd"))));
        QCOMPARE(treeHash(existing), before);
    }
};

QTEST_GUILESS_MAIN(TestAdmin)
#include "test_admin.moc"
