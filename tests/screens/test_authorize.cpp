#include "AccessRows.h"
#include "BillApprovalHandler.h"
#include "Clock.h"
#include "DialogState.h"
#include "FullScreenForm.h"
#include "GradientPanel.h"
#include "ModalDriver.h"
#include "ProgramState.h"
#include "ScriptedPrompter.h"
#include "TFAuthorize.h"
#include "TFuserID.h"
#include "TTSFAuthorize.h"
#include "TempDataFolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vantorel;

namespace {

// Tom 2345 holds TF36 (keyboard approvals), Lea 4567 holds TF33 (touch approvals); Anna 3456 is checked in.
struct Fixture {
    test::TempDataFolder folder;
    std::unique_ptr<Database> db = folder.open();
    ProgramState state;
    FixedClock clock{QDateTime(QDate(2026, 3, 14), QTime(20, 0))};
    test::ScriptedPrompter prompter;
    FullScreenForm screen{clock};
    Fixture() {
        state.dataFolder = folder.path();
        test::AddUser(*db, QStringLiteral("Tom"), QStringLiteral("2345"), {QStringLiteral("TF36")});
        test::AddUser(*db, QStringLiteral("Lea"), QStringLiteral("4567"), {QStringLiteral("TF33")});
        test::AddUser(*db, QStringLiteral("Anna"), QStringLiteral("3456"), {QStringLiteral("TF02")});
        state.currentUserName = QStringLiteral("Anna");
        state.currentUserId = QStringLiteral("3456");
        screen.showOnScreen();
    }
    QStringList events() {
        QStringList out;
        for (const Row& r : db->query(
                 QStringLiteral("SELECT %1, BillNumber FROM Events").arg(SqlName(QStringLiteral("Event")))))
            out << r.text(QStringLiteral("Event")) + QLatin1Char('|') + r.text(QStringLiteral("BillNumber"));
        return out;
    }
};

} // namespace

