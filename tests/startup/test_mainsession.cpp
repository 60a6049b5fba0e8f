#include "AccessRows.h"
#include "Clock.h"
#include "ConnectionHolder.h"
#include "IniFile.h"
#include "MainSession.h"
#include "ProgramState.h"
#include "ScriptedPrompter.h"
#include "Settings.h"
#include "StartupCash.h"
#include "TempDataFolder.h"
#include "WorkstationIni.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace vantorel;
using CheckIn = MainSession::CheckIn;

namespace {

struct Fixture {
    test::TempDataFolder folder; // demo: Owner 1234, Tom 2345 (manager), Anna 3456 (billing only)
    ProgramState state;
    ConnectionHolder connection{state};
    FixedClock clock{QDateTime(QDate(2026, 3, 14), QTime(11, 0))};
    test::ScriptedPrompter prompter;
    MainSession session{state, connection, clock, prompter};
    explicit Fixture(test::TempDataFolder::Engine engine = test::TempDataFolder::Engine::AsConfigured)
        : folder(true, engine) {
        state.dataFolder = folder.path();
    }
    Database& db() { return connection.db(); }
    QString ini(const QString& key) {
        return IniFile(WorkstationIni(state.dataFolder).path()).read(WorkstationIni::CashSection, key);
    }
};

} // namespace

