#include "AccessRows.h"
#include "CheckIn.h"
#include "Clock.h"
#include "ProgramState.h"
#include "ScriptedPrompter.h"
#include "SqlDateTime.h"
#include "TempDataFolder.h"
#include "UserIdPrompt.h"

#include <QTest>

using namespace vantorel;
using test::ScriptedPrompter;

namespace {

struct Fixture {
    test::TempDataFolder folder;
    std::unique_ptr<Database> db = folder.open();
    ProgramState state;
    FixedClock clock{QDateTime(QDate(2026, 3, 14), QTime(10, 0))};
    ScriptedPrompter prompter;
    Fixture() {
        state.dataFolder = folder.path();
        test::AddUser(*db, QStringLiteral("Tom"), QStringLiteral("2345"),
                      {QStringLiteral("TF02"), QStringLiteral("TF03")});
        test::AddUser(*db, QStringLiteral("Anna"), QStringLiteral("3456"), {QStringLiteral("TF02")});
    }
    struct Sheet {
        QString name;
        QDateTime in;
        QDateTime out;
    };
    std::vector<Sheet> sheet() {
        std::vector<Sheet> rows;
        for (const Row& r : db->query(QStringLiteral("SELECT * FROM TimeInTimeOut ORDER BY DateIn")))
            rows.push_back({r.text(QStringLiteral("UserName")), r.dateTime(QStringLiteral("DateIn")),
                            r.dateTime(QStringLiteral("DateOut"))});
        return rows;
    }
};

} // namespace

