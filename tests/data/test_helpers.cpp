#include "AmountText.h"
#include "BusinessDay.h"
#include "CardNumber.h"
#include "Clock.h"
#include "FileHelpers.h"
#include "Rounding.h"
#include "TextHelpers.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vantorel;

namespace {
Money m(const char* text) {
    return *Money::parse(QString::fromLatin1(text));
}
} // namespace

class TestHelpers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void businessDay_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::newRow("05:59 belongs to yesterday")
            << QDateTime(QDate(2026, 3, 14), QTime(5, 59, 59)) << "13/03/26 06:00:00"
            << "14/03/26 06:00:00";
        QTest::newRow("06:00 starts today")
            << QDateTime(QDate(2026, 3, 14), QTime(6, 0)) << "14/03/26 06:00:00"
            << "15/03/26 06:00:00";
        QTest::newRow("midnight") << QDateTime(QDate(2026, 3, 14), QTime(0, 0)) << "13/03/26 06:00:00"
                                  << "14/03/26 06:00:00";
        QTest::newRow("new year's night") << QDateTime(QDate(2027, 1, 1), QTime(2, 30)) << "31/12/26 06:00:00"
                                          << "01/01/27 06:00:00";
        QTest::newRow("last minute of the evening")
            << QDateTime(QDate(2026, 2, 28), QTime(23, 59)) << "28/02/26 06:00:00"
            << "01/03/26 06:00:00";
    }
    void businessDay() {
        QFETCH(QDateTime, now);
        QFETCH(QString, start);
        QFETCH(QString, end);
        const FixedClock clock(now);
        QCOMPARE(BusinessDayStart(clock), start);
        QCOMPARE(BusinessDayEnd(clock), end);
        QVERIFY(BusinessDayStartAt(now) <= now && now < BusinessDayEndAt(now));
    }

    void roundToDigitsMoney_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("tie to even down") << "2.125" << 2 << "2.1200";
        QTest::newRow("tie to even up") << "2.135" << 2 << "2.1400";
        QTest::newRow("above the tie") << "2.1251" << 2 << "2.1300";
        QTest::newRow("negative tie") << "-2.125" << 2 << "-2.1200";
        QTest::newRow("whole, tie to even") << "2.5" << 0 << "2.0000";
        QTest::newRow("whole, odd tie") << "3.5" << 0 << "4.0000";
    }
    void roundToDigitsMoney() {
        QFETCH(QString, value);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QCOMPARE(RoundToDigits(*Money::parse(value), decimals).toPlainString(4), expected);
    }

    void roundToDigitsDouble_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("expected");
        QTest::newRow("reads as 2.675, a tie, to even") << 2.675 << 2 << 2.68;
        QTest::newRow("exact binary tie to even") << 0.125 << 2 << 0.12;
        QTest::newRow("1.005 tie to even") << 1.005 << 2 << 1.0;
        QTest::newRow("one decimal") << 33.35 << 1 << 33.4;
        QTest::newRow("one decimal, even tie") << 33.25 << 1 << 33.2;
        QTest::newRow("negative") << -1.235 << 2 << -1.24;
        QTest::newRow("below half of the last place") << 0.004 << 2 << 0.0;
        QTest::newRow("above half of the last place") << 0.006 << 2 << 0.01;
        QTest::newRow("far below") << 0.0004 << 2 << 0.0;
        QTest::newRow("whole tie to even") << 2.5 << 0 << 2.0;
        QTest::newRow("already short") << 12.5 << 2 << 12.5;
        QTest::newRow("large") << 123456789.125 << 2 << 123456789.12;
    }
    void roundToDigitsDouble() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, expected);
        QCOMPARE(RoundToDigits(value, decimals), expected);
    }

    void roundToFiveCents_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("expected");
        QTest::newRow("3 up to 5") << "12.33"
                                   << "12.35";
        QTest::newRow("one decimal stays") << "12.5"
                                           << "12.50";
        QTest::newRow("whole stays") << "12"
                                     << "12.00";
        QTest::newRow("1.23") << "1.23"
                              << "1.25";
        QTest::newRow("1.24") << "1.24"
                              << "1.25";
        QTest::newRow("1.25 stays") << "1.25"
                                    << "1.25";
        QTest::newRow("1.26") << "1.26"
                              << "1.25";
        QTest::newRow("1.27") << "1.27"
                              << "1.25";
        QTest::newRow("1.28 to next ten") << "1.28"
                                          << "1.30";
        QTest::newRow("1.29 to next ten") << "1.29"
                                          << "1.30";
        QTest::newRow("1.21") << "1.21"
                              << "1.20";
        QTest::newRow("1.22") << "1.22"
                              << "1.20";
        QTest::newRow("carry over the whole") << "9.99"
                                              << "10.00";
        QTest::newRow("rounded to cents first") << "1.2249"
                                                << "1.20";
        QTest::newRow("rounded to cents first, tie") << "1.2250"
                                                     << "1.20";
        QTest::newRow("zero") << "0"
                              << "0.00";
        QTest::newRow("negative like positive") << "-1.28"
                                                << "-1.30";
        QTest::newRow("negative 3") << "-12.33"
                                    << "-12.35";
    }
    void roundToFiveCents() {
        QFETCH(QString, amount);
        QFETCH(QString, expected);
        QCOMPARE(RoundToFiveCents(*Money::parse(amount)).toPlainString(2), expected);
    }

    void formatAmount_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty stays empty") << ""
                                           << "";
        QTest::newRow("thousands") << "1234.5"
                                   << "1,234.50";
        QTest::newRow("already formatted") << "1,234.50"
                                           << "1,234.50";
        QTest::newRow("millions") << "1234567"
                                  << "1,234,567.00";
        QTest::newRow("negative") << "-1234.5"
                                  << "-1,234.50";
        QTest::newRow("small") << "0.5"
                               << "0.50";
        QTest::newRow("rounded half to even") << "2.345"
                                              << "2.34";
        QTest::newRow("blanks around") << " 12 "
                                       << "12.00";
        QTest::newRow("leading point") << ".5"
                                       << "0.50";
    }
    void formatAmount() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(FormatAmount(text), expected);
    }

    void formatAmountRefusesNonNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("letters") << "abc";
        QTest::newRow("lone minus") << "-";
        QTest::newRow("exponent") << "1e3";
        QTest::newRow("two points") << "1.2.3";
        QTest::newRow("blank") << " ";
    }
    void formatAmountRefusesNonNumbers() {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(ConversionError, FormatAmount(text));
    }

    void stripAmount_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty stays empty") << ""
                                           << "";
        QTest::newRow("thousands and .00") << "1,234.00"
                                           << "1234";
        QTest::newRow("cents kept") << "1,234.50"
                                    << "1234.50";
        QTest::newRow("zero") << "0.00"
                              << "0";
        QTest::newRow("millions") << "1,234,567.00"
                                  << "1234567";
        QTest::newRow("no decimals") << "15"
                                     << "15";
        QTest::newRow("more decimals are not cut") << "12.005"
                                                   << "12.005";
        QTest::newRow("only the first .00") << "1.00 x 2.00"
                                            << "1 x 2.00";
    }
    void stripAmount() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(StripAmount(text), expected);
    }

    void isNumberText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("lone minus") << "-" << false;
        QTest::newRow("lone plus") << "+" << false;
        QTest::newRow("lone point") << "." << false;
        QTest::newRow("whole") << "12" << true;
        QTest::newRow("decimal") << "12.50" << true;
        QTest::newRow("negative") << "-3.5" << true;
        QTest::newRow("leading point") << ".5" << true;
        QTest::newRow("trailing point") << "7." << true;
        QTest::newRow("blanks around") << " 4 " << true;
        QTest::newRow("exponent") << "1e3" << false;
        QTest::newRow("thousands separator") << "1,000" << false;
        QTest::newRow("two points") << "1.2.3" << false;
        QTest::newRow("letters") << "12a" << false;
        QTest::newRow("inner blank") << "1 2" << false;
        QTest::newRow("infinity") << "inf" << false;
        QTest::newRow("hex") << "0x10" << false;
    }
    void isNumberText() {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(IsNumberText(text), expected);
    }

    void capitalizeName_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("upper") << "JOHN"
                               << "John";
        QTest::newRow("one letter unchanged") << "J"
                                              << "J";
        QTest::newRow("one lower letter unchanged") << "j"
                                                    << "j";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("mixed") << "mARY ann"
                               << "Mary ann";
    }
    void capitalizeName() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(CapitalizeName(text), expected);
    }

    void titleCaseWords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two words") << "hello WORLD"
                                   << "Hello World";
        QTest::newRow("blank first") << " bar grill"
                                     << " Bar Grill";
        QTest::newRow("two blanks") << "bar  grill"
                                    << "Bar  Grill";
        QTest::newRow("apostrophe is no word break") << "o'NEIL"
                                                     << "O'neil";
        QTest::newRow("digits") << "2ND floor"
                                << "2nd Floor";
        QTest::newRow("only a to z change") << "école ÉTÉ"
                                            << "école ÉtÉ";
        QTest::newRow("empty") << ""
                               << "";
    }
    void titleCaseWords() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(TitleCaseWords(text), expected);
    }

    void checkCardNumber_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("expected");
        QTest::newRow("Visa 16 with blanks") << "4111 1111 1111 1111" << true;
        QTest::newRow("Visa 16, one digit changed") << "4111 1111 1111 1121" << false;
        QTest::newRow("Visa 13") << "4222222222222" << true;
        QTest::newRow("Visa 15 digits") << "411111111111116" << false;
        QTest::newRow("Mastercard 55") << "5555 5555 5555 4444" << true;
        QTest::newRow("Mastercard 51") << "5105105105105100" << true;
        QTest::newRow("Mastercard range ends at 55") << "5600000000000003" << false;
        QTest::newRow("AmEx 37") << "3782 822463 10005" << true;
        QTest::newRow("AmEx 34/37 only") << "371449635398431" << true;
        QTest::newRow("Discover") << "6011 1111 1111 1117" << true;
        QTest::newRow("Discover needs 6011") << "6012111111111116" << false;
        QTest::newRow("Luhn valid, no brand (JCB)") << "3530111333300000" << false;
        QTest::newRow("Luhn valid, no brand (Diners)") << "30569309025904" << false;
        QTest::newRow("Luhn valid, Mastercard 2-series unknown") << "2221000000000009" << false;
        QTest::newRow("dashes") << "4111-1111-1111-1111" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks only") << "    " << false;
    }
    void checkCardNumber() {
        QFETCH(QString, number);
        QFETCH(bool, expected);
        QCOMPARE(CheckCardNumber(number), expected);
    }

    void fileSizeAndDate() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Vantorel.vtd"));
        QCOMPARE(FileSizeOf(path), qint64(0));
        QVERIFY(!FileDateOf(path).isValid());
        QCOMPARE(FileSizeOf(dir.path()), qint64(0));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("12345");
        f.close();
        const QDateTime stamp(QDate(2025, 12, 31), QTime(23, 58, 30));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(stamp, QFileDevice::FileModificationTime));
        f.close();
        QCOMPARE(FileSizeOf(path), qint64(5));
        QCOMPARE(FileDateOf(path), stamp);
    }

    void moneyHelpersAgree() {
        // The amount shown is the amount read back.
        QCOMPARE(StripAmount(FormatAmount(m("1234").toPlainString(2))), QStringLiteral("1234"));
        QCOMPARE(FormatAmount(m("-0.004")), QStringLiteral("0.00"));
    }
};

QTEST_GUILESS_MAIN(TestHelpers)
#include "test_helpers.moc"
