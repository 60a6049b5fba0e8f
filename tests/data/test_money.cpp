#include "Money.h"

#include <QTest>

using vantorel::Money;

class TestMoney : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("units");
        QTest::addColumn<bool>("ok");
        QTest::newRow("plain") << "12.34" << qint64(123400) << true;
        QTest::newRow("thousands") << "1,234.00" << qint64(12340000) << true;
        QTest::newRow("negative") << "-0.05" << qint64(-500) << true;
        QTest::newRow("four decimals") << "0.0001" << qint64(1) << true;
        QTest::newRow("fifth decimal half to even down") << "0.00005" << qint64(0) << true;
        QTest::newRow("fifth decimal half to even up") << "0.00015" << qint64(2) << true;
        QTest::newRow("fifth decimal above half") << "0.000051" << qint64(1) << true;
        QTest::newRow("whole") << "7" << qint64(70000) << true;
        QTest::newRow("empty") << "" << qint64(0) << false;
        QTest::newRow("letters") << "12a" << qint64(0) << false;
        QTest::newRow("two dots") << "1.2.3" << qint64(0) << false;
        QTest::newRow("lone minus") << "-" << qint64(0) << false;
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(qint64, units);
        QFETCH(bool, ok);
        const auto m = Money::parse(text);
        QCOMPARE(m.has_value(), ok);
        if (ok)
            QCOMPARE(m->units(), units);
    }

    void roundTo_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("half to even down") << "2.125" << 2 << "2.12";
        QTest::newRow("half to even up") << "2.135" << 2 << "2.14";
        QTest::newRow("negative half") << "-2.125" << 2 << "-2.12";
        QTest::newRow("negative above half") << "-2.1251" << 2 << "-2.13";
        QTest::newRow("whole half even") << "2.5" << 0 << "2";
        QTest::newRow("whole half odd") << "3.5" << 0 << "4";
        QTest::newRow("no change") << "1.25" << 2 << "1.25";
    }
    void roundTo() {
        QFETCH(QString, value);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QCOMPARE(Money::parse(value)->roundTo(decimals).toPlainString(decimals), expected);
    }

    void exactDecimalArithmetic() {
        // 0.1 + 0.2 is exactly 0.3 here, unlike in binary floating point.
        QCOMPARE(*Money::parse(QStringLiteral("0.1")) + *Money::parse(QStringLiteral("0.2")),
                 *Money::parse(QStringLiteral("0.3")));
        QCOMPARE(Money::fromDouble(0.1).units(), qint64(1000));
        QCOMPARE(Money::fromDouble(19.99).units(), qint64(199900));
        // 15 % of 100.00; 10 % of 100.00
        QCOMPARE(Money::fromCents(10000).percentOf(Money::fromCents(1500)), Money::fromCents(1500));
        // 12.5 % of 0.99 = 0.12375 -> 0.1238 (half to even at the fourth decimal)
        QCOMPARE(Money::fromCents(99).percentOf(*Money::parse(QStringLiteral("12.5"))).units(), qint64(1238));
        QCOMPARE(Money::fromCents(250).times(3), Money::fromCents(750));
    }

    void display() {
        QCOMPARE(Money::fromCents(123456789).toDisplayString(), QStringLiteral("1,234,567.89"));
        QCOMPARE(Money::fromCents(-100000).toDisplayString(), QStringLiteral("-1,000.00"));
        QCOMPARE(Money::fromCents(5).toDisplayString(), QStringLiteral("0.05"));
        QCOMPARE(Money().toPlainString(), QStringLiteral("0.00"));
    }
};

QTEST_APPLESS_MAIN(TestMoney)
#include "test_money.moc"
