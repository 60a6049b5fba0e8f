#include "Formats.h"

#include <QTest>

using namespace vantorel;

class TestFormats : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void vclPatternToQt_data() {
        QTest::addColumn<QString>("vcl");
        QTest::addColumn<QString>("qt");
        QTest::newRow("marquee") << "dddd, dd mmmm  hh:nn:ss"
                                 << "dddd, dd MMMM  hh:mm:ss";
        QTest::newRow("business day text") << "dd/mm/yy hh:nn:ss"
                                           << "dd/MM/yy hh:mm:ss";
        QTest::newRow("mm after hh is minutes") << "hh:mm"
                                                << "hh:mm";
        QTest::newRow("mm after hh, then a month") << "hh:mm dd/mm"
                                                   << "hh:mm dd/MM";
        QTest::newRow("m after h") << "h:m"
                                   << "h:m";
        QTest::newRow("month names") << "dd mmm yyyy"
                                     << "dd MMM yyyy";
        QTest::newRow("three y are four digits") << "dd/mm/yyy"
                                                 << "dd/MM/yyyy";
        QTest::newRow("one y is two digits") << "d/m/y"
                                             << "d/M/yy";
        QTest::newRow("double-quoted blanks") << "dd\" \"mmm\" \"yyyy"
                                              << "dd MMM yyyy";
        QTest::newRow("quoted letters stay literal") << "dd 'at' hh:nn"
                                                     << "dd' at 'hh:mm";
        QTest::newRow("bare literal letters are quoted") << "dd x"
                                                         << "dd' x'";
        QTest::newRow("apostrophe in double quotes") << "\"it's\" yy"
                                                     << "'it''s 'yy";
        QTest::newRow("short date") << "ddddd"
                                    << "dd/MM/yyyy";
        QTest::newRow("long date") << "dddddd"
                                   << "dddd, dd/MMMM/yyyy";
        QTest::newRow("c") << "c"
                           << "dd/MM/yyyy HH:mm:ss";
        QTest::newRow("long time") << "tt"
                                   << "HH:mm:ss";
        QTest::newRow("am/pm") << "h:nn am/pm"
                               << "h:mm ap";
        QTest::newRow("AM/PM") << "hh:nn AM/PM"
                               << "hh:mm AP";
        QTest::newRow("upper case specifiers") << "DD/MM/YYYY HH:NN"
                                               << "dd/MM/yyyy hh:mm";
        QTest::newRow("milliseconds") << "ss.zzz"
                                      << "ss.zzz";
        QTest::newRow("iso day") << "yyyy-mm-dd"
                                 << "yyyy-MM-dd";
    }
    void vclPatternToQt() {
        QFETCH(QString, vcl);
        QFETCH(QString, qt);
        QCOMPARE(VclToQtDateTimeFormat(vcl), qt);
    }

    void formatsInEnglishWhateverTheLocale_data() {
        QTest::addColumn<QString>("vcl");
        QTest::addColumn<QString>("expected");
        QTest::newRow("marquee") << "dddd, dd mmmm  hh:nn:ss"
                                 << "Saturday, 14 March  18:05:09";
        QTest::newRow("short names") << "ddd dd mmm yyy"
                                     << "Sat 14 Mar 2026";
        QTest::newRow("business day") << "dd/mm/yy hh:nn:ss"
                                      << "14/03/26 18:05:09";
        QTest::newRow("12-hour clock") << "h:nn am/pm"
                                       << "6:05 pm";
        QTest::newRow("apostrophe and letters as text") << "\"it's\" yy 'at' hh"
                                                        << "it's 26 at 18";
        QTest::newRow("quoted blank before a day name") << "dd/mm/yy\" \"ddd"
                                                        << "14/03/26 Sat";
    }
    void formatsInEnglishWhateverTheLocale() {
        QFETCH(QString, vcl);
        QFETCH(QString, expected);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QDateTime at(QDate(2026, 3, 14), QTime(18, 5, 9));
        QCOMPARE(FormatDateTimeVcl(at, vcl), expected);
    }

    void dateOnly() {
        QCOMPARE(FormatDateVcl(QDate(2026, 1, 5), QStringLiteral("dd mmmm yyyy")),
                 QStringLiteral("05 January 2026"));
    }

    void programFormats() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ApplyFormatSettings();
        const QLocale now;
        QCOMPARE(now.decimalPoint(), QStringLiteral("."));
        QCOMPARE(now.groupSeparator(), QStringLiteral(","));
        QCOMPARE(now.toString(1234.5, 'f', 2), QStringLiteral("1,234.50"));
        QCOMPARE(FormatCurrency(*Money::parse(u"1234.5")), QStringLiteral("$ 1,234.50"));
        QCOMPARE(QDate(2026, 3, 4).toString(ProgramFormat::ShortDateFormat), QStringLiteral("04/03/2026"));
    }
};

QTEST_GUILESS_MAIN(TestFormats)
#include "test_formats.moc"
