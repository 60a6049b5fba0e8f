#include "Clock.h"
#include "OwnerCode.h"
#include "ProgramState.h"
#include "ScriptedPrompter.h"
#include "SqlNames.h"
#include "TF03.h"
#include "TempDataFolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace vantorel;

namespace {

const QString ZeroMessage = QStringLiteral("The User ID should not start with a Zero!     ");

// The users screen over the demo business (the owner "Owner" 1234, Tom 2345, Anna 3456), checked in as
// the owner unless a test says otherwise.
struct Screen {
    test::TempDataFolder folder{true};
    std::unique_ptr<Database> db = folder.open();
    ProgramState state;
    test::ScriptedPrompter prompter;
    FixedClock clock{QDateTime(QDate(2026, 3, 14), QTime(21, 30, 0))};
    std::unique_ptr<TF03> form;

    explicit Screen(const QString& userName = QStringLiteral("Owner"),
                    const QString& userId = QStringLiteral("1234")) {
        state.dataFolder = folder.path();
        state.currentUserName = userName;
        state.currentUserId = userId;
        form = std::make_unique<TF03>(*db, state, prompter, clock);
        form->showOnScreen();
        QCoreApplication::processEvents();
    }

    template <typename T> T* child(const char* name) {
        T* w = form->control<T>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QListWidget* list() { return child<QListWidget>("ListBox1"); }
    QLineEdit* nameEdit() { return child<QLineEdit>("NameEdit"); }
    QLineEdit* idEdit() { return child<QLineEdit>("PasswordEdit"); }
    QLineEdit* managerEdit() { return child<QLineEdit>("Edit1"); }
    QPushButton* saveBut() { return child<QPushButton>("SaveBut"); }
    void click(const char* button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }

    QStringList listed() {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i)
            names << list()->item(i)->text();
        return names;
    }
    void select(const QString& name) {
        const auto found = list()->findItems(name, Qt::MatchExactly);
        if (found.isEmpty())
            qFatal("no user %s listed", qPrintable(name));
        list()->setCurrentItem(found.first());
    }
    // New Entry, then the name and ID typed and Save clicked.
    void enterNewUser(const QString& name, const QString& id) {
        click("NewEntryBut");
        QTest::keyClicks(nameEdit(), name);
        QTest::keyClicks(idEdit(), id);
        click("SaveBut");
    }
    QString storedId(const QString& name) {
        return db
            ->scalar(QStringLiteral("SELECT %1 FROM Pswd WHERE UserName = ?")
                         .arg(SqlName(QStringLiteral("Password"))),
                     {name})
            .toString();
    }
    qint64 autoNum(const QString& name) {
        return db->scalar(QStringLiteral("SELECT AutoNum FROM Pswd WHERE UserName = ?"), {name}).toLongLong();
    }
    int rights(qint64 number) {
        return db
            ->scalar(QStringLiteral("SELECT count(*) FROM FunctionAccess WHERE UserID = ?"),
                     {QString::number(number)})
            .toInt();
    }
    QStringList events() {
        QStringList texts;
        for (const Row& r :
             db->query(QStringLiteral("SELECT %1, UserID, %2 FROM Events ORDER BY %2")
                           .arg(SqlName(QStringLiteral("Event")), SqlName(QStringLiteral("DateTime")))))
            texts << r.text(QStringLiteral("Event")) + QLatin1Char('|') + r.text(QStringLiteral("UserID")) +
                         QLatin1Char('|') + r.dateTime(QStringLiteral("DateTime")).toString(Qt::ISODate);
        return texts;
    }
    int userCount() { return db->scalar(QStringLiteral("SELECT count(*) FROM Pswd")).toInt(); }
};

} // namespace

