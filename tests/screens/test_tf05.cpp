#include "AccessRows.h"
#include "Clock.h"
#include "ProgramState.h"
#include "ScriptedPrompter.h"
#include "TF05.h"
#include "TempDataFolder.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using namespace vantorel;

namespace {

// The rights screen over the demo business (owner "Owner" 1234, Tom 2345, Anna 3456), opened by the owner.
struct Screen {
    test::TempDataFolder folder{true};
    std::unique_ptr<Database> db = folder.open();
    ProgramState state;
    FixedClock clock{QDateTime(QDate(2026, 3, 14), QTime(10, 0))};
    test::ScriptedPrompter prompter;
    std::unique_ptr<TF05> form;

    Screen() {
        state.dataFolder = folder.path();
        state.currentUserName = QStringLiteral("Owner");
        state.currentUserId = QStringLiteral("1234");
        form = std::make_unique<TF05>(state, clock, prompter);
        form->showOnScreen();
        QCoreApplication::processEvents();
    }
    QStringList items(QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    void pick(QListWidget* list, const QString& text) {
        const auto found = list->findItems(text, Qt::MatchExactly);
        if (found.isEmpty())
            qFatal("%s not listed", qPrintable(text));
        list->setCurrentItem(found.first());
    }
    void selectUser(const QString& name) {
        QComboBox* box = form->userBox();
        box->setCurrentText(name);
        emit box->textActivated(name);
    }
    void click(const char* caption) {
        QTest::mouseClick(form->button(QString::fromLatin1(caption)), Qt::LeftButton);
    }
    QStringList codes(const QString& user) {
        const QString number =
            db->scalar(QStringLiteral("SELECT AutoNum FROM Pswd WHERE UserName = ?"), {user}).toString();
        QStringList out;
        for (const Row& r : db->query(QStringLiteral("SELECT %1 FROM FunctionAccess WHERE UserID = ?")
                                          .arg(SqlName(QStringLiteral("Code"))),
                                      {number}))
            out << r.text(QStringLiteral("Code"));
        out.sort();
        return out;
    }
};

} // namespace

class TestTF05 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void opensOnTheOwner() {
        Screen s;
        QCOMPARE(s.form->title(), QStringLiteral("Authorization"));
        QCOMPARE(s.form->userBox()->currentText(), QStringLiteral("Owner"));
        QCOMPARE(s.form->control<QLabel>(QStringLiteral("TotalUsers"))->text(),
                 QStringLiteral("Total users: 3"));
        QCOMPARE(s.form->availableList()->count(), 0); // the owner holds every right
        QVERIFY(!s.form->button(QStringLiteral(">"))->isEnabled());
        QVERIFY(!s.form->button(QStringLiteral(">>"))->isEnabled());
        QVERIFY(s.form->button(QStringLiteral("<"))->isEnabled());
        QVERIFY(!s.form->button(QStringLiteral("Save"))->isEnabled());
        QVERIFY(s.prompter.messages.empty());
    }

    void removingARightFromTheOwnerIsRefusedAndLogged() {
        Screen s;
        s.pick(s.form->grantedList(), QStringLiteral("Events"));
        s.click("<");
        QCOMPARE(s.prompter.lastMessage(),
                 QStringLiteral(
                     "Access for this user has been protected!     \nYou can add functions but NOT delete."));
        QCOMPARE(s.prompter.messages.back().caption, QStringLiteral("  Function not available"));
        QCOMPARE(s.prompter.messages.back().icon, Prompter::Icon::Information);
        QVERIFY(s.items(s.form->grantedList()).contains(QStringLiteral("Events")));
        s.click("<<");
        QCOMPARE(test::EventTexts(*s.db),
                 (QStringList{QStringLiteral("Authori - Attempt to change owner settings."),
                              QStringLiteral("Authori - Attempt to change owner settings.")}));
        QVERIFY(!s.form->button(QStringLiteral("Save"))->isEnabled());
        QVERIFY(s.codes(QStringLiteral("Owner")).contains(QStringLiteral("TF12")));
    }

    void rightsAreGrantedAndSaved() {
        Screen s;
        s.selectUser(QStringLiteral("Anna"));
        QCOMPARE(s.items(s.form->grantedList()),
                 (QStringList{QStringLiteral("Billing Access to Billing"),
                              QStringLiteral("Billing Cash Drawer"), QStringLiteral("Report Sales Today")}));
        s.pick(s.form->availableList(), QStringLiteral("Events"));
        s.click(">");
        s.pick(s.form->grantedList(), QStringLiteral("Billing Cash Drawer"));
        s.click("<");
        QVERIFY(s.form->button(QStringLiteral("Save"))->isEnabled());
        QVERIFY(s.items(s.form->availableList()).contains(QStringLiteral("Billing Cash Drawer")));
        // Unsaved: another user cannot be chosen and the screen cannot be left.
        s.selectUser(QStringLiteral("Tom"));
        QCOMPARE(s.form->userBox()->currentText(), QStringLiteral("Anna"));
        QCOMPARE(s.prompter.lastMessage(), QStringLiteral("Please save the changes you have made!"));
        QTest::mouseClick(s.form->button(QStringLiteral("Done")), Qt::LeftButton);
        QVERIFY(s.form->isVisible());
        s.click("Save");
        QCOMPARE(s.codes(QStringLiteral("Anna")),
                 (QStringList{QStringLiteral("TF02"), QStringLiteral("TF12"), QStringLiteral("TR15")}));
        QCOMPARE(test::EventTexts(*s.db),
                 QStringList{QStringLiteral("Utility Access - Authorization Saved for User = Anna")});
        QVERIFY(!s.form->button(QStringLiteral("Save"))->isEnabled());
        s.selectUser(QStringLiteral("Tom"));
        QCOMPARE(s.form->userBox()->currentText(), QStringLiteral("Tom"));
        QTest::mouseClick(s.form->button(QStringLiteral("Done")), Qt::LeftButton);
        QVERIFY(!s.form->isVisible());
    }

    void userBoxIgnoresMovementKeys() {
        Screen s;
        const QString before = s.form->userBox()->currentText();
        for (Qt::Key k :
             {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_Delete})
            QTest::keyClick(s.form->userBox(), k);
        QCOMPARE(s.form->userBox()->currentText(), before);
    }
};

QTEST_MAIN(TestTF05)
#include "test_tf05.moc"
