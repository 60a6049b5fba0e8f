#include "ConnectionString.h"
#include "LanWarning.h"
#include "ProgramState.h"
#include "ScriptedPrompter.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vantorel;

class TestLanWarning : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void networkFolders_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("network");
        QTest::newRow("windows share") << QStringLiteral("\\\\server\\Vantorel\\") << true;
        QTest::newRow("share path") << QStringLiteral("//server/Vantorel/") << true;
        QTest::newRow("missing local folder") << QStringLiteral("/no/such/folder/") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void networkFolders() {
        QFETCH(QString, path);
        QFETCH(bool, network);
        QCOMPARE(IsNetworkDataFolder(path), network);
    }

    void localFolderIsNotNetwork() {
        QTemporaryDir dir;
        QVERIFY(!IsNetworkDataFolder(dir.path() + QLatin1Char('/')));
    }

    void warnsOnlyForANetworkFolder() {
        test::ScriptedPrompter prompter;
        ProgramState state;
        QTemporaryDir dir;
        state.dataFolder = dir.path() + QLatin1Char('/');
        QVERIFY(!WarnIfLan(state, prompter));
        QVERIFY(prompter.messages.empty());

        state.dataFolder = QStringLiteral("//server/Vantorel/");
        QVERIFY(WarnIfLan(state, prompter));
        QCOMPARE(prompter.messages.size(), size_t(1));
        QCOMPARE(prompter.messages[0].caption, QStringLiteral("LAN Connection"));
        QCOMPARE(prompter.messages[0].text,
                 QStringLiteral(
                     "You are connected to the active Database of Vantorel via LAN!  \n\nAny changes you "
                     "make, will become effective immediately and\nmay interfere with the proper "
                     "operation of Vantorel.  "));
    }

    // A workstation on a server elsewhere works over the network; the one on the server's machine does not.
    void serverOnAnotherMachineIsNetwork_data() {
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("network");
        QTest::newRow("other machine") << QStringLiteral("db1.local") << true;
        QTest::newRow("other address") << QStringLiteral("192.168.1.20") << true;
        QTest::newRow("this machine") << QStringLiteral("localhost") << false;
        QTest::newRow("loopback") << QStringLiteral("127.0.0.1") << false;
        QTest::newRow("local socket") << QStringLiteral("/run/postgresql") << false;
    }
    void serverOnAnotherMachineIsNetwork() {
        QFETCH(QString, host);
        QFETCH(bool, network);
        QTemporaryDir dir;
        ProgramState state;
        state.dataFolder = dir.path() + QLatin1Char('/');
        QVERIFY(!IsNetworkDatabase(state));
        ServerSettings server;
        server.host = host;
        server.database = QStringLiteral("vantorel");
        WriteServerSettings(dir.path(), server);
        QCOMPARE(IsNetworkDatabase(state), network);
        // Every till on a server bills; only a database file on a network share keeps billing away.
        QVERIFY(!BillingBlockedOverNetwork(state));
    }

    void billingIsBlockedOnlyForAFileOnTheNetwork() {
        ProgramState state;
        state.dataFolder = QStringLiteral("//server/Vantorel/");
        QVERIFY(BillingBlockedOverNetwork(state));
        QTemporaryDir dir;
        state.dataFolder = dir.path() + QLatin1Char('/');
        QVERIFY(!BillingBlockedOverNetwork(state));
    }
};

QTEST_GUILESS_MAIN(TestLanWarning)
#include "test_lanwarning.moc"
