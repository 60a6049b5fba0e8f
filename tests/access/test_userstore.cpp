#include "Clock.h"
#include "DatabaseError.h"
#include "OwnerCode.h"
#include "ProgramState.h"
#include "SqlNames.h"
#include "TempDataFolder.h"
#include "UserStore.h"

#include <QTest>

using namespace vantorel;

namespace {

// The demo business: the owner "Owner" 1234, Tom 2345, Anna 3456.
struct Fixture {
    test::TempDataFolder folder{true};
    std::unique_ptr<Database> db = folder.open();
    ProgramState state;
    FixedClock clock{QDateTime(QDate(2026, 3, 14), QTime(21, 30, 0))};
    UserStore store{*db, state, clock};

    Fixture() {
        state.dataFolder = folder.path();
        state.currentUserName = QStringLiteral("Owner");
        state.currentUserId = QStringLiteral("1234");
    }

    UserEntry named(const QString& name) {
        for (const UserEntry& u : store.users())
            if (u.name == name)
                return u;
        qFatal("no user %s", qPrintable(name));
    }
    int rights(qint64 autoNum) {
        return db
            ->scalar(QStringLiteral("SELECT count(*) FROM FunctionAccess WHERE UserID = ?"),
                     {QString::number(autoNum)})
            .toInt();
    }
    Rows events() {
        return db->query(QStringLiteral("SELECT %1, %2, UserID, BillNumber FROM Events ORDER BY %1")
                             .arg(SqlName(QStringLiteral("DateTime")), SqlName(QStringLiteral("Event"))));
    }
    int userCount() { return db->scalar(QStringLiteral("SELECT count(*) FROM Pswd")).toInt(); }
};

} // namespace

class TestUserStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void idForm_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("4968") << QStringLiteral("4968") << QString();
        QTest::newRow("9999") << QStringLiteral("9999") << QString();
        QTest::newRow("0968") << QStringLiteral("0968")
                              << QStringLiteral("The User ID should not start with a Zero!     ");
        QTest::newRow("0 before length")
            << QStringLiteral("0") << QStringLiteral("The User ID should not start with a Zero!     ");
        QTest::newRow("three") << QStringLiteral("123")
                               << QStringLiteral("The User ID should be 4 numbers long!     ");
        QTest::newRow("five") << QStringLiteral("12345")
                              << QStringLiteral("The User ID should be 4 numbers long!     ");
        QTest::newRow("letter") << QStringLiteral("12a4")
                                << QStringLiteral("The User ID should consist of numbers only!     ");
        QTest::newRow("blank") << QStringLiteral("12 4")
                               << QStringLiteral("The User ID should consist of numbers only!     ");
        QTest::newRow("other script digits")
            << QStringLiteral("\u0664\u0669\u0666\u0668")
            << QStringLiteral("The User ID should consist of numbers only!     ");
    }
    void idForm() {
        QFETCH(QString, id);
        QFETCH(QString, refusal);
        const auto r = CheckUserIdFormat(id);
        QCOMPARE(r ? r->text : QString(), refusal);
        if (r) {
            QCOMPARE(r->caption, QStringLiteral("  User ID"));
            QCOMPARE(r->icon, Prompter::Icon::Error);
            QCOMPARE(r->field, UserRefusal::Field::Id);
        }
    }

    void listsUsersInTheOrderAdded() {
        Fixture f;
        QStringList names;
        for (const UserEntry& u : f.store.users())
            names << u.name + QLatin1Char('=') + u.id;
        QCOMPARE(names, QStringList({QStringLiteral("Owner=1234"), QStringLiteral("Tom=2345"),
                                     QStringLiteral("Anna=3456")}));
    }

    void newUserIsRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("field");
        QTest::newRow("name in other case")
            << QStringLiteral("TOM") << QStringLiteral("4968") << QStringLiteral("  Duplicate Name")
            << int(UserRefusal::Field::Name);
        QTest::newRow("owner's name in other case")
            << QStringLiteral("oWNER") << QStringLiteral("4968") << QStringLiteral("  Duplicate Name")
            << int(UserRefusal::Field::Name);
        QTest::newRow("ID in use") << QStringLiteral("JOHN") << QStringLiteral("2345")
                                   << QStringLiteral("  Invalid User ID") << int(UserRefusal::Field::Id);
        QTest::newRow("ID starting with 0") << QStringLiteral("JOHN") << QStringLiteral("0968")
                                            << QStringLiteral("  User ID") << int(UserRefusal::Field::Id);
        QTest::newRow("quote in name")
            << QStringLiteral("O'BRIEN") << QStringLiteral("4968") << QStringLiteral("Character not allowed")
            << int(UserRefusal::Field::None);
        QTest::newRow("quote in ID") << QStringLiteral("JOHN") << QStringLiteral("49'8")
                                     << QStringLiteral("Character not allowed")
                                     << int(UserRefusal::Field::None);
        QTest::newRow("name too long") << QStringLiteral("ABCDEFGHIJKLM") << QStringLiteral("4968")
                                       << QStringLiteral("  User ID") << int(UserRefusal::Field::Name);
    }
    void newUserIsRefused() {
        QFETCH(QString, name);
        QFETCH(QString, id);
        QFETCH(QString, caption);
        QFETCH(int, field);
        Fixture f;
        const auto r = f.store.addUser(name, id);
        QVERIFY(r);
        QCOMPARE(r->caption, caption);
        QCOMPARE(int(r->field), field);
        QCOMPARE(f.userCount(), 3);
        QVERIFY(f.events().empty());
    }

    void newUserGetsBillingOnlyAndAnEvent() {
        Fixture f;
        UserEntry added;
        QVERIFY(!f.store.addUser(QStringLiteral("JOHN"), QStringLiteral("4968"), &added));
        QCOMPARE(added.name, QStringLiteral("John"));
        const auto stored = f.store.user(added.autoNum);
        QVERIFY(stored);
        QCOMPARE(stored->name, QStringLiteral("John"));
        QCOMPARE(stored->id, QStringLiteral("4968"));

        const Rows rights =
            f.db->query(QStringLiteral("SELECT %1, %2 FROM FunctionAccess WHERE UserID = ?")
                            .arg(SqlName(QStringLiteral("Code")), SqlName(QStringLiteral("Function"))),
                        {QString::number(added.autoNum)});
        QCOMPARE(rights.size(), size_t(1));
        QCOMPARE(rights[0].text(QStringLiteral("Code")), QStringLiteral("TF02"));
        QCOMPARE(rights[0].text(QStringLiteral("Function")), QStringLiteral("Billing Access to Billing"));

        const Rows events = f.events();
        QCOMPARE(events.size(), size_t(1));
        QCOMPARE(events[0].text(QStringLiteral("Event")),
                 QStringLiteral("UserID - Saved or Changed User = JOHN"));
        QCOMPARE(events[0].text(QStringLiteral("UserID")), QStringLiteral("Owner"));
        QCOMPARE(events[0].text(QStringLiteral("BillNumber")), QString());
        QCOMPARE(events[0].dateTime(QStringLiteral("DateTime")), f.clock.now());
    }

    void newUserLandsWholeOrNotAtAll() {
        Fixture f;
        f.db->setStatementHook([](const QString& sql) {
            if (sql.contains(QStringLiteral("INSERT INTO Events")))
                throw DatabaseError(QStringLiteral("disk full"));
        });
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 f.store.addUser(QStringLiteral("JOHN"), QStringLiteral("4968")));
        f.db->setStatementHook({});
        QCOMPARE(f.userCount(), 3);
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT count(*) FROM FunctionAccess WHERE UserID NOT IN "
                                             "(SELECT CAST(AutoNum AS TEXT) FROM Pswd)"))
                     .toInt(),
                 0);
    }

    void sameIdAgainIsAccepted() {
        Fixture f;
        const UserEntry tom = f.named(QStringLiteral("Tom"));
        QVERIFY(!f.store.changeId(tom, QStringLiteral("2345")));
        QCOMPARE(f.store.user(tom.autoNum)->id, QStringLiteral("2345"));
        QVERIFY(f.events().empty()); // a change records no event
    }

    void changedIdMustBeFree() {
        Fixture f;
        const UserEntry tom = f.named(QStringLiteral("Tom"));
        const auto r = f.store.changeId(tom, QStringLiteral("3456"));
        QVERIFY(r);
        QCOMPARE(r->text, QStringLiteral("Your input is not valid!\nPlease choose another User ID.    "));
        QCOMPARE(f.store.user(tom.autoNum)->id, QStringLiteral("2345"));
        QVERIFY(!f.store.changeId(tom, QStringLiteral("7777")));
        QCOMPARE(f.store.user(tom.autoNum)->id, QStringLiteral("7777"));
    }

    void ownersNewIdIsRecordedAndStaysProtected() {
        Fixture f;
        const UserEntry owner = f.named(QStringLiteral("Owner"));
        QVERIFY(f.store.isOwner(owner));
        QVERIFY(!f.store.changeId(owner, QStringLiteral("5678")));
        const OwnerCode code = f.store.owner();
        QCOMPARE(code.name, QStringLiteral("OWNER"));
        QCOMPARE(code.id, QStringLiteral("5678"));

        const UserEntry after = *f.store.user(owner.autoNum);
        QVERIFY(f.store.isOwner(after));
        const auto r = f.store.deleteUser(after);
        QVERIFY(r);
        QCOMPARE(r->text, QStringLiteral("The owner's name is protected! You cannot delete it.   "));
        QCOMPARE(r->caption, QStringLiteral("  Delete User ID"));
        QCOMPARE(r->icon, Prompter::Icon::Information);
        QCOMPARE(f.userCount(), 3);

        // With the new ID checked in, she is still recognised as the owner.
        f.state.currentUserId = QStringLiteral("5678");
        QVERIFY(f.store.ownerIsCheckedIn());
    }

    void onlyTheOwnerSeesOrChangesTheOwnersId() {
        Fixture f;
        const UserEntry owner = f.named(QStringLiteral("Owner"));
        const UserEntry anna = f.named(QStringLiteral("Anna"));
        QVERIFY(f.store.mayRevealId(owner));
        f.state.currentUserName = QStringLiteral("Tom");
        f.state.currentUserId = QStringLiteral("2345");
        QVERIFY(!f.store.mayRevealId(owner));
        QVERIFY(f.store.mayRevealId(anna));
        const auto r = f.store.changeId(owner, QStringLiteral("5678"));
        QVERIFY(r);
        QVERIFY(r->text.isEmpty());
        QCOMPARE(f.store.owner().id, QStringLiteral("1234"));
        QCOMPARE(f.store.user(owner.autoNum)->id, QStringLiteral("1234"));
    }

    void deletingAUserDeletesHisRights() {
        Fixture f;
        const UserEntry tom = f.named(QStringLiteral("Tom"));
        const UserEntry anna = f.named(QStringLiteral("Anna"));
        QCOMPARE(f.rights(tom.autoNum), 12);
        const int annasRights = f.rights(anna.autoNum);
        QVERIFY(annasRights > 0);
        QVERIFY(!f.store.deleteUser(tom));
        QVERIFY(!f.store.user(tom.autoNum));
        QCOMPARE(f.rights(tom.autoNum), 0);
        QCOMPARE(f.rights(anna.autoNum), annasRights);
        const Rows events = f.events();
        QCOMPARE(events.size(), size_t(1));
        QCOMPARE(events[0].text(QStringLiteral("Event")), QStringLiteral("UserID - Deleted User = Tom"));
        QCOMPARE(events[0].text(QStringLiteral("UserID")), QStringLiteral("Owner"));
    }

    void deleteLandsWholeOrNotAtAll() {
        Fixture f;
        const UserEntry tom = f.named(QStringLiteral("Tom"));
        f.db->setStatementHook([](const QString& sql) {
            if (sql.contains(QStringLiteral("INSERT INTO Events")))
                throw DatabaseError(QStringLiteral("disk full"));
        });
        QVERIFY_THROWS_EXCEPTION(DatabaseError, f.store.deleteUser(tom));
        f.db->setStatementHook({});
        QVERIFY(f.store.user(tom.autoNum));
        QCOMPARE(f.rights(tom.autoNum), 12);
    }

    void aUserRemovedElsewhereIsReported() {
        Fixture f;
        const UserEntry tom = f.named(QStringLiteral("Tom"));
        auto other = f.folder.open();
        other->exec(QStringLiteral("DELETE FROM Pswd WHERE AutoNum = ?"), {tom.autoNum});
        QVERIFY_THROWS_EXCEPTION(DatabaseError, f.store.changeId(tom, QStringLiteral("7777")));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, f.store.deleteUser(tom));
    }
};

QTEST_GUILESS_MAIN(TestUserStore)
#include "test_userstore.moc"
