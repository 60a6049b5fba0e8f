#include "CommandLine.h"
#include "ConnectionString.h"
#include "DataFolderSetup.h"
#include "DesktopShortcut.h"
#include "ProgramState.h"
#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace vantorel;

namespace {

void writeFile(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestStartupFolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dataFolderFromOptionOrXdgHome() {
        QTemporaryDir tmp;
        qputenv("XDG_DATA_HOME", QFile::encodeName(tmp.path()));
        QCOMPARE(DataFolderFor(QString()), tmp.path() + QStringLiteral("/Vantorel/"));
        QCOMPARE(DataFolderFor(tmp.filePath(QStringLiteral("shop/"))), tmp.path() + QStringLiteral("/shop/"));
        QCOMPARE(ParseCommandLine({QStringLiteral("vantorel"), QStringLiteral("--data-folder"), tmp.path()})
                     .dataFolder,
                 tmp.path() + QLatin1Char('/'));
    }

    void secondInstanceIsRefused() {
        QTemporaryDir tmp;
        const QString lock = tmp.filePath(QStringLiteral("vantorel.lock"));
        {
            SingleInstance first(lock);
            QVERIFY(first.isFirst());
            SingleInstance second(lock);
            QVERIFY(!second.isFirst());
        }
        SingleInstance again(lock); // the first one has ended
        QVERIFY(again.isFirst());
    }

    void missingDatabase() {
        QTemporaryDir tmp;
        ProgramState state;
        state.dataFolder = tmp.path() + QLatin1Char('/');
        QVERIFY(DatabaseMissing(state));
        writeFile(tmp.filePath(QStringLiteral("Vantorel.vtd")), "x");
        QVERIFY(!DatabaseMissing(state));
        QVERIFY(QFile::remove(tmp.filePath(QStringLiteral("Vantorel.vtd"))));
        WriteServerSettings(state.dataFolder,
                            ServerSettings::fromConninfo(QStringLiteral("host=db1 dbname=pos")));
        QVERIFY(!DatabaseMissing(state)); // a workstation on a shared server has no file of its own
    }

    void findsPathsWithoutRegardToCase() {
        QTemporaryDir tmp;
        writeFile(tmp.filePath(QStringLiteral("PRINT/REPORTS/Sales.FRF")), "x");
        QCOMPARE(FindPathNoCase(tmp.path(), QStringLiteral("Print/Reports/sales.frf")),
                 tmp.filePath(QStringLiteral("PRINT/REPORTS/Sales.FRF")));
        QCOMPARE(FindPathNoCase(tmp.path(), QStringLiteral("Print/Missing")), QString());
    }

    void preparesBackupAndReceiptFolders() {
        QTemporaryDir tmp;
        const QString data = tmp.path() + QLatin1Char('/');
        writeFile(data + QStringLiteral("PRINT/RP/Card/Plain/Final.FRF"), "new final");
        writeFile(data + QStringLiteral("PRINT/RP/FINAL.frf"), "old final");
        writeFile(data + QStringLiteral("PRINT/RP/Keep.FRF"), "keep");
        writeFile(data + QStringLiteral("PRINT/RP/Cash/Plain/Old.FRF"), "old");
        writeFile(data + QStringLiteral("PRINT/RPT/cash/plain/Old.FRF"), "old");
        writeFile(data + QStringLiteral("PRINT/RPT/CARD/PLAIN/First.FRF"), "first");

        QVERIFY(PrepareDataFolder(data));
        QVERIFY(QFileInfo(data + QStringLiteral("Backup/Archive")).isDir());
        QCOMPARE(readFile(data + QStringLiteral("PRINT/RP/Final.FRF")), QByteArray("new final"));
        QVERIFY(!QFileInfo::exists(data + QStringLiteral("PRINT/RP/FINAL.frf")));
        QVERIFY(!QFileInfo::exists(data + QStringLiteral("PRINT/RP/Card/Plain/Final.FRF")));
        QCOMPARE(readFile(data + QStringLiteral("PRINT/RP/Keep.FRF")), QByteArray("keep"));
        QVERIFY(!QFileInfo::exists(data + QStringLiteral("PRINT/RP/Cash/Plain")));
        QVERIFY(!QFileInfo::exists(data + QStringLiteral("PRINT/RPT/cash/plain")));
        QCOMPARE(readFile(data + QStringLiteral("PRINT/RPT/First.FRF")), QByteArray("first"));
        QVERIFY(PrepareDataFolder(data)); // a second start finds nothing to do
    }

    void existingBackupFolderIsUsedInItsOwnSpelling() {
        QTemporaryDir tmp;
        QDir(tmp.path()).mkpath(QStringLiteral("BackUp"));
        QVERIFY(PrepareDataFolder(tmp.path() + QLatin1Char('/')));
        QVERIFY(QFileInfo(tmp.filePath(QStringLiteral("BackUp/Archive"))).isDir());
        QCOMPARE(QDir(tmp.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("BackUp")});
    }

    void shortcut_data() {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << QStringLiteral("opt/vantorel/bin")
                               << QStringLiteral("%1/opt/vantorel/bin/vantorel");
        QTest::newRow("blanks and dollar")
            << QStringLiteral("my pos/$x") << QStringLiteral("\"%1/my pos/\\\\$x/vantorel\"");
        QTest::newRow("percent") << QStringLiteral("a%b") << QStringLiteral("%1/a%%b/vantorel");
    }
    void shortcut() {
        QFETCH(QString, programFolder);
        QFETCH(QString, exec);
        QTemporaryDir tmp;
        const QString program = tmp.filePath(programFolder + QStringLiteral("/vantorel"));
        const QString apps = tmp.filePath(QStringLiteral("applications"));
        QVERIFY(CreateShortcut(program, apps));
        const QString file = apps + QStringLiteral("/vantorel.desktop");
        const QString text = QString::fromUtf8(readFile(file));
        QVERIFY(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
        QVERIFY2(text.contains(QStringLiteral("\nExec=") + exec.arg(tmp.path()) + QLatin1Char('\n')),
                 qPrintable(text));
        QVERIFY(
            text.contains(QStringLiteral("\nPath=") + QFileInfo(program).absolutePath() + QLatin1Char('\n')));
        QVERIFY(text.contains(QStringLiteral("\nType=Application\n")));
        QVERIFY(text.contains(QStringLiteral("\nName=Vantorel\n")));
        // A changed launcher is put right at the next start.
        writeFile(file, "[Desktop Entry]\nExec=/old/place\n");
        QVERIFY(CreateShortcut(program, apps));
        QCOMPARE(QString::fromUtf8(readFile(file)), text);
    }
};

QTEST_GUILESS_MAIN(TestStartupFolder)
#include "test_startupfolder.moc"
