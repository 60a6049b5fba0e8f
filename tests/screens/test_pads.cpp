#include "Clock.h"
#include "DialogState.h"
#include "FullScreenForm.h"
#include "GradientPanel.h"
#include "ModalDriver.h"
#include "ScriptedPrompter.h"
#include "TFTSCheckin.h"
#include "TStartCash.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vantorel;

namespace {

// Opens the pad over a screen, presses the keys (captions) and returns what it answered.
template <typename Pad> QString press(Pad& pad, const QStringList& keys, QString* entry = nullptr) {
    test::ModalDriver driver;
    driver.whenOpen<Pad>([&](Pad* p) {
        for (const QString& k : keys) {
            if (k == QLatin1String("?")) {
                if constexpr (requires { p->entry(); }) {
                    if (entry)
                        *entry = p->entry();
                }
                continue;
            }
            QPushButton* b = p->key(k);
            if (!b)
                qFatal("no key %s", qPrintable(k));
            b->click();
        }
        if (p->isVisible())
            static_cast<QDialog*>(p)->reject();
    });
    DialogAnswer().clear();
    pad.exec();
    return DialogAnswer();
}

QString typedAmount(TStartCash& pad, const QStringList& keys) {
    QString shown;
    test::ModalDriver driver;
    driver.whenOpen<TStartCash>([&](TStartCash* p) {
        for (const QString& k : keys)
            p->key(k)->click();
        shown = p->field()->text();
        static_cast<QDialog*>(p)->reject();
    });
    pad.exec();
    return shown;
}

} // namespace