class TestTF03 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensShowingTheFirstUser() {
        Screen s;
        QCOMPARE(s.form->windowTitle(), QStringLiteral("Password"));
        QCOMPARE(s.form->title(), QStringLiteral("User ID"));
        QCOMPARE(s.listed(),
                 QStringList({QStringLiteral("Owner"), QStringLiteral("Tom"), QStringLiteral("Anna")}));
        QCOMPARE(s.list()->currentRow(), 0);
        QCOMPARE(s.nameEdit()->text(), QStringLiteral("Owner"));
        QCOMPARE(s.idEdit()->text(), QStringLiteral("1234"));
        QVERIFY(!s.nameEdit()->isEnabled());
        QVERIFY(!s.idEdit()->isEnabled());
        QVERIFY(s.saveBut()->isHidden());
        QCOMPARE(s.form->focusedWidget(), s.list());
        QVERIFY(s.prompter.messages.empty());
    }

    void networkFolderIsWarnedAboutOnOpening() {
        test::TempDataFolder folder(true);
        auto db = folder.open();
        ProgramState state;
        state.dataFolder = QStringLiteral("//server/Vantorel/");
        state.currentUserId = QStringLiteral("1234");
        test::ScriptedPrompter prompter;
        FixedClock clock(QDateTime(QDate(2026, 3, 14), QTime(21, 30)));
        TF03 form(*db, state, prompter, clock);
        form.showOnScreen();
        QCoreApplication::processEvents();
        QCOMPARE(prompter.messages.size(), size_t(1));
        QCOMPARE(prompter.messages[0].caption, QStringLiteral("LAN Connection"));
    }

    void ownersIdIsConfidentialToOthers() {
        Screen s(QStringLiteral("Tom"), QStringLiteral("2345"));
        QCOMPARE(s.nameEdit()->text(), QStringLiteral("Owner"));
        QCOMPARE(s.idEdit()->text(), QStringLiteral("Confidential"));
        s.click("EditBut"); // refused without a message
        QVERIFY(!s.idEdit()->isEnabled());
        QVERIFY(s.saveBut()->isHidden());
        QVERIFY(s.prompter.messages.empty());
        s.select(QStringLiteral("Anna"));
        QCOMPARE(s.idEdit()->text(), QStringLiteral("3456"));
    }

    void newUserId_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("message");
        QTest::newRow("0968 refused") << QStringLiteral("0968") << ZeroMessage;
        QTest::newRow("too short") << QStringLiteral("496")
                                   << QStringLiteral("The User ID should be 4 numbers long!     ");
        QTest::newRow("letter") << QStringLiteral("49a8")
                                << QStringLiteral("The User ID should consist of numbers only!     ");
        QTest::newRow("ID in use") << QStringLiteral("2345")
                                   << QStringLiteral(
                                          "Your input is not valid!\nPlease choose another User ID.    ");
        QTest::newRow("4968 accepted") << QStringLiteral("4968") << QString();
    }
    void newUserId() {
        QFETCH(QString, id);
        QFETCH(QString, message);
        Screen s;
        s.enterNewUser(QStringLiteral("john"), id);
        QCOMPARE(s.prompter.lastMessage(), message);
        if (!message.isEmpty()) {
            QCOMPARE(s.idEdit()->text(), QString());
            QCOMPARE(s.form->focusedWidget(), s.idEdit());
            QVERIFY(!s.managerEdit()->isVisibleTo(s.form.get()));
            return;
        }
        // Accepted: the manager's ID is asked for, with the notice about billing-only access.
        QVERIFY(s.managerEdit()->isVisibleTo(s.form.get()));
        QCOMPARE(s.form->focusedWidget(), s.managerEdit());
        QVERIFY(s.child<QLabel>("PrivacyText")
                    ->text()
                    .contains(QStringLiteral("The new user can only access the Billing Program!")));
        QCOMPARE(s.userCount(), 3);
    }

    void newUserConfirmedByTheCheckedInUser() {
        Screen s;
        s.click("NewEntryBut");
        QCOMPARE(s.child<QLabel>("HintLab1")->text(),
                 QStringLiteral("Please enter your Name and a FOUR number User ID."));
        QCOMPARE(s.child<QLabel>("HintLab2")->text(),
                 QStringLiteral("The first number should not be '0'.\n4968 is OK, 0968 is incorrect"));
        QCOMPARE(s.idEdit()->echoMode(), QLineEdit::Password);
        QTest::keyClicks(s.nameEdit(), QStringLiteral("john"));
        QCOMPARE(s.nameEdit()->text(), QStringLiteral("JOHN")); // typed in capitals
        QTest::keyClick(s.nameEdit(), Qt::Key_Return);
        QCOMPARE(s.form->focusedWidget(), s.idEdit());
        QTest::keyClicks(s.idEdit(), QStringLiteral("4968"));
        QTest::keyClick(s.idEdit(), Qt::Key_Return);
        QCOMPARE(s.form->focusedWidget(), s.saveBut());
        QTest::keyClick(s.saveBut(), Qt::Key_Return);
        QTest::keyClicks(s.managerEdit(), QStringLiteral("1234"));
        QTest::keyClick(s.managerEdit(), Qt::Key_Return);

        QVERIFY(s.prompter.messages.empty());
        QCOMPARE(s.listed(), QStringList({QStringLiteral("Owner"), QStringLiteral("Tom"),
                                          QStringLiteral("Anna"), QStringLiteral("John")}));
        QCOMPARE(s.list()->currentItem()->text(), QStringLiteral("John"));
        QCOMPARE(s.nameEdit()->text(), QStringLiteral("John"));
        QCOMPARE(s.idEdit()->text(), QStringLiteral("4968"));
        QCOMPARE(s.storedId(QStringLiteral("John")), QStringLiteral("4968"));
        QCOMPARE(s.rights(s.autoNum(QStringLiteral("John"))), 1);
        QCOMPARE(s.events(), QStringList(QStringLiteral(
                                 "UserID - Saved or Changed User = JOHN|Owner|2026-03-14T21:30:00")));
        QVERIFY(!s.managerEdit()->isVisibleTo(s.form.get()));
        QCOMPARE(s.child<QWidget>("PrivacyPan")->x(), 800);
        QCOMPARE(s.form->focusedWidget(), s.child<QPushButton>("DoneBut"));
    }

    void nameDifferingOnlyInCaseIsRefused() {
        Screen s;
        s.enterNewUser(QStringLiteral("tOM"), QStringLiteral("4968"));
        QCOMPARE(s.prompter.messages.size(), size_t(1));
        QCOMPARE(s.prompter.messages[0].text,
                 QStringLiteral("No duplicate names allowed!\nPlease choose a unique name.    "));
        QCOMPARE(s.prompter.messages[0].caption, QStringLiteral("  Duplicate Name"));
        QCOMPARE(s.prompter.messages[0].icon, Prompter::Icon::Exclamation);
        QCOMPARE(s.nameEdit()->text(), QString());
        QCOMPARE(s.form->focusedWidget(), s.nameEdit());
        QCOMPARE(s.userCount(), 3);
    }

    void thirdWrongManagerIdClosesTheScreen() {
        Screen s;
        s.enterNewUser(QStringLiteral("JOHN"), QStringLiteral("4968"));
        for (int attempt = 1; attempt <= 3; ++attempt) {
            QVERIFY(s.form->isVisible());
            QTest::keyClicks(s.managerEdit(), QStringLiteral("2345")); // Tom's ID, not the checked-in one
            QTest::keyClick(s.managerEdit(), Qt::Key_Return);
        }
        QVERIFY(!s.form->isVisible());
        QCOMPARE(s.prompter.messages.size(), size_t(2)); // the third closes without a message
        for (const auto& m : s.prompter.messages) {
            QCOMPARE(m.text, QStringLiteral("Please enter the User ID you used when you checked in.     "));
            QCOMPARE(m.caption, QStringLiteral("  Incorrect User ID"));
            QCOMPARE(m.icon, Prompter::Icon::Error);
        }
        QCOMPARE(s.userCount(), 3);
        QVERIFY(s.events().isEmpty());
    }

    void aRightManagerIdStartsTheCountAgain() {
        Screen s;
        s.enterNewUser(QStringLiteral("JOHN"), QStringLiteral("4968"));
        for (int attempt = 1; attempt <= 2; ++attempt) {
            QTest::keyClicks(s.managerEdit(), QStringLiteral("9999"));
            s.click("BitBtn1");
        }
        QTest::keyClicks(s.managerEdit(), QStringLiteral("1234"));
        s.click("BitBtn1");
        s.enterNewUser(QStringLiteral("PAUL"), QStringLiteral("5968"));
        QTest::keyClicks(s.managerEdit(), QStringLiteral("9999"));
        s.click("BitBtn1");
        QVERIFY(s.form->isVisible());
        QCOMPARE(s.userCount(), 4);
    }

    void changingToTheSameIdIsAccepted() {
        Screen s;
        s.select(QStringLiteral("Tom"));
        s.click("EditBut");
        QVERIFY(s.idEdit()->isEnabled());
        QVERIFY(!s.nameEdit()->isEnabled());
        QCOMPARE(s.idEdit()->text(), QStringLiteral("2345"));
        QCOMPARE(s.form->focusedWidget(), s.idEdit());
        s.click("SaveBut");
        QVERIFY(s.prompter.messages.empty());
        QVERIFY(s.saveBut()->isHidden());
        QCOMPARE(s.storedId(QStringLiteral("Tom")), QStringLiteral("2345"));
        QVERIFY(s.events().isEmpty()); // a change records no event
    }

    void changingTheOwnersIdKeepsHimTheOwner() {
        Screen s;
        s.select(QStringLiteral("Owner"));
        s.click("EditBut");
        QTest::keyClick(s.idEdit(), Qt::Key_Escape);
        QCOMPARE(s.idEdit()->text(), QString());
        QTest::keyClicks(s.idEdit(), QStringLiteral("5678"));
        s.click("SaveBut");
        QVERIFY(s.prompter.messages.empty());
        QCOMPARE(s.storedId(QStringLiteral("Owner")), QStringLiteral("5678"));
        const OwnerCode code = OwnerCode::decode(
            s.db->scalar(QStringLiteral("SELECT %1 FROM Utility").arg(SqlName(QStringLiteral("Code"))))
                .toString());
        QCOMPARE(code.name, QStringLiteral("OWNER"));
        QCOMPARE(code.id, QStringLiteral("5678"));
        // The owner goes on under his new ID and still sees it.
        QCOMPARE(s.state.currentUserId, QStringLiteral("5678"));
        QCOMPARE(s.idEdit()->text(), QStringLiteral("5678"));

        s.click("DeleteBut");
        QCOMPARE(s.prompter.messages.size(), size_t(1));
        QCOMPARE(s.prompter.messages[0].text,
                 QStringLiteral("The owner's name is protected! You cannot delete it.   "));
        QCOMPARE(s.prompter.messages[0].caption, QStringLiteral("  Delete User ID"));
        QCOMPARE(s.prompter.messages[0].icon, Prompter::Icon::Information);
        QVERIFY(s.prompter.questions.empty());
        QCOMPARE(s.userCount(), 3);
    }

    void deleteAsksFirst_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void deleteAsksFirst() {
        QFETCH(bool, yes);
        Screen s;
        const qint64 tom = s.autoNum(QStringLiteral("Tom"));
        s.prompter.answers.push_back(yes ? Prompter::Answer::Yes : Prompter::Answer::No);
        s.select(QStringLiteral("Tom"));
        s.click("DeleteBut");
        QCOMPARE(s.prompter.questions.size(), size_t(1));
        QCOMPARE(s.prompter.questions[0].caption, QStringLiteral("Please confirm"));
        QCOMPARE(
            s.prompter.questions[0].text,
            QStringLiteral("User:           Tom\rUser ID:   2345\r\rAre you certain to delete this record?"));
        if (yes) {
            QCOMPARE(s.listed(), QStringList({QStringLiteral("Owner"), QStringLiteral("Anna")}));
            QCOMPARE(s.rights(tom), 0);
            QCOMPARE(s.events(),
                     QStringList(QStringLiteral("UserID - Deleted User = Tom|Owner|2026-03-14T21:30:00")));
        } else {
            QCOMPARE(s.userCount(), 3);
            QCOMPARE(s.rights(tom), 12);
            QVERIFY(s.events().isEmpty());
        }
        // Either way the last user of the list is shown.
        QCOMPARE(s.list()->currentItem()->text(), QStringLiteral("Anna"));
        QCOMPARE(s.nameEdit()->text(), QStringLiteral("Anna"));
        QCOMPARE(s.idEdit()->text(), QStringLiteral("3456"));
    }

    void quoteIsRefusedInNameAndId() {
        Screen s;
        s.click("NewEntryBut");
        for (QLineEdit* field : {s.nameEdit(), s.idEdit()}) {
            QTest::keyClicks(field, QStringLiteral("1'"));
            QCOMPARE(field->text(), field == s.nameEdit() ? QStringLiteral("1") : QStringLiteral("1"));
            QCOMPARE(s.prompter.messages.back().text,
                     QStringLiteral("The character [ ' ] is not allowed!     "));
            QCOMPARE(s.prompter.messages.back().caption, QStringLiteral("Character not allowed"));
        }
        QCOMPARE(s.prompter.messages.size(), size_t(2));
    }

    void bothFieldsEmptyGoesBackToTheHints() {
        Screen s;
        s.click("NewEntryBut");
        s.click("SaveBut");
        QVERIFY(s.prompter.messages.empty());
        QVERIFY(s.saveBut()->isHidden());
        QCOMPARE(s.child<QWidget>("PrivacyPan")->x(), 800);
        QVERIFY(s.child<QLabel>("HintLab1")->isVisibleTo(s.form.get()));
        QCOMPARE(s.form->focusedWidget(), s.nameEdit());
    }

    void doneClosesTheScreen() {
        Screen s;
        s.click("DoneBut");
        QVERIFY(!s.form->isVisible());
    }
};

QTEST_MAIN(TestTF03)
#include "test_tf03.moc"