class TestMainSession : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startupCashReply_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("amount"); // empty: nothing stored
        QTest::newRow("exit") << QStringLiteral("XPX") << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("zero") << QStringLiteral("0.00") << QString();
        QTest::newRow("not a number") << QStringLiteral("12a") << QString();
        QTest::newRow("negative") << QStringLiteral("-5.00") << QString();
        QTest::newRow("whole") << QStringLiteral("150") << QStringLiteral("150.00");
        QTest::newRow("formatted") << QStringLiteral("1,234.50") << QStringLiteral("1234.50");
    }
    void startupCashReply() {
        QFETCH(QString, reply);
        QFETCH(QString, amount);
        const auto m = StartupCashFromReply(reply);
        QCOMPARE(m ? m->toPlainString(2) : QString(), amount);
    }

    void startupCashIsStoredWithItsEvent() {
        Fixture f;
        QCOMPARE(f.session.checkInByKeyboard(QStringLiteral("TOM"), QStringLiteral("2345")),
                 CheckIn::MainMenu);
        QVERIFY(f.session.cashInputOffered());
        QVERIFY(!f.session.enterStartupCash(QStringLiteral("XPX")));
        QVERIFY(f.session.cashInputOffered());
        const auto amount = f.session.enterStartupCash(QStringLiteral("1,250.00"));
        QVERIFY(amount);
        QCOMPARE(StartupCashText::Label(*amount), QStringLiteral("Startup cash 1,250.00"));
        QVERIFY(!f.session.cashInputOffered());
        QCOMPARE(f.db()
                     .queryOne(QStringLiteral("SELECT CashForward FROM Utility"))
                     ->money(QStringLiteral("CashForward")),
                 Money::fromCents(125000));
        QCOMPARE(f.ini(QStringLiteral("SUMINI")), QStringLiteral("1250.00"));
        QCOMPARE(f.ini(QStringLiteral("PROGINI")), QStringLiteral("1"));
        QCOMPARE(test::EventTexts(f.db()),
                 QStringList{QStringLiteral("Startup Cash - 1,250.00 entered by Tom")});
    }

    void startupCashIsNotKeptWhenTheIniFileCannotBeWritten() {
        Fixture f(test::TempDataFolder::Engine::EmbeddedFile); // the INI file also names the server
        QCOMPARE(f.session.checkInByKeyboard(QStringLiteral("TOM"), QStringLiteral("2345")),
                 CheckIn::MainMenu);
        const QString ini = WorkstationIni(f.state.dataFolder).path();
        QVERIFY(QFile::remove(ini));
        QVERIFY(QDir().mkpath(ini)); // a folder where the file should be
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, f.session.enterStartupCash(QStringLiteral("50")));
        QVERIFY(f.session.cashInputOffered());
        QCOMPARE(test::EventTexts(f.db()), QStringList());
    }

    void createAddsSalesTodayAndReadsModes() {
        Fixture f;
        f.db().exec(QStringLiteral("DELETE FROM \"functions\" WHERE \"code\" = 'TR15'"));
        f.db().exec(QStringLiteral("UPDATE Utility SET UserID = ?, TouchScreen = ?, BillAuthorization = ?"),
                    {true, false, true});
        f.db().exec(QStringLiteral("UPDATE Items SET Incentive = ? WHERE Desc1 = 'Cola'"),
                    {QVariant::fromValue(Money::fromCents(10))});
        f.session.create();
        QCOMPARE(f.session.welcomeText(), QStringLiteral("Welcome to Harbour Lights Bar & Grill"));
        QCOMPARE(f.db()
                     .scalar(QStringLiteral("SELECT COUNT(*) FROM \"functions\" WHERE \"code\" = 'TR15'"))
                     .toInt(),
                 1);
        QVERIFY(f.state.settings.userIdMode);
        QVERIFY(f.state.settings.billAuthorizationOn);
        QVERIFY(!f.state.settings.touchMode);
        QVERIFY(f.state.settings.incentivesInUse);
        // With touch input incentives are never in use.
        f.db().exec(QStringLiteral("UPDATE Utility SET TouchScreen = ?"), {true});
        LoadSettingsCopies(f.db(), f.state.settings);
        QVERIFY(f.state.settings.touchMode);
        QVERIFY(!f.state.settings.incentivesInUse);
    }

    void activationRefreshesTheCopies_data() {
        QTest::addColumn<bool>("taxOnBill");
        QTest::addColumn<bool>("chargeOnBill");
        QTest::addColumn<int>("serviceChargeCents");
        QTest::addColumn<int>("salesRate");
        QTest::addColumn<int>("chargeRate");
        QTest::newRow("both on the bill") << true << true << 1000 << 700 << 1000;
        QTest::newRow("tax only") << true << false << 1000 << 700 << 0;
        QTest::newRow("charge only") << false << true << 1000 << 0 << 1000;
    }
    void activationRefreshesTheCopies() {
        QFETCH(bool, taxOnBill);
        QFETCH(bool, chargeOnBill);
        QFETCH(int, serviceChargeCents);
        QFETCH(int, salesRate);
        QFETCH(int, chargeRate);
        Fixture f;
        f.db().exec(QStringLiteral("UPDATE Taxes SET TTaxOnBill = ?, TSCOnBill = ?, TServCharge = ?"),
                    {taxOnBill, chargeOnBill, QVariant::fromValue(Money::fromCents(serviceChargeCents))});
        f.db().exec(QStringLiteral("UPDATE Utility SET PaperSize = 'A5', PrintCopies = 2, CardChargeYN = ?, "
                                   "CardNumberInput = ?"),
                    {false, true});
        f.db().exec(QStringLiteral("UPDATE Ingredients SET InvCtrl = ? WHERE \"item\" = 'Potatoes'"), {true});
        f.db().exec(QStringLiteral("UPDATE Items SET MenuPrice = ? WHERE Desc1 = 'Cola'"),
                    {QVariant::fromValue(Money::fromCents(250))});
        f.session.activate();
        const SettingsCopies& s = f.state.settings;
        QCOMPARE(s.salesTaxRate, Money::fromCents(salesRate));
        QCOMPARE(s.serviceChargeRate, Money::fromCents(chargeRate));
        QCOMPARE(s.paperSize, QStringLiteral("A5"));
        QCOMPARE(s.printCopies, 2);
        QVERIFY(!s.cardChargeOn);
        QVERIFY(s.cardNumberRequired);
        QVERIFY(s.inventoryControlOn);
        QVERIFY(s.setMenuPricesActive);
        QVERIFY(!f.session.newMonth());
    }

    void checkInChoosesTheEntry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("entry");
        QTest::newRow("manager") << QStringLiteral("TOM") << QStringLiteral("2345") << int(CheckIn::MainMenu);
        QTest::newRow("billing only")
            << QStringLiteral("anna") << QStringLiteral("3456") << int(CheckIn::BillingOnly);
        QTest::newRow("no rights") << QStringLiteral("BEN") << QStringLiteral("5678")
                                   << int(CheckIn::EndProgram);
    }
    void checkInChoosesTheEntry() {
        QFETCH(QString, name);
        QFETCH(QString, id);
        QFETCH(int, entry);
        Fixture f;
        test::AddUser(f.db(), QStringLiteral("Ben"), QStringLiteral("5678"));
        QCOMPARE(int(f.session.checkInByKeyboard(name, id)), entry);
        const bool in = entry != int(CheckIn::EndProgram);
        QCOMPARE(f.session.isCheckedIn(), in);
        QCOMPARE(test::CountRows(f.db(), QStringLiteral("TimeInTimeOut")), in ? 1 : 0);
        QCOMPARE(f.prompter.messages.size(), size_t(in ? 0 : 1));
        f.clock.advanceSeconds(60);
        f.session.checkOut();
        QCOMPARE(f.db()
                     .scalar(QStringLiteral("SELECT COUNT(*) FROM TimeInTimeOut WHERE DateOut = ?"),
                             {f.clock.now()})
                     .toInt(),
                 in ? 1 : 0);
    }

    void touchCheckIn() {
        Fixture f;
        QCOMPARE(f.session.checkInByTouch(QStringLiteral("3456")), CheckIn::BillingOnly);
        QCOMPARE(f.state.currentUserName, QStringLiteral("Anna"));
        Fixture g;
        QCOMPARE(g.session.checkInByTouch(QStringLiteral("XPX")), CheckIn::EndProgram);
        QCOMPARE(g.session.checkInByTouch(QStringLiteral("9999")), CheckIn::EndProgram);
        QVERIFY(!g.session.isCheckedIn());
    }

    void billingChecks() {
        Fixture f;
        QCOMPARE(f.session.checkInByKeyboard(QStringLiteral("TOM"), QStringLiteral("2345")),
                 CheckIn::MainMenu);
        QVERIFY(f.session.billingMenuReady());
        QVERIFY(f.session.authorizedForBilling());
        QVERIFY(!f.session.billingShowsSalesSummary());
        f.db().exec(QStringLiteral("UPDATE Items SET \"item\" = '' WHERE Desc1 = 'Cola'"));
        QVERIFY(!f.session.billingMenuReady());
        QCOMPARE(f.prompter.lastMessage(),
                 QStringLiteral("Menu Items, Menu Groups and/or Speedcode need service!  \r"
                                "Go to Utilities/Menu/Menu Items...  "));
        QCOMPARE(f.prompter.messages.back().caption, QStringLiteral("   Service"));
        f.state.settings.touchMode = true; // speed codes are not needed with touch input
        QVERIFY(f.session.billingMenuReady());
        f.db().exec(QStringLiteral("UPDATE Items SET Deleted = ? WHERE Desc1 <> 'Cola'"), {true});
        QVERIFY(f.session.billingOnlyBlocked());
        QCOMPARE(f.prompter.lastMessage(),
                 QStringLiteral("Menu Items and/or Menu Groups need maintenance!  \r"
                                "You can not access Billing. Please inform your superior.  "));
    }

    void connectionFollowsTheConnectionString() {
        Fixture f;
        test::TempDataFolder archive(false, test::TempDataFolder::Engine::EmbeddedFile); // archives are files
        {
            auto other = archive.open();
            other->exec(QStringLiteral("UPDATE Utility SET \"name\" = 'Archive 2025'"));
        }
        Database* first = &f.connection.db();
        QCOMPARE(&f.connection.db(), first);
        f.state.archivePath = archive.databasePath();
        QCOMPARE(WelcomeText(f.connection.db()), QStringLiteral("Welcome to Archive 2025"));
        f.state.archivePath.clear();
        QCOMPARE(WelcomeText(f.connection.db()), QStringLiteral("Welcome to Harbour Lights Bar & Grill"));
        f.connection.close();
        QVERIFY(!f.connection.isOpen());
        QCOMPARE(WelcomeText(f.connection.db()), QStringLiteral("Welcome to Harbour Lights Bar & Grill"));
        QVERIFY(f.connection.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestMainSession)
#include "test_mainsession.moc"
