#include "SettingsScreenFixture.h"
#include "TF16.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

using namespace vantorel;

namespace {

struct Screen : test::SettingsScreen<TF16> {
    Screen() { open(); }

    QRadioButton* choice(int rounding) {
        return child<QRadioButton>(QStringLiteral("Rounding%1").arg(rounding));
    }
    QCheckBox* lastLineBox() { return child<QCheckBox>(QStringLiteral("LastLineBox")); }
    int storedRounding() { return db->scalar(QStringLiteral("SELECT BillRounding FROM Utility")).toInt(); }
    QString storedLastLine() {
        return db->scalar(QStringLiteral("SELECT BillRemark2 FROM Utility")).toString();
    }
    // Every text the screen shows, in no particular order.
    QStringList shownTexts() {
        QStringList texts;
        for (QLabel* l : form->canvas()->findChildren<QLabel*>())
            texts << l->text();
        for (QAbstractButton* b : form->canvas()->findChildren<QAbstractButton*>())
            texts << b->text();
        return texts;
    }
};

} // namespace

class TestTF16 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensWithTheStoredRoundingAndTheTexts() {
        Screen s;
        QCOMPARE(s.form->title(), QStringLiteral("Bill Rounding"));
        QVERIFY(s.choice(0)->isChecked());
        QCOMPARE(s.form->focusedWidget(), s.choice(0));
        QVERIFY(!s.lastLineBox()->isChecked());
        QVERIFY(!s.edit(QStringLiteral("LastLineEdit"))->isEnabled());
        const QStringList texts = s.shownTexts();
        for (const char* text :
             {"Throughout the program, Vantorel uses international financial rouding. The rounding that can "
              "be "
              "set here, is the rounding of the final value of the bill, as paid by the customer, i.e. after "
              "deduction of Bill discount or addition of Taxes and/or Service Charge.  ",
              "Rounding of Grand Total: internatial financial", "Last digit of Grand Total rounded to 0 or 5",
              "Last digit of Grand Total rounded to 0",
              "3rd digit international financial rounding (default)",
              "2nd digit rounding to the nearest multiple of 5.",
              "2nd digit international financial rounding",
              "Result: 2nd digit is 1, 2, 3, 4, 5 ,6 ,7 ,8 ,9 ,0.", "Result: 2nd digit is 0 or 5.",
              "Result: 2nd digit is 0.", "Last line on Bill", "Save", "Done"})
            QVERIFY2(texts.contains(QString::fromLatin1(text)), text);
        QVERIFY(s.prompter.messages.empty());
    }

    void networkDatabaseIsWarnedAboutOnOpening() {
        test::SettingsScreen<TF16> s;
        s.state.dataFolder = QStringLiteral("//server/Vantorel/");
        s.open();
        QCOMPARE(s.prompter.messages.size(), size_t(1));
        QCOMPARE(s.prompter.messages[0].caption, QStringLiteral("LAN Connection"));
    }

    void choiceIsSavedAndShownAgain_data() {
        QTest::addColumn<int>("rounding");
        QTest::addColumn<bool>("onTheTile"); // clicked beside the button, as a finger may
        QTest::newRow("0") << 0 << false;
        QTest::newRow("5") << 5 << false;
        QTest::newRow("10") << 10 << false;
        QTest::newRow("5 on the tile") << 5 << true;
        QTest::newRow("10 on the tile") << 10 << true;
    }
    void choiceIsSavedAndShownAgain() {
        QFETCH(int, rounding);
        QFETCH(bool, onTheTile);
        Screen s;
        s.db->exec(QStringLiteral("UPDATE Utility SET BillRounding = ?"), {rounding == 10 ? 5 : 10});
        s.open();
        if (onTheTile) {
            const QRect tile(s.choice(rounding)->parentWidget()->geometry());
            s.pointerClick(tile.bottomRight() - QPoint(20, 10));
        } else {
            s.click(QStringLiteral("Rounding%1").arg(rounding));
        }
        QVERIFY(s.choice(rounding)->isChecked());
        s.click(QStringLiteral("SaveBut"));
        QCOMPARE(s.storedRounding(), rounding);
        QCOMPARE(s.storedLastLine(), QString());
        QVERIFY(s.prompter.messages.empty());
        s.open();
        QVERIFY(s.choice(rounding)->isChecked());
        for (int other : {0, 5, 10})
            QCOMPARE(s.choice(other)->isChecked(), other == rounding);
    }

    void lastLineIsSavedOnlyWhileTicked() {
        Screen s;
        s.click(QStringLiteral("LastLineBox"));
        QCOMPARE(s.form->focusedWidget(), s.edit(QStringLiteral("LastLineEdit")));
        QTest::keyClicks(s.edit(QStringLiteral("LastLineEdit")), QStringLiteral("See you again soon!"));
        QTest::keyClick(s.edit(QStringLiteral("LastLineEdit")), Qt::Key_Return);
        QWidget* save = s.child<QWidget>(QStringLiteral("SaveBut"));
        QCOMPARE(s.form->focusedWidget(), save);
        QTest::keyClick(save, Qt::Key_Return);
        QCOMPARE(s.storedLastLine(), QStringLiteral("See you again soon!"));

        s.open();
        QVERIFY(s.lastLineBox()->isChecked());
        QCOMPARE(s.edit(QStringLiteral("LastLineEdit"))->text(), QStringLiteral("See you again soon!"));
        s.retype(QStringLiteral("LastLineEdit"), QStringLiteral("Not this one"));
        s.click(QStringLiteral("LastLineBox"));
        s.click(QStringLiteral("Rounding5"));
        s.click(QStringLiteral("SaveBut"));
        QCOMPARE(s.storedLastLine(), QStringLiteral("See you again soon!"));
        QCOMPARE(s.storedRounding(), 5);
        // Rounding is not among the logged settings.
        QVERIFY(s.events().isEmpty());
    }
};

QTEST_MAIN(TestTF16)
#include "test_tf16.moc"
