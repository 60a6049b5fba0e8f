#include "Compaction.h"
#include "ConnectionString.h"
#include "DatabaseError.h"
#include "DatabaseKey.h"
#include "ProgramState.h"
#include "SqlDateTime.h"
#include "SqlNames.h"
#include "TempDataFolder.h"
#include "UnitOfWork.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace vantorel;

namespace {

QByteArray fileHash(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

qint64 countRows(Database& db, const QString& table) {
    return db.scalar(QStringLiteral("SELECT count(*) FROM %1").arg(SqlName(table))).toLongLong();
}

} // namespace

class TestDatabase : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textRoundTripsThroughParameters_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("quote") << "O'Brien's \"best\"";
        QTest::newRow("sql") << "x'); DROP TABLE Pswd; --";
        QTest::newRow("wildcards") << "100% _off_";
        QTest::newRow("greek") << "Σουβλάκι";
        QTest::newRow("cyrillic") << "Борщ";
        QTest::newRow("cjk and emoji") << "拉麵 🍜";
        QTest::newRow("backslash") << "C:\\PRINT\\A5";
        QTest::newRow("longer than the input limit") << QString(500, QLatin1Char('x'));
    }
    void textRoundTripsThroughParameters() {
        QFETCH(QString, text);
        test::TempDataFolder folder;
        auto db = folder.open();
        db->exec(QStringLiteral("INSERT INTO Events (Event, UserID, BillNumber) VALUES (?, ?, ?)"),
                 {text, QStringLiteral("u"), text});
        const Rows rows = db->query(QStringLiteral("SELECT * FROM Events WHERE Event = ?"), {text});
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(rows[0].text(QStringLiteral("event")), text);
        QCOMPARE(rows[0].text(QStringLiteral("BILLNUMBER")), text);
        QCOMPARE(countRows(*db, QStringLiteral("Pswd")), qint64(1));
    }

    // Rows are linked by names; a name typed in another case must find its row, beyond ASCII too.
    void textComparisonIgnoresCase_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("op");
        QTest::newRow("ascii =") << "Fish and Chips" << "FISH AND CHIPS" << "=";
        QTest::newRow("umlaut =") << "Müller" << "MÜLLER" << "=";
        QTest::newRow("greek =") << "σουβλάκι" << "ΣΟΥΒΛΆΚΙ" << "=";
        QTest::newRow("ascii like") << "Cappuccino" << "CAP%" << "LIKE";
        QTest::newRow("accented like") << "Crème brûlée" << "CRÈME%" << "LIKE";
        QTest::newRow("underscore like") << "A1" << "a_" << "LIKE";
    }
    void textComparisonIgnoresCase() {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(QString, op);
        test::TempDataFolder folder;
        auto db = folder.open();
        db->exec(QStringLiteral("DELETE FROM Items"));
        db->exec(QStringLiteral("INSERT INTO Items (Desc1) VALUES (?)"), {stored});
        const Rows rows = db->query(QStringLiteral("SELECT Desc1 FROM Items WHERE Desc1 %1 ?").arg(op), {typed});
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(rows[0].text(QStringLiteral("desc1")), stored);
        // And ordering treats both cases alike.
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(DISTINCT Desc1) FROM (SELECT Desc1 FROM Items UNION ALL "
                                           "SELECT ?) AS u"),
                            {stored.toUpper()})
                     .toInt(),
                 1);
    }

    void typedAccessors() {
        test::TempDataFolder folder;
        auto db = folder.open();
        const QDateTime when(QDate(2026, 12, 31), QTime(23, 59, 58));
        db->exec(QStringLiteral("INSERT INTO BillA (BillABillA, VIP, InDate, NetPayment, Sec5) VALUES (?, ?, ?, ?, ?)"),
                 {QStringLiteral("26000007"), true, when, QVariant::fromValue(*Money::parse(QStringLiteral("1234.5678"))),
                  QStringLiteral("4")});
        db->exec(QStringLiteral("INSERT INTO BillB (BillBBillA, Quantity, ItemDiscPerc) VALUES (?, ?, ?)"),
                 {QStringLiteral("26000007"), 3, 12.5});
        const Row a = *db->queryOne(QStringLiteral("SELECT * FROM BillA"));
        QCOMPARE(a.boolean(QStringLiteral("vip")), true);
        QCOMPARE(a.boolean(QStringLiteral("Void")), false); // default
        QCOMPARE(a.dateTime(QStringLiteral("InDate")), when);
        QVERIFY(isEmptyDate(a.dateTime(QStringLiteral("BillDate")))); // never set: the empty date
        QCOMPARE(a.dateTime(QStringLiteral("BillDate")), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
        QCOMPARE(a.money(QStringLiteral("NetPayment")).units(), qint64(12345678));
        QCOMPARE(a.money(QStringLiteral("PayAmount")), Money());
        QCOMPARE(a.integer(QStringLiteral("Sec5")), qint64(4));
        QCOMPARE(a.text(QStringLiteral("Waiter")), QString());
        const Row b = *db->queryOne(QStringLiteral("SELECT * FROM BillB"));
        QCOMPARE(b.number(QStringLiteral("Quantity")), 3.0);
        QCOMPARE(b.number(QStringLiteral("ItemDiscPerc")), 12.5);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, a.text(QStringLiteral("NoSuchColumn")));
    }

    // Date ranges are bound parameters; stored date-times must compare in calendar order, not text order
    // of a day-first format.
    void dateTimesSortAndCompare() {
        test::TempDataFolder folder;
        auto db = folder.open();
        const QList<QDateTime> times = {
            QDateTime(QDate(2026, 1, 2), QTime(5, 59, 59)), QDateTime(QDate(2025, 12, 31), QTime(6, 0)),
            QDateTime(QDate(2026, 1, 2), QTime(6, 0)), QDateTime(QDate(2026, 1, 10), QTime(0, 0)),
            QDateTime(QDate(2026, 2, 1), QTime(12, 0))};
        for (const QDateTime& t : times)
            db->exec(QStringLiteral("INSERT INTO Events (%1, Event) VALUES (?, ?)").arg(SqlName("DateTime")),
                     {t, t.toString(Qt::ISODate)});
        const Rows day = db->query(QStringLiteral("SELECT * FROM Events WHERE %1 >= ? AND %1 < ? ORDER BY %1")
                                       .arg(SqlName("DateTime")),
                                   {QDateTime(QDate(2026, 1, 1), QTime(6, 0)), QDateTime(QDate(2026, 1, 2), QTime(6, 0))});
        QCOMPARE(day.size(), size_t(1));
        QCOMPARE(day[0].dateTime(QStringLiteral("DateTime")), times[0]);
        const Rows all = db->query(QStringLiteral("SELECT * FROM Events ORDER BY %1").arg(SqlName("DateTime")));
        QList<QDateTime> sorted = times;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(all.size(), size_t(sorted.size()));
        for (size_t i = 0; i < all.size(); ++i)
            QCOMPARE(all[i].dateTime(QStringLiteral("DateTime")), sorted[qsizetype(i)]);
        // The empty date is before every real date.
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(*) FROM Ingredients WHERE LastPriceChange <> ?"), {EmptyDate()})
                     .toInt(),
                 0);
    }

    void unitOfWorkRollsBackUnlessCommitted() {
        test::TempDataFolder folder;
        auto db = folder.open();
        const qint64 before = countRows(*db, QStringLiteral("Events"));
        try {
            UnitOfWork work(*db);
            db->exec(QStringLiteral("INSERT INTO Events (Event) VALUES ('one')"));
            db->exec(QStringLiteral("INSERT INTO Events (Event) VALUES ('two')"));
            throw std::runtime_error("failed half way");
        } catch (const std::runtime_error&) {
        }
        QCOMPARE(countRows(*db, QStringLiteral("Events")), before);

        // A statement that fails part-way through an action leaves none of the action's rows.
        int statements = 0;
        db->setStatementHook([&](const QString&) {
            if (++statements == 3)
                throw DatabaseError(QStringLiteral("disk full"));
        });
        QVERIFY_THROWS_EXCEPTION(DatabaseError, [&] {
            UnitOfWork work(*db);
            for (int i = 0; i < 5; ++i)
                db->exec(QStringLiteral("INSERT INTO Events (Event) VALUES (?)"), {i});
            work.commit();
        }());
        db->setStatementHook({});
        QCOMPARE(countRows(*db, QStringLiteral("Events")), before);

        // An abandoned inner unit spoils the outer one.
        QVERIFY_THROWS_EXCEPTION(DatabaseError, [&] {
            UnitOfWork outer(*db);
            db->exec(QStringLiteral("INSERT INTO Events (Event) VALUES ('outer')"));
            { UnitOfWork inner(*db); }
            outer.commit();
        }());
        QCOMPARE(countRows(*db, QStringLiteral("Events")), before);

        {
            UnitOfWork work(*db);
            db->exec(QStringLiteral("INSERT INTO Events (Event) VALUES ('kept')"));
            work.commit();
        }
        auto other = folder.open();
        QCOMPARE(countRows(*other, QStringLiteral("Events")), before + 1);
    }

    void wrongPasswordOrNotADatabaseIsAnError() {
        QTemporaryDir dir;
        const QString plain = dir.filePath(QStringLiteral("plain.vtd"));
        {
            QFile f(plain);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(8192, 'z'));
        }
        try {
            Database::open(ConnectionString::file(plain));
            QFAIL("a file that is not a database was opened");
        } catch (const DatabaseError& e) {
            QCOMPARE(e.kind(), DatabaseError::Kind::WrongKey);
        }
        // A real SQLCipher database under another key.
        const QString other = dir.filePath(QStringLiteral("other.vtd"));
        const QString cli = QStandardPaths::findExecutable(QStringLiteral("sqlcipher"));
        if (cli.isEmpty())
            QSKIP("the sqlcipher command-line tool is not installed");
        QProcess p;
        p.start(cli, {other});
        p.write("PRAGMA key = 'another secret';\nCREATE TABLE Utility (BillA TEXT);\nINSERT INTO Utility VALUES "
                "('1');\n.quit\n");
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(20000));
        QVERIFY(QFile::exists(other));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, Database::open(ConnectionString::file(other)));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, Database::open(ConnectionString::file(dir.filePath("missing.vtd"))));
    }

    // The file cannot be read without the key, and with it every table is there.
    void fileIsEncrypted() {
        const QString cli = QStandardPaths::findExecutable(QStringLiteral("sqlcipher"));
        if (cli.isEmpty())
            QSKIP("the sqlcipher command-line tool is not installed");
        test::TempDataFolder folder(true, test::TempDataFolder::Engine::EmbeddedFile);
        QFile raw(folder.databasePath());
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray bytes = raw.readAll();
        QVERIFY(!bytes.startsWith("SQLite format 3"));
        QVERIFY(!bytes.contains("Harbour Lights"));

        auto run = [&](const QByteArray& script) {
            QProcess p;
            p.start(cli, {folder.databasePath()});
            p.write(script);
            p.closeWriteChannel();
            p.waitForFinished(20000);
            return p.readAllStandardOutput() + p.readAllStandardError();
        };
        const QByteArray without = run(".tables\nSELECT count(*) FROM Pswd;\n");
        QVERIFY2(!without.contains("Pswd"), without.constData());
        const QByteArray with = run("PRAGMA key = " + DatabaseKeyPragmaValue() + ";\n.tables\nSELECT Name FROM Utility;\n");
        for (const char* t : {"Utility", "Taxes", "CreditCard", "Pswd", "Functions", "FunctionAccess",
                              "TimeInTimeOut", "Events", "BillA", "BillB", "VoidBill", "StackedBill",
                              "DailyIncentive", "BarSlip", "Items", "Ingredients", "Association", "Units",
                              "InventoryAdd", "InventoryAdj", "Report", "ReportB", "ReportC"})
            QVERIFY2(with.contains(t), t);
        QVERIFY(with.contains("Harbour Lights"));
    }

    void archivePathRedirectsNewConnections() {
        test::TempDataFolder live(false, test::TempDataFolder::Engine::EmbeddedFile);
        test::TempDataFolder archive(false, test::TempDataFolder::Engine::EmbeddedFile);
        {
            auto db = archive.open();
            db->exec(QStringLiteral("UPDATE Utility SET BillA = '25999999'"));
        }
        ProgramState state;
        state.dataFolder = live.path();
        QCOMPARE(BuildConnectionString(state).filePath, live.databasePath());
        state.archivePath = archive.databasePath();
        QCOMPARE(BuildConnectionString(state).filePath, archive.databasePath());
        QCOMPARE(Database::open(BuildConnectionString(state))->scalar("SELECT BillA FROM Utility").toString(),
                 QStringLiteral("25999999"));
        state.archivePath.clear();
        QCOMPARE(BuildConnectionString(state).filePath, live.databasePath());
        QVERIFY(Database::open(BuildConnectionString(state))->scalar("SELECT BillA FROM Utility").toString() !=
                QStringLiteral("25999999"));
    }

    void compactionKeepsEveryRow() {
        test::TempDataFolder folder(true, test::TempDataFolder::Engine::EmbeddedFile);
        {
            auto db = folder.open();
            UnitOfWork work(*db);
            for (int i = 0; i < 2000; ++i)
                db->exec(QStringLiteral("INSERT INTO Events (Event) VALUES (?)"), {QString(200, QLatin1Char('e'))});
            work.commit();
        }
        {
            auto db = folder.open();
            db->exec(QStringLiteral("DELETE FROM Events"));
        }
        const qint64 sizeBefore = QFileInfo(folder.databasePath()).size();
        QVERIFY(CompactDatabaseFile(folder.databasePath()));
        QVERIFY(QFileInfo(folder.databasePath()).size() < sizeBefore);
        QVERIFY(!QFile::exists(folder.databasePath() + QStringLiteral("x")));
        auto db = folder.open();
        QCOMPARE(countRows(*db, QStringLiteral("Items")), qint64(41));
        QCOMPARE(db->scalar(QStringLiteral("SELECT Name FROM Utility")).toString(),
                 QStringLiteral("Harbour Lights Bar & Grill"));
        QCOMPARE(countRows(*db, QStringLiteral("Events")), qint64(0));
        // Still encrypted, still unique bill numbers.
        QFile raw(folder.databasePath());
        QVERIFY(raw.open(QIODevice::ReadOnly));
        QVERIFY(!raw.read(16).startsWith("SQLite format 3"));
        db->exec(QStringLiteral("INSERT INTO BillA (BillABillA) VALUES ('26000001')"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, db->exec(QStringLiteral("INSERT INTO BillA (BillABillA) VALUES ('26000001')")));
    }

    void compactionFailsWhileAnotherProcessHoldsTheFile() {
        test::TempDataFolder folder(true, test::TempDataFolder::Engine::EmbeddedFile);
        const QByteArray before = fileHash(folder.databasePath());
        QProcess holder;
        holder.start(QStringLiteral(HOLD_DATABASE_EXE), {folder.databasePath()});
        QVERIFY(holder.waitForReadyRead(20000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("open"));

        QCOMPARE(CompactDatabaseFile(folder.databasePath()), false);
        QCOMPARE(fileHash(folder.databasePath()), before);
        QVERIFY(!QFile::exists(folder.databasePath() + QStringLiteral("x")));

        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(20000));
        QVERIFY(CompactDatabaseFile(folder.databasePath()));
        QCOMPARE(countRows(*folder.open(), QStringLiteral("Items")), qint64(41));
    }

    void compactionFailsWhileThisProcessHoldsAConnection() {
        test::TempDataFolder folder(false, test::TempDataFolder::Engine::EmbeddedFile);
        auto db = folder.open();
        QCOMPARE(CompactDatabaseFile(folder.databasePath()), false);
        QCOMPARE(countRows(*db, QStringLiteral("Utility")), qint64(1));
        QCOMPARE(CompactDatabaseFile(folder.path() + QStringLiteral("nothing-here.vtd")), false);
    }

    // On a shared server one workstation's report or order slip must never empty or read another's.
    void scratchTablesArePrivateToAConnection() {
        test::TempDataFolder folder;
        if (!folder.onServer())
            QSKIP("scratch tables are shared only where several workstations share a server");
        auto till = folder.open();
        auto office = folder.open();
        till->exec(QStringLiteral("INSERT INTO BarSlip (Waiter, TableNum, Item, %1) VALUES (?, ?, ?, ?)")
                       .arg(SqlName(QStringLiteral("Number"))),
                   {QStringLiteral("Anna"), QStringLiteral("12"), QStringLiteral("Stout"), 2});
        {
            UnitOfWork work(*office);
            office->exec(QStringLiteral("DELETE FROM BarSlip"));
            office->exec(QStringLiteral("DELETE FROM ReportB"));
            office->exec(QStringLiteral("INSERT INTO ReportB (Str1) VALUES ('sales')"));
            work.commit();
        }
        QCOMPARE(countRows(*till, QStringLiteral("BarSlip")), qint64(1));
        QCOMPARE(countRows(*till, QStringLiteral("ReportB")), qint64(0));
        QCOMPARE(countRows(*office, QStringLiteral("ReportB")), qint64(1));
        // Ordinary tables are shared as ever.
        till->exec(QStringLiteral("INSERT INTO Events (Event) VALUES ('seen by all')"));
        QCOMPARE(office->scalar(QStringLiteral("SELECT count(*) FROM Events WHERE Event = 'SEEN BY ALL'")).toInt(), 1);
    }

    // Another workstation's connection sees a committed change at once.
    void secondConnectionSeesCommittedWrites() {
        test::TempDataFolder folder;
        auto a = folder.open();
        auto b = folder.open();
        {
            UnitOfWork wa(*a);
            a->exec(QStringLiteral("UPDATE Utility SET BillA = '26000005'"));
            wa.commit();
        }
        UnitOfWork wb(*b);
        const QString seen = b->scalar(QStringLiteral("SELECT BillA FROM Utility")).toString();
        QCOMPARE(seen, QStringLiteral("26000005"));
        b->exec(QStringLiteral("UPDATE Utility SET BillA = '26000006'"));
        wb.commit();
        QCOMPARE(a->scalar(QStringLiteral("SELECT BillA FROM Utility")).toString(), QStringLiteral("26000006"));
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "test_database.moc"
