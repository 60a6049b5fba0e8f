#include "DatabaseCopy.h"
#include "DatabaseError.h"
#include "PostgresDriver.h"
#include "Schema.h"
#include "SqlNames.h"
#include "TempDataFolder.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace vantorel;

namespace {

// Every row of every table as sorted text, so that two databases can be compared whatever their engine.
QStringList contents(Database& db) {
    QStringList all;
    for (const TableDef& t : SchemaTables()) {
        for (const Row& r : db.query(QStringLiteral("SELECT * FROM %1").arg(SqlName(t.name)))) {
            QStringList cells;
            for (const ColumnDef& c : t.columns) {
                switch (c.type) {
                case ColumnType::Money:
                    cells << QString::number(r.money(c.name).units());
                    break;
                case ColumnType::Boolean:
                    cells << (r.boolean(c.name) ? QStringLiteral("T") : QStringLiteral("F"));
                    break;
                case ColumnType::DateTime:
                    cells << r.dateTime(c.name).toString(Qt::ISODate);
                    break;
                case ColumnType::Number:
                    cells << QString::number(r.number(c.name), 'g', 15);
                    break;
                default:
                    cells << r.text(c.name);
                }
            }
            all << t.name + QLatin1Char('|') + cells.join(QLatin1Char('|'));
        }
    }
    all.sort();
    return all;
}

struct ServerDatabase {
    ServerSettings settings;
    explicit ServerDatabase(const QString& name) {
        settings = ServerSettings::fromConninfo(test::TempDataFolder::testServer());
        auto admin = PostgresDriver::open(settings.conninfo());
        admin->execute(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name), {});
        admin->execute(QStringLiteral("CREATE DATABASE %1").arg(name), {});
        settings.database = name;
    }
    ~ServerDatabase() {
        try {
            auto admin = PostgresDriver::open(ServerSettings::fromConninfo(test::TempDataFolder::testServer()).conninfo());
            admin->execute(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(settings.database), {});
        } catch (...) {
        }
    }
};

} // namespace

class TestCopy : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileToServerAndBackKeepsEveryRow() {
        if (test::TempDataFolder::testServer().isEmpty())
            QSKIP("no PostgreSQL test server (VANTOREL_TEST_PG) is set");
        test::TempDataFolder folder(true, test::TempDataFolder::Engine::EmbeddedFile);
        {
            // Values that must survive both engines exactly.
            auto db = folder.open();
            db->exec(QStringLiteral("INSERT INTO BillA (BillABillA, %1, VIP, InDate, NetPayment) VALUES (?, ?, ?, ?, ?)")
                         .arg(SqlName(QStringLiteral("Table"))),
                     {QStringLiteral("26000001"), QStringLiteral("12a"), true,
                      QDateTime(QDate(2026, 2, 28), QTime(23, 59, 59)),
                      QVariant::fromValue(*Money::parse(QStringLiteral("1234.5678")))});
            db->exec(QStringLiteral("INSERT INTO BillB (BillBBillA, Item, Quantity, ItemDiscPerc) VALUES (?, ?, ?, ?)"),
                     {QStringLiteral("26000001"), QStringLiteral("Crème brûlée 'x'"), 3, 12.5});
        }
        const QString name = QStringLiteral("vt_copy_%1").arg(QCoreApplication::applicationPid());
        ServerDatabase server(name);
        const ConnectionString onServer = ConnectionString::onServer(server.settings);
        CopyDatabase(folder.connectionString(), onServer);

        QTemporaryDir back;
        const ConnectionString backFile = ConnectionString::file(LiveDatabasePath(back.path()));
        CopyDatabase(onServer, backFile);

        const QStringList original = contents(*folder.open());
        QVERIFY(original.size() > 100);
        QCOMPARE(contents(*Database::open(onServer)), original);
        QCOMPARE(contents(*Database::open(backFile)), original);

        // New users continue after the copied numbers.
        auto db = Database::open(onServer);
        db->exec(QStringLiteral("INSERT INTO Pswd (UserName, %1) VALUES ('Zed', '9999')").arg(SqlName("Password")));
        QVERIFY(db->lastInsertId() > 3);

        // A target that already holds data is refused and left as it was.
        QVERIFY_THROWS_EXCEPTION(DatabaseError, CopyDatabase(folder.connectionString(), onServer));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, CopyDatabase(onServer, backFile));
        QCOMPARE(contents(*Database::open(backFile)), original);
    }

    void adminToolCopiesAndSwitches() {
        if (test::TempDataFolder::testServer().isEmpty())
            QSKIP("no PostgreSQL test server (VANTOREL_TEST_PG) is set");
        test::TempDataFolder folder(true, test::TempDataFolder::Engine::EmbeddedFile);
        const QString name = QStringLiteral("vt_admin_%1").arg(QCoreApplication::applicationPid());
        ServerDatabase server(name);
        QProcess p;
        p.start(QStringLiteral(VANTOREL_ADMIN_EXE), {QStringLiteral("copy"), QStringLiteral("--switch"), folder.path(),
                                                     QStringLiteral("postgresql:") + server.settings.conninfo()});
        QVERIFY(p.waitForFinished(60000));
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
        // The folder now works on the server.
        QCOMPARE(folder.connectionString().engine, ConnectionString::Engine::Postgres);
        QCOMPARE(folder.open()->scalar(QStringLiteral("SELECT count(*) FROM Pswd")).toInt(), 3);
    }
};

QTEST_GUILESS_MAIN(TestCopy)
#include "test_copy.moc"
