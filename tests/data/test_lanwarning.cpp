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
};

QTEST_GUILESS_MAIN(TestLanWarning)
#include "test_lanwarning.moc"