class TestCheckIn : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingNameOrIdIsNotAnAttempt_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("result");
        QTest::newRow("no name") << QString() << QStringLiteral("2345")
                                 << int(KeyboardCheckIn::Result::MissingName);
        QTest::newRow("no ID") << QStringLiteral("TOM") << QString()
                               << int(KeyboardCheckIn::Result::MissingId);
        QTest::newRow("neither") << QString() << QString() << int(KeyboardCheckIn::Result::MissingName);
    }
    void missingNameOrIdIsNotAnAttempt() {
        QFETCH(QString, name);
        QFETCH(QString, id);
        QFETCH(int, result);
        Fixture f;
        KeyboardCheckIn checkIn;
        QCOMPARE(int(checkIn.attempt(*f.db, f.state, f.clock, f.prompter, name, id)), result);
        QCOMPARE(f.prompter.lastMessage(), QStringLiteral("Please enter your Name and User ID   "));
        QCOMPARE(f.prompter.messages.back().caption, QStringLiteral("  Check In"));
        QCOMPARE(checkIn.attemptNumber(), 1);
    }

    void thirdWrongIdIsRecordedAndFails() {
        Fixture f;
        KeyboardCheckIn checkIn;
        using R = KeyboardCheckIn::Result;
        QCOMPARE(checkIn.attempt(*f.db, f.state, f.clock, f.prompter, QStringLiteral("TOM"),
                                 QStringLiteral("1111")),
                 R::TryAgain);
        QCOMPARE(checkIn.attempt(*f.db, f.state, f.clock, f.prompter, QStringLiteral("NOBODY"),
                                 QStringLiteral("2345")),
                 R::TryAgain);
        QCOMPARE(test::EventTexts(*f.db), QStringList());
        QCOMPARE(checkIn.attempt(*f.db, f.state, f.clock, f.prompter, QStringLiteral("TOM"),
                                 QStringLiteral("9876")),
                 R::Failed);
        QCOMPARE(f.prompter.beeps.size(), size_t(3));
        QCOMPARE(test::EventTexts(*f.db),
                 QStringList{QStringLiteral("CheckIn - Failed: User ID used: 9876")});
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT UserID FROM Events")).toString(), QStringLiteral("Tom"));
        QVERIFY(f.state.currentUserName.isEmpty());
        QCOMPARE(test::CountRows(*f.db, QStringLiteral("TimeInTimeOut")), 0);
    }

    void rightIdAfterAWrongOne() {
        Fixture f;
        KeyboardCheckIn checkIn;
        QCOMPARE(checkIn.attempt(*f.db, f.state, f.clock, f.prompter, QStringLiteral("TOM"),
                                 QStringLiteral("3456")),
                 KeyboardCheckIn::Result::TryAgain);
        QCOMPARE(checkIn.attempt(*f.db, f.state, f.clock, f.prompter, QStringLiteral("TOM"),
                                 QStringLiteral("2345")),
                 KeyboardCheckIn::Result::Verified);
        QCOMPARE(f.state.currentUserName, QStringLiteral("Tom"));
        QCOMPARE(f.state.currentUserId, QStringLiteral("2345"));
        QCOMPARE(checkIn.attemptNumber(), 2);
    }

    void touchCheckIn_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("exit") << QStringLiteral("XPX") << int(TouchCheckInResult::Exit) << QStringList();
        QTest::newRow("unknown") << QStringLiteral("7777") << int(TouchCheckInResult::UnknownId)
                                 << QStringList{QStringLiteral("CheckIn - Failed: User ID used: 7777")};
        QTest::newRow("empty") << QString() << int(TouchCheckInResult::UnknownId)
                               << QStringList{QStringLiteral("CheckIn - Failed: User ID used: ")};
        QTest::newRow("known") << QStringLiteral("3456") << int(TouchCheckInResult::Verified)
                               << QStringList();
    }
    void touchCheckIn() {
        QFETCH(QString, reply);
        QFETCH(int, result);
        QFETCH(QStringList, events);
        Fixture f;
        QCOMPARE(int(TouchCheckIn(*f.db, f.state, f.clock, reply)), result);
        QCOMPARE(test::EventTexts(*f.db), events);
        QCOMPARE(f.state.currentUserName,
                 result == int(TouchCheckInResult::Verified) ? QStringLiteral("Anna") : QString());
    }

    void straightToBilling_data() {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<int>("entry");
        QTest::newRow("no rights") << QStringList() << int(Entry::Refused);
        QTest::newRow("only users") << QStringList{QStringLiteral("TF03")} << int(Entry::Refused);
        QTest::newRow("only TR15") << QStringList{QStringLiteral("TR15")} << int(Entry::BillingOnly);
        QTest::newRow("billing rights")
            << QStringList{QStringLiteral("TF02"), QStringLiteral("TF34"), QStringLiteral("TR15")}
            << int(Entry::BillingOnly);
        QTest::newRow("billing and users")
            << QStringList{QStringLiteral("TF02"), QStringLiteral("TF03")} << int(Entry::MainMenu);
        QTest::newRow("four billing rows") << QStringList{QStringLiteral("TF02"), QStringLiteral("TF02"),
                                                          QStringLiteral("TF34"), QStringLiteral("TR15")}
                                           << int(Entry::MainMenu);
    }
    void straightToBilling() {
        QFETCH(QStringList, codes);
        QFETCH(int, entry);
        Fixture f;
        test::AddUser(*f.db, QStringLiteral("Lea"), QStringLiteral("4567"), codes);
        f.state.currentUserName = QStringLiteral("Lea");
        f.state.currentUserId = QStringLiteral("4567");
        QCOMPARE(int(StraightToBilling(*f.db, f.state)), entry);
    }

    void refusedUserLeavesNoTimeSheetRow() {
        Fixture f;
        test::AddUser(*f.db, QStringLiteral("Lea"), QStringLiteral("4567"), {QStringLiteral("TF05")});
        f.state.currentUserName = QStringLiteral("Lea");
        f.state.currentUserId = QStringLiteral("4567");
        QCOMPARE(CompleteCheckIn(*f.db, f.state, f.clock, f.prompter), Entry::Refused);
        QCOMPARE(f.prompter.messages.back().caption, QStringLiteral("  Access refused"));
        QVERIFY(f.prompter.lastMessage().startsWith(
            QStringLiteral("Although your Name and User ID have been verified")));
        QCOMPARE(test::CountRows(*f.db, QStringLiteral("TimeInTimeOut")), 0);
    }

    void checkOutStampsTheUsersOwnOpenRow() {
        Fixture f;
        f.state.currentUserName = QStringLiteral("Tom");
        f.state.currentUserId = QStringLiteral("2345");
        QCOMPARE(CompleteCheckIn(*f.db, f.state, f.clock, f.prompter), Entry::MainMenu);
        f.clock.advanceSeconds(3600);
        QVERIFY(RecordCheckOut(*f.db, f.state, f.clock)); // 10:00 - 11:00
        f.clock.advanceSeconds(600);
        RecordCheckIn(*f.db, f.state, f.clock); // Tom again at 11:10
        // Anna checks in at another workstation on the same database afterwards.
        ProgramState anna = f.state;
        anna.currentUserName = QStringLiteral("ANNA");
        f.clock.advanceSeconds(600);
        RecordCheckIn(*f.db, anna, f.clock); // 11:20
        f.clock.advanceSeconds(3600);
        QVERIFY(RecordCheckOut(*f.db, f.state, f.clock)); // Tom leaves at 12:20

        const auto rows = f.sheet();
        QCOMPARE(rows.size(), size_t(3));
        QCOMPARE(rows[0].name, QStringLiteral("Tom"));
        QCOMPARE(rows[0].out, QDateTime(QDate(2026, 3, 14), QTime(11, 0)));
        QCOMPARE(rows[1].name, QStringLiteral("Tom"));
        QCOMPARE(rows[1].out, QDateTime(QDate(2026, 3, 14), QTime(12, 20)));
        QCOMPARE(rows[2].name, QStringLiteral("Anna"));
        QVERIFY(isEmptyDate(rows[2].out));
        QVERIFY(!RecordCheckOut(*f.db, f.state, f.clock)); // nothing open any more
    }

    void checkUserIdNeedsExactlyOneUser() {
        Fixture f;
        QVERIFY(CheckUserID(*f.db, f.state, QStringLiteral("3456")));
        QCOMPARE(f.state.currentUserName, QStringLiteral("Anna"));
        QVERIFY(!CheckUserID(*f.db, f.state, QStringLiteral("345")));
        test::AddUser(*f.db, QStringLiteral("Twin"), QStringLiteral("2345"));
        QVERIFY(!CheckUserID(*f.db, f.state, QStringLiteral("2345")));
        QCOMPARE(f.state.currentUserName, QStringLiteral("Anna"));
    }

    void userIdPrompt_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("exit");
        QTest::addColumn<int>("result");
        QTest::newRow("to billing") << QStringLiteral("3456") << false << int(UserIdPromptResult::Valid);
        QTest::newRow("to billing, six typed")
            << QStringLiteral("345699") << false << int(UserIdPromptResult::Valid);
        QTest::newRow("exit, six typed")
            << QStringLiteral("345699") << true << int(UserIdPromptResult::Invalid);
        QTest::newRow("exit") << QStringLiteral("3456") << true << int(UserIdPromptResult::Valid);
        QTest::newRow("wrong") << QStringLiteral("1111") << false << int(UserIdPromptResult::Invalid);
        QTest::newRow("empty") << QString() << false << int(UserIdPromptResult::Empty);
    }
    void userIdPrompt() {
        QFETCH(QString, field);
        QFETCH(bool, exit);
        QFETCH(int, result);
        Fixture f;
        f.state.currentUserName = QStringLiteral("Tom");
        const auto r = exit ? UserIdExit(*f.db, f.state, f.clock, field)
                            : UserIdToBilling(*f.db, f.state, f.clock, field);
        QCOMPARE(int(r), result);
        const bool valid = r == UserIdPromptResult::Valid;
        QCOMPARE(f.state.currentUserName, valid ? QStringLiteral("Anna") : QStringLiteral("Tom"));
        QCOMPARE(test::EventTexts(*f.db),
                 r == UserIdPromptResult::Invalid
                     ? QStringList{QStringLiteral("Billing - Invalid User ID used: ") + field}
                     : QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCheckIn)
#include "test_checkin.moc"
