#include "AccessRows.h"
#include "Clock.h"
#include "DatabaseError.h"
#include "OwnerCode.h"
#include "ProgramState.h"
#include "RightsEditor.h"
#include "ScriptedPrompter.h"
#include "TempDataFolder.h"

#include <QTest>

using namespace vantorel;

namespace {

struct Fixture {
    test::TempDataFolder folder{true}; // owner "Owner" 1234 with every right, Tom and Anna
    std::unique_ptr<Database> db = folder.open();
    ProgramState state;
    FixedClock clock{QDateTime(QDate(2026, 3, 14), QTime(10, 0))};
    test::ScriptedPrompter prompter;
    RightsEditor editor{*db, state, clock, prompter};
    Fixture() {
        state.currentUserName = QStringLiteral("Owner");
        state.currentUserId = QStringLiteral("1234");
    }
    QStringList storedCodes(const QString& user) {
        const QString number =
            db->scalar(QStringLiteral("SELECT AutoNum FROM Pswd WHERE UserName = ?"), {user}).toString();
        QStringList codes;
        for (const Row& r :
             db->query(QStringLiteral("SELECT \"code\" FROM FunctionAccess WHERE UserID = ?"), {number}))
            codes << r.text(QStringLiteral("Code"));
        codes.sort();
        return codes;
    }
};

} // namespace

class TestRightsEditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listsUsersAndTheOwner() {
        Fixture f;
        test::AddUser(*f.db, QStringLiteral("BRUNO"), QStringLiteral("5678"));
        f.editor.open();
        QCOMPARE(f.editor.users(), (QStringList{QStringLiteral("Anna"), QStringLiteral("Bruno"),
                                                QStringLiteral("Owner"), QStringLiteral("Tom")}));
        QCOMPARE(f.editor.ownerName(), QStringLiteral("Owner"));
        QVERIFY(f.editor.selectUser(QStringLiteral("Anna")));
        QCOMPARE(f.editor.granted(),
                 (QStringList{QStringLiteral("Billing Access to Billing"),
                              QStringLiteral("Billing Cash Drawer"), QStringLiteral("Report Sales Today")}));
        QCOMPARE(f.editor.available().size(),
                 f.db->scalar(QStringLiteral("SELECT COUNT(*) FROM \"functions\"")).toInt() - 3);
        QVERIFY(!f.editor.available().contains(QStringLiteral("Billing Cash Drawer")));
    }

    void grantsOfRemovedFunctionsArePruned() {
        Fixture f;
        f.db->exec(QStringLiteral("DELETE FROM \"functions\" WHERE \"code\" = 'TF34'"));
        f.editor.open();
        QCOMPARE(f.storedCodes(QStringLiteral("Anna")),
                 (QStringList{QStringLiteral("TF02"), QStringLiteral("TR15")}));
        QVERIFY(f.editor.selectUser(QStringLiteral("Anna")));
        QVERIFY(!f.editor.granted().contains(QStringLiteral("Billing Cash Drawer")));
        QVERIFY(!f.editor.available().contains(QStringLiteral("Billing Cash Drawer")));
    }

    void ownerRightsCannotBeRemoved() {
        Fixture f;
        f.editor.open();
        QVERIFY(f.editor.selectUser(QStringLiteral("Owner")));
        QVERIFY(f.editor.isOwner());
        const QStringList before = f.editor.granted();
        QVERIFY(!f.editor.revoke(QStringLiteral("Events")));
        QVERIFY(!f.editor.revokeAll());
        QCOMPARE(f.editor.granted(), before);
        QVERIFY(!f.editor.isModified());
        QCOMPARE(f.prompter.messages.size(), size_t(2));
        QCOMPARE(f.prompter.lastMessage(),
                 QStringLiteral(
                     "Access for this user has been protected!     \nYou can add functions but NOT delete."));
        QCOMPARE(f.prompter.messages.back().caption, QStringLiteral("  Function not available"));
        QCOMPARE(test::EventTexts(*f.db),
                 (QStringList{QStringLiteral("Authori - Attempt to change owner settings."),
                              QStringLiteral("Authori - Attempt to change owner settings.")}));
    }

    void ownerMayBeGivenRights() {
        Fixture f;
        f.db->exec(QStringLiteral("DELETE FROM FunctionAccess WHERE \"code\" = 'TF12'"));
        f.editor.open();
        QVERIFY(f.editor.selectUser(QStringLiteral("Owner")));
        f.editor.grant(QStringLiteral("Events"));
        QVERIFY(f.editor.save());
        QVERIFY(f.storedCodes(QStringLiteral("Owner")).contains(QStringLiteral("TF12")));
    }

    // Only the name and ID together make the owner: a user who merely shares the name is not protected.
    void userWithTheOwnersNameButAnotherIdIsNotTheOwner() {
        Fixture f;
        f.db->exec(QStringLiteral("UPDATE Utility SET \"code\" = ?"),
                   {OwnerCode{QStringLiteral("TOM"), QStringLiteral("9999")}.encode()});
        f.editor.open();
        QVERIFY(f.editor.selectUser(QStringLiteral("Tom")));
        QVERIFY(!f.editor.isOwner());
        QVERIFY(f.editor.revoke(QStringLiteral("Events")));
    }

    void saveRewritesTheUsersRights() {
        Fixture f;
        f.editor.open();
        QVERIFY(f.editor.selectUser(QStringLiteral("Anna")));
        QVERIFY(f.editor.revoke(QStringLiteral("Billing Cash Drawer")));
        f.editor.grant(QStringLiteral("Events"));
        QVERIFY(f.editor.isModified());
        QVERIFY(f.editor.save());
        QVERIFY(!f.editor.isModified());
        QCOMPARE(f.storedCodes(QStringLiteral("Anna")),
                 (QStringList{QStringLiteral("TF02"), QStringLiteral("TF12"), QStringLiteral("TR15")}));
        QCOMPARE(test::EventTexts(*f.db),
                 QStringList{QStringLiteral("Utility Access - Authorization Saved for User = Anna")});
        QVERIFY(!f.editor.save()); // nothing changed since
    }

    void unsavedChangesKeepTheUser() {
        Fixture f;
        f.editor.open();
        QVERIFY(f.editor.selectUser(QStringLiteral("Tom")));
        f.editor.grantAll();
        QVERIFY(f.editor.available().isEmpty());
        QVERIFY(!f.editor.selectUser(QStringLiteral("Anna")));
        QCOMPARE(f.editor.userName(), QStringLiteral("Tom"));
        QVERIFY(!f.editor.canLeave());
        QCOMPARE(f.prompter.lastMessage(), QStringLiteral("Please save the changes you have made!"));
        QCOMPARE(f.prompter.messages.back().caption, QStringLiteral("Save"));
        QVERIFY(f.editor.revokeAll());
        QVERIFY(f.editor.save());
        QCOMPARE(f.storedCodes(QStringLiteral("Tom")), QStringList());
        QVERIFY(f.editor.canLeave());
        QVERIFY(f.editor.selectUser(QStringLiteral("Anna")));
    }

    // A failure part-way through saving leaves the user's rights as they were.
    void failedSaveChangesNothing() {
        Fixture f;
        f.editor.open();
        QVERIFY(f.editor.selectUser(QStringLiteral("Anna")));
        f.editor.grant(QStringLiteral("Events"));
        int inserts = 0;
        f.db->setStatementHook([&inserts](const QString& sql) {
            if (sql.startsWith(QStringLiteral("INSERT INTO FunctionAccess")) && ++inserts == 2)
                throw DatabaseError(QStringLiteral("disk full"));
        });
        QVERIFY_THROWS_EXCEPTION(DatabaseError, f.editor.save());
        f.db->setStatementHook({});
        QCOMPARE(f.storedCodes(QStringLiteral("Anna")),
                 (QStringList{QStringLiteral("TF02"), QStringLiteral("TF34"), QStringLiteral("TR15")}));
        QVERIFY(f.editor.isModified());
    }
};

QTEST_GUILESS_MAIN(TestRightsEditor)
#include "test_rightseditor.moc"