class TestPads : public QObject {
    Q_OBJECT
    FixedClock m_clock{QDateTime(QDate(2026, 3, 14), QTime(12, 0))};

private Q_SLOTS:
    void checkInPad_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("answer");
        QTest::newRow("four digits") << 4 << QStringList{"3", "4", "5", "6", "OK"} << "3456";
        QTest::newRow("a leading 0 is ignored") << 4 << QStringList{"0", "3", "0", "5", "OK"} << "305";
        QTest::newRow("a fifth digit is ignored")
            << 4 << QStringList{"1", "2", "3", "4", "5", "OK"} << "1234";
        QTest::newRow("clear") << 4 << QStringList{"1", "2", "Clear", "7", "OK"} << "7";
        QTest::newRow("nothing typed") << 4 << QStringList{"OK"} << "";
        QTest::newRow("exit") << 4 << QStringList{"1", "Exit"} << "XPX";
        QTest::newRow("limit 2") << 2 << QStringList{"1", "2", "3", "OK"} << "12";
    }
    void checkInPad() {
        QFETCH(int, limit);
        QFETCH(QStringList, keys);
        QFETCH(QString, answer);
        FullScreenForm screen(m_clock);
        screen.showOnScreen();
        DigitLimit() = limit;
        TFTSCheckin pad(&screen);
        QCOMPARE(press(pad, keys), answer);
    }

    void checkInPadHidesTheDigits() {
        FullScreenForm screen(m_clock);
        screen.showOnScreen();
        DigitLimit() = 4;
        TFTSCheckin pad(&screen);
        QString typed;
        QCOMPARE(press(pad, {"2", "3", "?", "Exit"}, &typed), QStringLiteral("XPX"));
        QCOMPARE(typed, QStringLiteral("23"));
        for (QLineEdit* field : pad.canvas()->findChildren<QLineEdit*>())
            QVERIFY(!field->isVisible());
        QCOMPARE(pad.size(), QSize(288, 299));
    }

    void amountPadKeys_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("two decimals at most") << QStringList{"1", "2", ".", "5", "0", "7"} << "12.50";
        QTest::newRow("one point") << QStringList{"1", ".", ".", "5"} << "1.5";
        QTest::newRow("a point first") << QStringList{".", "5"} << "0.5";
        QTest::newRow("seven characters") << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"} << "1234567";
        QTest::newRow("clear") << QStringList{"9", "Clear", "4"} << "4";
    }
    void amountPadKeys() {
        QFETCH(QStringList, keys);
        QFETCH(QString, shown);
        FullScreenForm screen(m_clock);
        screen.showOnScreen();
        test::ScriptedPrompter prompter;
        DigitLimit() = 7;
        TStartCash pad(&screen, prompter);
        QCOMPARE(typedAmount(pad, keys), shown);
    }

    void amountPadConfirms_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("answerToQuestion"); // -1: no question expected
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("question");
        QTest::newRow("amount, yes") << QStringList{"1", "2", "5", "0", "Done"} << int(Prompter::Answer::Yes)
                                     << "1,250.00"
                                     << "Leave 1,250.00 in the cash drawer for today's business?  ";
        QTest::newRow("nothing typed") << QStringList{"Done"} << -1 << "0.00"
                                       << "";
        QTest::newRow("back") << QStringList{"5", "Back"} << -1 << "XPX"
                              << "";
    }
    void amountPadConfirms() {
        QFETCH(QStringList, keys);
        QFETCH(int, answerToQuestion);
        QFETCH(QString, answer);
        QFETCH(QString, question);
        FullScreenForm screen(m_clock);
        screen.showOnScreen();
        test::ScriptedPrompter prompter;
        if (answerToQuestion >= 0)
            prompter.answers.push_back(Prompter::Answer(answerToQuestion));
        DigitLimit() = 7;
        TStartCash pad(&screen, prompter);
        pad.setConfirmCaption(QStringLiteral("Done"));
        QCOMPARE(press(pad, keys), answer);
        QCOMPARE(prompter.questions.size(), size_t(question.isEmpty() ? 0 : 1));
        if (!question.isEmpty()) {
            QCOMPARE(prompter.questions.back().text, question);
            QCOMPARE(prompter.questions.back().caption, QStringLiteral("  ") + answer);
        }
    }

    void amountPadNoKeepsItOpenAndEmpty() {
        FullScreenForm screen(m_clock);
        screen.showOnScreen();
        test::ScriptedPrompter prompter;
        prompter.answers.push_back(Prompter::Answer::No);
        DigitLimit() = 7;
        TStartCash pad(&screen, prompter);
        pad.setConfirmCaption(QStringLiteral("Done"));
        test::ModalDriver driver;
        QString afterNo;
        bool stillOpen = false;
        driver.whenOpen<TStartCash>([&](TStartCash* p) {
            p->key(QStringLiteral("8"))->click();
            p->key(QStringLiteral("Done"))->click();
            stillOpen = p->isVisible();
            afterNo = p->field()->text();
            p->key(QStringLiteral("Back"))->click();
        });
        pad.exec();
        QVERIFY(stillOpen);
        QCOMPARE(afterNo, QString());
        QCOMPARE(DialogAnswer(), QStringLiteral("XPX"));
    }

    void amountFieldTyping_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("refusal");
        QTest::newRow("digits and a point") << "45.25"
                                            << "45.25" << false;
        QTest::newRow("third decimal") << "1.234"
                                       << "1.23" << false;
        QTest::newRow("letters") << "4a5"
                                 << "45" << false;
        QTest::newRow("point first is not a number") << "."
                                                     << "" << true;
        QTest::newRow("second point") << "1.2."
                                      << "1.2" << true;
    }
    void amountFieldTyping() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, refusal);
        FullScreenForm screen(m_clock);
        screen.showOnScreen();
        test::ScriptedPrompter prompter;
        DigitLimit() = 7;
        TStartCash pad(&screen, prompter);
        test::ModalDriver driver;
        QString seen;
        driver.whenOpen<TStartCash>([&](TStartCash* p) {
            QTest::keyClicks(p->field(), typed);
            seen = p->field()->text();
            QTest::keyClick(p->field(), Qt::Key_Escape);
            QCOMPARE(p->field()->text(), QString());
            static_cast<QDialog*>(p)->reject();
        });
        pad.exec();
        QCOMPARE(seen, shown);
        QCOMPARE(prompter.messages.size(), size_t(refusal ? 1 : 0));
        if (refusal)
            QCOMPARE(prompter.lastMessage(),
                     QStringLiteral("Not a proper number!     \n\nPlease try again."));
    }
};

QTEST_MAIN(TestPads)
#include "test_pads.moc"
