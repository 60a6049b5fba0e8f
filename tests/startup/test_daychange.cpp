#include "Clock.h"
#include "DayChange.h"
#include "TempDataFolder.h"

#include <QTest>

using namespace vantorel;

class TestDayChange : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A sale late in the evening keeps 05:59 the next morning inside the same business day.
    void firstStartOfBusinessDay_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("soldAt");
        QTest::addColumn<QString>("startAt");
        QTest::addColumn<bool>("firstStart");
        QTest::newRow("no sales at all") << "" << "" << "" << "2026-03-15 10:00:00" << true;
        QTest::newRow("05:59 after an evening bill") << "BillA" << "InDate" << "2026-03-14 23:30:00"
                                                     << "2026-03-15 05:59:00" << false;
        QTest::newRow("06:00 after an evening bill") << "BillA" << "InDate" << "2026-03-14 23:30:00"
                                                     << "2026-03-15 06:00:00" << true;
        QTest::newRow("a line booked this morning") << "BillB" << "OrderDate" << "2026-03-15 06:10:00"
                                                    << "2026-03-15 09:00:00" << false;
        QTest::newRow("a line at the day's last second") << "BillB" << "OrderDate" << "2026-03-16 06:00:00"
                                                         << "2026-03-15 09:00:00" << false;
    }
    void firstStartOfBusinessDay() {
        QFETCH(QString, table);
        QFETCH(QString, column);
        QFETCH(QString, soldAt);
        QFETCH(QString, startAt);
        QFETCH(bool, firstStart);
        test::TempDataFolder folder(true);
        auto db = folder.open();
        if (!table.isEmpty())
            db->exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(table, column),
                     {QDateTime::fromString(soldAt, Qt::ISODate)});
        const FixedClock clock(QDateTime::fromString(startAt, Qt::ISODate));
        QCOMPARE(IsFirstStartOfBusinessDay(*db, clock), firstStart);
    }
};

QTEST_GUILESS_MAIN(TestDayChange)
#include "test_daychange.moc"
