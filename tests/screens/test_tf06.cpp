#include "SettingsScreenFixture.h"
#include "TF06.h"

#include <QCheckBox>
#include <QLabel>

using namespace vantorel;

namespace {

const QStringList Codes = {QStringLiteral("AMEX"), QStringLiteral("DINERS"), QStringLiteral("MASTERS"),
                           QStringLiteral("VISA"), QStringLiteral("DEBIT")};

QString yesNo(bool on) {
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

struct Screen : test::SettingsScreen<TF06> {
    Screen() { open(); }

    QCheckBox* box(const QString& name) { return child<QCheckBox>(name); }
    QLineEdit* charge(const QString& code) { return edit(code + QStringLiteral("Edit")); }
    // The stored companies as "code:label:used:percent", in code order.
    QStringList cardRows() {
        QStringList rows;
        for (const Row& r : db->query(
                 QStringLiteral("SELECT * FROM CreditCard ORDER BY %1").arg(SqlName(QStringLiteral("Code")))))
            rows << QStringLiteral("%1:%2:%3:%4")
                        .arg(r.text(QStringLiteral("Code")), r.text(QStringLiteral("Desc1")),
                             r.boolean(QStringLiteral("Used")) ? QStringLiteral("used") : QStringLiteral("-"))
                        .arg(r.number(QStringLiteral("percent")));
        return rows;
    }
    // Utility's switches as "accepted|number required".
    QString utility() {
        const auto r = db->queryOne(QStringLiteral("SELECT CardChargeYN, CardNumberInput FROM Utility"));
        return yesNo(r->boolean(QStringLiteral("CardChargeYN"))) + QLatin1Char('|') +
               yesNo(r->boolean(QStringLiteral("CardNumberInput")));
    }
    QString copies() {
        return yesNo(state.settings.cardChargeOn) + QLatin1Char('|') +
               yesNo(state.settings.cardNumberRequired);
    }
    void untickAll() {
        for (const QString& code : Codes)
            if (box(code + QStringLiteral("Box"))->isChecked())
                click(code + QStringLiteral("Box"));
    }
};

} // namespace

class TestTF06 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The new business accepts all five; a charge never set shows the company's usual charge.
    void opensShowingTheCompanies() {
        Screen s;
        QCOMPARE(s.form->title(), QStringLiteral("Credit Cards"));
        const QStringList labels = {QStringLiteral("American Express"), QStringLiteral("DinersClub"),
                                    QStringLiteral("MastersCard"), QStringLiteral("Visa Credit Card"),
                                    QStringLiteral("Debit Card")};
        const QStringList charges = {QStringLiteral("3.4"), QStringLiteral("3.5"), QStringLiteral("2.5"),
                                     QStringLiteral("2.5"), QStringLiteral("2.5")};
        for (int i = 0; i < Codes.size(); ++i) {
            QCheckBox* b = s.box(Codes[i] + QStringLiteral("Box"));
            QCOMPARE(b->text(), labels[i]);
            QVERIFY(b->isChecked());
            QCOMPARE(s.charge(Codes[i])->text(), charges[i]);
            QCOMPARE(s.charge(Codes[i])->maxLength(), 3);
        }
        QCOMPARE(s.box(QStringLiteral("NoCardsBox"))->text(),
                 QStringLiteral("No, we do not accept credit cards"));
        QVERIFY(!s.box(QStringLiteral("NoCardsBox"))->isChecked());
        QCOMPARE(s.box(QStringLiteral("CardNumberBox"))->text(),
                 QStringLiteral("In Billing, Vantorel requires input of the credit card number"));
        QVERIFY(!s.box(QStringLiteral("CardNumberBox"))->isChecked());
        QVERIFY(s.prompter.messages.empty());
    }

    void networkDatabaseIsWarnedAboutOnOpening() {
        test::SettingsScreen<TF06> s;
        s.state.dataFolder = QStringLiteral("//server/Vantorel/");
        s.open();
        QCOMPARE(s.prompter.messages.size(), size_t(1));
        QCOMPARE(s.prompter.messages[0].caption, QStringLiteral("LAN Connection"));
    }

