#include "SqlNames.h"
#include "TempDataFolder.h"

#include <QProcess>
#include <QTest>

using namespace vantorel;

// Several tills booking on one database at the same moment, each in its own process.
class TestWorkstations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fourTillsBookAtOnce() {
        test::TempDataFolder folder(true);
        {
            auto db = folder.open();
            db->exec(QStringLiteral("INSERT INTO Pswd (UserName, %1) VALUES ('Lena', '4567')").arg(SqlName("Password")));
        }
        const int perTill = 250;
        const QStringList users[] = {{"Owner", "1234", "21"}, {"Tom", "2345", "22"}, {"Anna", "3456", "23"},
                                     {"Lena", "4567", "24"}};
        std::vector<std::unique_ptr<QProcess>> tills;
        for (const QStringList& u : users) {
            auto p = std::make_unique<QProcess>();
            p->start(QStringLiteral(BOOKING_WORKER_EXE), {folder.path(), u[0], u[1], u[2], QString::number(perTill)});
            tills.push_back(std::move(p));
        }
        QStringList numbers;
        for (auto& p : tills) {
            QVERIFY(p->waitForFinished(600000));
            QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
            numbers << QString::fromUtf8(p->readAllStandardOutput()).trimmed();
        }
        QCOMPARE(QSet<QString>(numbers.begin(), numbers.end()).size(), 4);

        auto db = folder.open();
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(*) FROM BillA")).toInt(), 4);
        // The tills booked the same items at once: the shared consumption counters lost no unit.
        QCOMPARE(db->queryOne(QStringLiteral("SELECT SUM(Consumption) AS c FROM Items"))->money(QStringLiteral("c")),
                 Money::fromUnits(4 * perTill * Money::Scale));
        for (qsizetype i = 0; i < 4; ++i) {
            const QString& user = users[i][0];
            // Every booked unit is on the till's own bill...
            QCOMPARE(db->scalar(QStringLiteral("SELECT SUM(Quantity) FROM BillB WHERE BillBBillA = ?"), {numbers[i]})
                         .toDouble(),
                     double(perTill));
            // ...and the user's sales counter lost none of them.
            const Money lines =
                db->queryOne(QStringLiteral("SELECT COALESCE(SUM(ItemsPayment), 0) AS s FROM BillB WHERE BillBBillA = ?"),
                             {numbers[i]})
                    ->money(QStringLiteral("s"));
            const auto counter = db->queryOne(QStringLiteral("SELECT SalesToday FROM Pswd WHERE UserName = ?"), {user});
            QVERIFY2(counter, qPrintable(user));
            const Money counted = counter->money(QStringLiteral("SalesToday"));
            QVERIFY(lines > Money());
            QCOMPARE(counted, lines);
        }
    }
};

QTEST_GUILESS_MAIN(TestWorkstations)
#include "test_workstations.moc"