class TestAuthorize : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keyboardDialog_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key"); // the key that confirms: Enter, "O", or 0 for the "All items" button
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("titleLine");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("Enter") << "2345" << int(Qt::Key_Return) << "1"
                               << "Authorized !"
                               << QStringList{"Authori - Tom: Void Fish and Chips|26000042"};
        QTest::newRow("five digits are checked by the last four")
            << "92345" << int(Qt::Key_Return) << "1"
            << "Authorized !" << QStringList{"Authori - Tom: Void Fish and Chips|26000042"};
        QTest::newRow("O for one item")
            << "2345" << int(Qt::Key_O) << "1"
            << "Authorized !" << QStringList{"Authori - Tom: Void Fish and Chips|26000042"};
        QTest::newRow("all items") << "2345" << 0 << "2"
                                   << "Authorized !"
                                   << QStringList{"Authori - Tom: Void Fish and Chips|26000042"};
        QTest::newRow("approver without TF36")
            << "4567" << int(Qt::Key_Return) << "0"
            << "Incorrect Authorization ID !" << QStringList{"Authori - 4567: Incorrect Code|26000042"};
        QTest::newRow("three digits") << "234" << int(Qt::Key_Return) << "0"
                                      << "Authorization Required" << QStringList();
        QTest::newRow("letters are not typed")
            << "2x3y45" << int(Qt::Key_Return) << "1"
            << "Authorized !" << QStringList{"Authori - Tom: Void Fish and Chips|26000042"};
    }
    void keyboardDialog() {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, answer);
        QFETCH(QString, titleLine);
        QFETCH(QStringList, events);
        Fixture f;
        TFAuthorize dialog(&f.screen, f.state, f.clock, f.prompter);
        dialog.setBill(QStringLiteral("26000042"));
        dialog.setComments(QStringLiteral("Void Fish and Chips"));
        QString shownTitle;
        test::ModalDriver driver;
        driver.whenOpen<TFAuthorize>([&](TFAuthorize* d) {
            QTest::keyClicks(d->idField(), typed);
            if (key)
                QTest::keyClick(d->idField(), Qt::Key(key));
            else
                d->allButton()->click();
            shownTitle = d->titleLine()->text();
        });
        DialogAnswer().clear();
        dialog.exec();
        QCOMPARE(DialogAnswer(), answer);
        QCOMPARE(shownTitle, titleLine);
        QCOMPARE(f.events(), events);
    }

    void keyboardDialogCancels_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("B") << int(Qt::Key_B);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void keyboardDialogCancels() {
        QFETCH(int, key);
        Fixture f;
        test::ModalDriver driver;
        driver.whenOpen<TFAuthorize>([&](TFAuthorize* d) {
            QTest::keyClicks(d->idField(), QStringLiteral("2345"));
            QTest::keyClick(d->idField(), Qt::Key(key));
        });
        QCOMPARE(TFAuthorize::ask(&f.screen, f.state, f.clock, f.prompter, QStringLiteral("26000042"),
                                  QStringLiteral("Void")),
                 Prompter::Approval::Refused);
        QCOMPARE(f.events(), QStringList());
    }

    void touchDialog_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("one item") << QStringList{"4", "5", "6", "7", "One item"}
                                  << int(Prompter::Approval::OneItem)
                                  << QStringList{"Authori - Lea: Discount 10%|Smith"};
        QTest::newRow("leading 0 ignored, all items")
            << QStringList{"0", "4", "5", "6", "7", "All items"} << int(Prompter::Approval::AllItems)
            << QStringList{"Authori - Lea: Discount 10%|Smith"};
        QTest::newRow("keyboard approver")
            << QStringList{"2", "3", "4", "5", "One item"} << int(Prompter::Approval::Refused)
            << QStringList{"Authori - 2345: Incorrect Code|Smith"};
        QTest::newRow("short ID is checked as typed")
            << QStringList{"4", "5", "One item"} << int(Prompter::Approval::Refused)
            << QStringList{"Authori - 45: Incorrect Code|Smith"};
        QTest::newRow("nothing typed")
            << QStringList{"One item"} << int(Prompter::Approval::Refused) << QStringList();
        QTest::newRow("cancel") << QStringList{"4", "5", "6", "7", "Cancel"}
                                << int(Prompter::Approval::Refused) << QStringList();
        QTest::newRow("clear") << QStringList{"9", "Clear", "4", "5", "6", "7", "One item"}
                               << int(Prompter::Approval::OneItem)
                               << QStringList{"Authori - Lea: Discount 10%|Smith"};
    }
    void touchDialog() {
        QFETCH(QStringList, keys);
        QFETCH(int, answer);
        QFETCH(QStringList, events);
        Fixture f;
        test::ModalDriver driver;
        bool questionHidden = false;
        driver.whenOpen<TTSFAuthorize>([&](TTSFAuthorize* d) {
            for (const QString& k : keys)
                d->key(k)->click();
            questionHidden = !d->canvas()->findChild<QLabel*>(QStringLiteral("question"))->isVisible();
        });
        QCOMPARE(int(TTSFAuthorize::ask(&f.screen, f.state, f.clock, f.prompter, QStringLiteral("Smith"),
                                        QStringLiteral("Discount 10%"))),
                 answer);
        QCOMPARE(f.events(), events);
        QCOMPARE(questionHidden, keys.last() != QLatin1String("Cancel"));
    }

    void approvalRequestsOpenTheDialogOfTheInputMode() {
        Fixture f;
        WidgetPrompter prompter(&f.screen);
        prompter.setApprovalHandler(MakeBillApprovalHandler(&f.screen, f.state, f.clock, f.prompter));
        test::ModalDriver driver;
        driver.whenOpen<TFAuthorize>([](TFAuthorize* d) {
            QTest::keyClicks(d->idField(), QStringLiteral("2345"));
            d->allButton()->click();
        });
        QCOMPARE(prompter.requestApproval(QStringLiteral("26000042"), QStringLiteral("Void")),
                 Prompter::Approval::AllItems);
        QCOMPARE(driver.ran(), 1);

        f.state.settings.touchMode = true;
        driver.whenOpen<TTSFAuthorize>([](TTSFAuthorize* d) {
            for (const char* k : {"4", "5", "6", "7", "One item"})
                d->key(QString::fromLatin1(k))->click();
        });
        QCOMPARE(prompter.requestApproval(QStringLiteral("Smith"), QStringLiteral("Discount")),
                 Prompter::Approval::OneItem);
        QCOMPARE(driver.ran(), 2);
    }

    void userIdPrompt_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key"); // Enter, "B", "E" or F10
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("to billing") << "2345" << int(Qt::Key_Return) << "ToBilling"
                                    << "Tom" << QStringList();
        QTest::newRow("six typed, first four valid") << "234567" << int(Qt::Key_Return) << "ToBilling"
                                                     << "Tom" << QStringList();
        QTest::newRow("B with a valid ID") << "4567" << int(Qt::Key_B) << "ToBilling"
                                           << "Lea" << QStringList();
        QTest::newRow("E with a valid ID") << "4567" << int(Qt::Key_E) << "CloseBilling"
                                           << "Lea" << QStringList();
        QTest::newRow("F10") << "4567" << int(Qt::Key_F10) << "CloseBilling"
                             << "Lea" << QStringList();
        QTest::newRow("wrong ID") << "1111" << int(Qt::Key_Return) << ""
                                  << "Anna" << QStringList{"Billing - Invalid User ID used: 1111|"};
    }
    void userIdPrompt() {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, answer);
        QFETCH(QString, user);
        QFETCH(QStringList, events);
        Fixture f;
        TFuserID prompt(&f.screen, f.state, f.clock, f.prompter);
        test::ModalDriver driver;
        QString users;
        QString fieldAfter = QStringLiteral("-");
        driver.whenOpen<TFuserID>([&](TFuserID* d) {
            users = d->usersLabel()->text();
            QTest::keyClicks(d->idField(), typed);
            QTest::keyClick(d->idField(), Qt::Key(key));
            if (d->isVisible()) {
                fieldAfter = d->idField()->text();
                d->done(0);
            }
        });
        DialogAnswer().clear();
        prompt.exec();
        QCOMPARE(users, QStringLiteral("4 Users"));
        QCOMPARE(DialogAnswer(), answer);
        QCOMPARE(f.state.currentUserName, user);
        QCOMPARE(f.events(), events);
        if (answer.isEmpty()) {
            QCOMPARE(f.prompter.lastMessage(),
                     QStringLiteral("The code you entered is invalid. A record has been saved."));
            QCOMPARE(f.prompter.messages.back().caption, QStringLiteral("Incorrect Input"));
            QCOMPARE(fieldAfter, QString());
        }
    }

    // With a complete valid ID typed, keys other than B, E and backspace are swallowed.
    void userIdPromptSwallowsKeysAfterAValidId() {
        Fixture f;
        TFuserID prompt(&f.screen, f.state, f.clock, f.prompter);
        test::ModalDriver driver;
        QString after;
        driver.whenOpen<TFuserID>([&](TFuserID* d) {
            QTest::keyClicks(d->idField(), QStringLiteral("45679"));
            after = d->idField()->text();
            QTest::keyClick(d->idField(), Qt::Key_Backspace);
            QTest::keyClicks(d->idField(), QStringLiteral("1"));
            after += QLatin1Char('|') + d->idField()->text();
            d->done(0);
        });
        prompt.exec();
        QCOMPARE(after, QStringLiteral("4567|4561"));
    }
};

QTEST_MAIN(TestAuthorize)
#include "test_authorize.moc"