    void savingRewritesTheCompanies() {
        Screen s;
        s.click(QStringLiteral("DINERSBox"));
        s.retype(QStringLiteral("AMEXEdit"), QStringLiteral("4"));
        s.retype(QStringLiteral("DEBITEdit"), QStringLiteral(".5"));
        s.click(QStringLiteral("CardNumberBox"));
        s.click(QStringLiteral("SaveBut"));
        QVERIFY(s.prompter.messages.empty());
        QCOMPARE(s.cardRows(), QStringList({QStringLiteral("AMEX:American Express:used:4"),
                                            QStringLiteral("DEBIT:Debit Card:used:0.5"),
                                            QStringLiteral("DINERS:DinersClub:-:3.5"),
                                            QStringLiteral("MASTERS:MastersCard:used:2.5"),
                                            QStringLiteral("VISA:Visa Credit Card:used:2.5")}));
        QCOMPARE(s.utility(), QStringLiteral("true|true"));
        QCOMPARE(s.copies(), QStringLiteral("true|true"));
        QCOMPARE(s.events(), QStringList{QStringLiteral("Credit Cards - Saved|Maria")});
        s.open();
        QVERIFY(!s.box(QStringLiteral("DINERSBox"))->isChecked());
        QCOMPARE(s.charge(QStringLiteral("DEBIT"))->text(), QStringLiteral("0.5"));
        QVERIFY(s.box(QStringLiteral("CardNumberBox"))->isChecked());
    }

    // No company ticked, or the box ticked: card payments are off and the company rows stay as they were.
    void cardsRefused_data() {
        QTest::addColumn<bool>("noCompany");
        QTest::newRow("no company ticked") << true;
        QTest::newRow("no cards ticked") << false;
    }
    void cardsRefused() {
        QFETCH(bool, noCompany);
        Screen s;
        s.click(QStringLiteral("CardNumberBox"));
        s.click(QStringLiteral("SaveBut"));
        const QStringList rowsBefore = s.cardRows();
        if (noCompany)
            s.untickAll();
        else
            s.click(QStringLiteral("NoCardsBox"));
        s.retype(QStringLiteral("VISAEdit"), QStringLiteral("9"));
        s.click(QStringLiteral("SaveBut"));
        QVERIFY(s.prompter.messages.empty());
        QCOMPARE(s.cardRows(), rowsBefore);
        QCOMPARE(s.utility(), QStringLiteral("false|true"));
        QCOMPARE(s.copies(), QStringLiteral("false|true"));
        QVERIFY(s.box(QStringLiteral("NoCardsBox"))->isChecked());
        QCOMPARE(s.box(QStringLiteral("CardNumberBox"))->isChecked(), !noCompany);
        QCOMPARE(s.events().size(), 2);
    }

    void badChargeChangesNothing() {
        Screen s;
        const QStringList rowsBefore = s.cardRows();
        const QString utilityBefore = s.utility();
        s.click(QStringLiteral("AMEXBox"));
        s.click(QStringLiteral("CardNumberBox"));
        s.retype(QStringLiteral("MASTERSEdit"), QStringLiteral("2.."));
        s.click(QStringLiteral("SaveBut"));
        QCOMPARE(s.prompter.messages.size(), size_t(1));
        QCOMPARE(s.prompter.messages[0].text, QStringLiteral("Invalid numeric input. Please try again!   "));
        QCOMPARE(s.prompter.messages[0].caption, QStringLiteral("  Invalid Input"));
        QCOMPARE(s.form->focusedWidget(), s.charge(QStringLiteral("MASTERS")));
        QCOMPARE(s.cardRows(), rowsBefore);
        QCOMPARE(s.utility(), utilityBefore);
        QCOMPARE(s.copies(), QStringLiteral("true|false"));
        QVERIFY(s.events().isEmpty());
    }

    // Enter walks down the charges to Save, and presses it there.
    void enterWalksToSave() {
        Screen s;
        s.charge(QStringLiteral("AMEX"))->setFocus();
        for (const QString& code : Codes) {
            QCOMPARE(s.form->focusedWidget(), s.charge(code));
            QTest::keyClick(s.charge(code), Qt::Key_Return);
        }
        QWidget* save = s.child<QWidget>(QStringLiteral("SaveBut"));
        QCOMPARE(s.form->focusedWidget(), save);
        QTest::keyClick(save, Qt::Key_Return);
        QCOMPARE(s.events().size(), 1);
    }
};

QTEST_MAIN(TestTF06)
#include "test_tf06.moc"
