#include "AccessRows.h"
#include "ProgramState.h"
#include "Rights.h"
#include "ScriptedPrompter.h"
#include "TempDataFolder.h"

#include <QTest>

using namespace vantorel;
using test::ScriptedPrompter;

class TestRights : public QObject {
    Q_OBJECT

    struct Fixture {
        test::TempDataFolder folder;
        std::unique_ptr<Database> db = folder.open();
        ProgramState state;
        ScriptedPrompter prompter;
        Fixture() { state.dataFolder = folder.path(); }
        void checkIn(const QString& name, const QString& id) {
            state.currentUserName = name;
            state.currentUserId = id;
        }
    };

private Q_SLOTS:
    void billingAndUtilityChecks_data() {
        QTest::addColumn<QStringList>("userIds"); // FunctionAccess.UserID texts for Tom's TF02 rows
        QTest::addColumn<bool>("billing");
        QTest::addColumn<bool>("utility");
        QTest::newRow("one row") << QStringList{QStringLiteral("=")} << true << true;
        QTest::newRow("two rows of the same code")
            << QStringList{QStringLiteral("="), QStringLiteral("=")} << true << false;
        QTest::newRow("number written with a leading zero")
            << QStringList{QStringLiteral("0=")} << true << false;
        QTest::newRow("no row") << QStringList{} << false << false;
        QTest::newRow("another user's row") << QStringList{QStringLiteral("999")} << false << false;
    }
    void billingAndUtilityChecks() {
        QFETCH(QStringList, userIds);
        QFETCH(bool, billing);
        QFETCH(bool, utility);
        Fixture f;
        const qint64 tom = test::AddUser(*f.db, QStringLiteral("Tom"), QStringLiteral("2345"));
        for (QString id : userIds) {
            id.replace(QLatin1Char('='), QString::number(tom));
            f.db->exec(QStringLiteral("INSERT INTO FunctionAccess (UserID, %1, %2) VALUES (?, ?, ?)")
                           .arg(SqlName(QStringLiteral("Function")), SqlName(QStringLiteral("Code"))),
                       {id, QStringLiteral("Billing Access to Billing"), QStringLiteral("TF02")});
        }
        f.checkIn(QStringLiteral("Tom"), QStringLiteral("2345"));

        QCOMPARE(AuthorizedForBilling(*f.db, f.state, f.prompter, QStringLiteral("TF02")), billing);
        QCOMPARE(f.prompter.messages.size(), size_t(billing ? 0 : 1));
        if (!billing) {
            QCOMPARE(f.prompter.lastMessage(), RightsText::BillingDenied);
            QCOMPARE(f.prompter.messages.back().caption, QStringLiteral("   Access denied"));
            QCOMPARE(f.prompter.messages.back().icon, Prompter::Icon::Exclamation);
        }
        f.prompter.messages.clear();
        QCOMPARE(Authorized(*f.db, f.state, f.prompter, QStringLiteral("TF02")), utility);
        QCOMPARE(f.prompter.messages.size(), size_t(utility ? 0 : 1));
        if (!utility)
            QCOMPARE(f.prompter.lastMessage(),
                     QStringLiteral("You have insufficient authorization to access this "
                                    "utility.     \r\rPlease contact your supervisor."));
    }

    void nameIsMatchedWithoutRegardToCase() {
        Fixture f;
        test::AddUser(*f.db, QStringLiteral("Tom"), QStringLiteral("2345"), {QStringLiteral("TF12")});
        f.checkIn(QStringLiteral("TOM"), QStringLiteral("2345"));
        QVERIFY(Authorized(*f.db, f.state, f.prompter, QStringLiteral("TF12")));
        QVERIFY(!Authorized(*f.db, f.state, f.prompter, QStringLiteral("TF05")));
    }

    void unknownUserIsRefused() {
        Fixture f;
        f.checkIn(QStringLiteral("Ghost"), QStringLiteral("9999"));
        QVERIFY(!AuthorizedForBilling(*f.db, f.state, f.prompter, QStringLiteral("TF02")));
        QVERIFY(!Authorized(*f.db, f.state, f.prompter, QStringLiteral("TF02")));
        QVERIFY(!AuthorizedAccess(*f.db, f.state, f.prompter, QStringLiteral("TF35"), QStringLiteral("x."),
                                  QStringLiteral("c")));
        QCOMPARE(f.prompter.messages.size(), size_t(3));
    }

    void accessFindsTheUserByHisId() {
        Fixture f;
        test::AddUser(*f.db, QStringLiteral("Tom"), QStringLiteral("2345"),
                      {QStringLiteral("TF36"), QStringLiteral("TF36")});
        // The name does not matter to this check: the ID does.
        f.checkIn(QStringLiteral("Somebody"), QStringLiteral("2345"));
        QVERIFY(AuthorizedAccess(*f.db, f.state, f.prompter, QStringLiteral("TF36"),
                                 QStringLiteral("toggle User-ID input."), QStringLiteral("User-ID")));
        QVERIFY(f.prompter.messages.empty());
        QVERIFY(!AuthorizedAccess(*f.db, f.state, f.prompter, QStringLiteral("TF35"),
                                  QStringLiteral("toggle Keyboard-Touchscreen input."),
                                  QStringLiteral("Keybord-Touchscreen input")));
        QCOMPARE(f.prompter.lastMessage(),
                 QStringLiteral("You have not been entitled to toggle Keyboard-Touchscreen "
                                "input.     \n\nPlease contact your supervisor."));
        QCOMPARE(f.prompter.messages.back().caption, QStringLiteral("Keybord-Touchscreen input"));
    }

    void anyOfThreeCodes_data() {
        QTest::addColumn<QStringList>("held");
        QTest::addColumn<QString>("dataFolder"); // empty: the local test folder
        QTest::addColumn<QString>("message");
        QTest::newRow("one of them") << QStringList{QStringLiteral("TF35")} << QString() << QString();
        QTest::newRow("all of them") << QStringList{QStringLiteral("TF33"), QStringLiteral("TF35"),
                                                    QStringLiteral("TF36")}
                                     << QString() << QString();
        QTest::newRow("none") << QStringList{QStringLiteral("TF02")} << QString() << RightsText::AnyOfDenied;
        QTest::newRow("network folder") << QStringList{QStringLiteral("TF36")}
                                        << QStringLiteral("//server/pos/") << RightsText::NetworkBlocked;
    }
    void anyOfThreeCodes() {
        QFETCH(QStringList, held);
        QFETCH(QString, dataFolder);
        QFETCH(QString, message);
        Fixture f;
        test::AddUser(*f.db, QStringLiteral("Tom"), QStringLiteral("2345"), held);
        f.checkIn(QStringLiteral("Tom"), QStringLiteral("2345"));
        if (!dataFolder.isEmpty())
            f.state.dataFolder = dataFolder;
        const bool ok =
            AuthorizedAnyOf(*f.db, f.state, f.prompter,
                            {QStringLiteral("TF33"), QStringLiteral("TF35"), QStringLiteral("TF36")});
        QCOMPARE(ok, message.isEmpty());
        QCOMPARE(f.prompter.lastMessage(), message);
    }
};

QTEST_GUILESS_MAIN(TestRights)
#include "test_rights.moc"
