#include "BillNumbers.h"
#include "BillingFixture.h"
#include "TableLabels.h"
#include "UnitOfWork.h"

#include <QSet>
#include <thread>

using namespace vantorel;
using namespace vantorel::test;

class TestBillNumbers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nextNumber_data() {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("expected");
        const QDateTime in2026(QDate(2026, 3, 14), QTime(12, 0));
        QTest::newRow("first of the year after last year's") << "25004711" << in2026 << "26000001";
        QTest::newRow("no number yet") << "" << in2026 << "26000001";
        QTest::newRow("new database") << "26000000" << in2026 << "26000001";
        QTest::newRow("next in the year") << "26000014" << in2026 << "26000015";
        QTest::newRow("99 then 100") << "26000099" << in2026 << "26000100";
        QTest::newRow("New Year's night")
            << "26123456" << QDateTime(QDate(2027, 1, 1), QTime(0, 30)) << "27000001";
        QTest::newRow("garbled counter") << "26abc" << in2026 << "26000001";
    }
    void nextNumber() {
        QFETCH(QString, last);
        QFETCH(QDateTime, now);
        QFETCH(QString, expected);
        QCOMPARE(NextBillNumber(last, now), expected);
    }

    // The bill gets the number the counter gives, and the counter moves on with it.
    void openingABillReservesTheNumber_data() {
        QTest::addColumn<QString>("counter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first bill of a year") << "25000812"
                                              << "26000001";
        QTest::newRow("99 then 100") << "26000099"
                                     << "26000100";
    }
    void openingABillReservesTheNumber() {
        QFETCH(QString, counter);
        QFETCH(QString, expected);
        BillingFixture f;
        f.db->exec(QStringLiteral("UPDATE Utility SET BillA = ?"), {counter});
        QCOMPARE(GetNextBillNumber(*f.db, f.clock), expected);
        QCOMPARE(f.openBill(QStringLiteral("3")), expected);
        QCOMPARE(f.value(QStringLiteral("SELECT BillA FROM Utility")).toString(), expected);
        QCOMPARE(GetNextBillNumber(*f.db, f.clock), NextBillNumber(expected, f.clock.now()));
    }

    // A counter that fell behind the stored bills (an old copy of the settings row, another workstation)
    // never hands out a number twice.
    void reservationSkipsStoredNumbers() {
        BillingFixture f;
        f.db->exec(QStringLiteral("UPDATE Utility SET BillA = '26000005'"));
        f.db->exec(QStringLiteral("INSERT INTO BillA (BillABillA, PayMode) VALUES ('26000009', 'Cash')"));
        QCOMPARE(f.openBill(QStringLiteral("4")), QStringLiteral("26000010"));
    }

    void syncNeverLowers_data() {
        QTest::addColumn<QString>("counter");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("raised to the highest bill")
            << "26000003" << QStringList{"26000001", "26000007"} << "26000007";
        QTest::newRow("bills archived away")
            << "26000040" << QStringList{"26000001", "26000007"} << "26000040";
        QTest::newRow("no bills") << "26000000" << QStringList{} << "26000000";
        QTest::newRow("last year's bills") << "26000002" << QStringList{"25999000"} << "26000002";
    }
    void syncNeverLowers() {
        QFETCH(QString, counter);
        QFETCH(QStringList, stored);
        QFETCH(QString, expected);
        BillingFixture f;
        f.db->exec(QStringLiteral("UPDATE Utility SET BillA = ?"), {counter});
        for (const QString& n : stored)
            f.db->exec(QStringLiteral("INSERT INTO BillA (BillABillA, PayMode) VALUES (?, 'Cash')"), {n});
        LoadOpenBillList(*f.db);
        QCOMPARE(f.value(QStringLiteral("SELECT BillA FROM Utility")).toString(), expected);
    }

    void reservingNeedsTheOpeningTransaction() {
        BillingFixture f;
        QVERIFY_THROWS_EXCEPTION(DatabaseError, ReserveBillNumber(*f.db, f.clock));
    }

    // Two workstations open bills at the same table at the same moment: every bill gets its own number
    // and its own label.
    void concurrentWorkstationsGetDistinctNumbers() {
        BillingFixture f;
        constexpr int perStation = 12;
        QStringList numbers[2];
        QStringList labels[2];
        int failures[2] = {0, 0};
        auto station = [&](int i) {
            try {
                auto db = f.folder.open();
                ProgramState state = f.state;
                ScriptedPrompter prompter;
                for (int k = 0; k < perStation; ++k) {
                    const BillOpenResult r =
                        CreateBill(*db, state, prompter, f.clock,
                                   NewBillRequest{QStringLiteral("7"), QString(), QString()});
                    if (r.outcome != BillingOutcome::Done) {
                        ++failures[i];
                        continue;
                    }
                    numbers[i] << r.billNumber;
                    labels[i] << r.tableLabel;
                }
            } catch (...) {
                failures[i] = -1;
            }
        };
        std::thread a(station, 0);
        std::thread b(station, 1);
        a.join();
        b.join();
        QCOMPARE(failures[0], 0);
        QCOMPARE(failures[1], 0);
        const QStringList allNumbers = numbers[0] + numbers[1];
        QCOMPARE(QSet<QString>(allNumbers.begin(), allNumbers.end()).size(), 2 * perStation);
        const QStringList stored = OpenTableLabels(*f.db);
        QCOMPARE(stored.size(), 2 * perStation);
        QCOMPARE(QSet<QString>(stored.begin(), stored.end()).size(), 2 * perStation);
        for (const QString& label : stored)
            QVERIFY2(label.size() == 3 && label.startsWith(QLatin1String("07")), qPrintable(label));
        QCOMPARE(f.value(QStringLiteral("SELECT BillA FROM Utility")).toString(), QStringLiteral("26000024"));
    }
};

QTEST_GUILESS_MAIN(TestBillNumbers)
#include "test_billnumbers.moc"
