#include "AccessRows.h"
#include "Clock.h"
#include "GradientPanel.h"
#include "Marquee.h"
#include "ModalDriver.h"
#include "PendingScreen.h"
#include "PopupPanel.h"
#include "ProgramState.h"
#include "RegistryValues.h"
#include "ScriptedPrompter.h"
#include "Settings.h"
#include "StandInScreens.h"
#include "TF02.h"
#include "TFMain.h"
#include "TFTSCheckin.h"
#include "TStartCash.h"
#include "TempDataFolder.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vantorel;

namespace {

// The main screen over the demo business: the owner "Owner" 1234 (every right), Tom 2345 (manager),
// Anna 3456 (billing only). Billing and the utilities are replaced by recorders unless a test asks otherwise.
struct Main {
    test::TempDataFolder folder{true};
    std::unique_ptr<Database> db = folder.open();
    ProgramState state;
    FixedClock clock{QDateTime(QDate(2026, 3, 14), QTime(11, 0))};
    test::ScriptedPrompter prompter;
    std::unique_ptr<TFMain> form;
    QStringList opened;
    std::function<void()> duringBilling;

    explicit Main(bool touch = false, MainScreenOptions options = {}) {
        state.dataFolder = folder.path();
        if (touch)
            SetTouchScreen(*db, true);
        form = std::make_unique<TFMain>(state, clock, prompter, options);
        form->setScreenGeometry(QRect(0, 0, 800, 600));
        MainScreenOpeners openers;
        openers.billing = [this](TFMain&) {
            opened << QStringLiteral("billing");
            if (duringBilling)
                duringBilling();
        };
        openers.salesSummary = [this](TFMain&) { opened << QStringLiteral("sales summary"); };
        openers.utilities = [this](TFMain&) { opened << QStringLiteral("utilities"); };
        form->setOpeners(openers);
    }
    bool start() { return form->start(); }

    template <typename T> T* child(const char* name) {
        T* w = form->control<T>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QLineEdit* nameEdit() { return child<QLineEdit>("Edit1"); }
    QLineEdit* idEdit() { return child<QLineEdit>("Edit2"); }
    QLabel* checkInTitle() { return child<QLabel>("EsLabel1"); }
    GradientPanel* panel(const char* name) { return child<GradientPanel>(name); }
    bool shown(const char* name) { return child<QWidget>(name)->isVisible(); }

    void checkIn(const QString& name, const QString& id) {
        nameEdit()->clear();
        idEdit()->clear();
        QTest::keyClicks(nameEdit(), name);
        QTest::keyClicks(idEdit(), id);
        QTest::keyClick(idEdit(), Qt::Key_Return);
    }
    int openTimeSheetRows() {
        return db
            ->scalar(QStringLiteral("SELECT COUNT(*) FROM TimeInTimeOut WHERE DateOut = ?"),
                     {QDateTime(QDate(1899, 12, 30), QTime(0, 0))})
            .toInt();
    }
};

} // namespace

class TestTFMain : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void startsWithTheCheckInPanel() {
        Main m;
        QVERIFY(m.start());
        QVERIFY(m.form->isVisible());
        QCOMPARE(m.form->geometry(), QRect(0, 0, 800, 600));
        QCOMPARE(m.child<QLabel>("EsLabel7")->text(),
                 QStringLiteral("Welcome to Harbour Lights Bar & Grill"));
        QVERIFY(m.shown("MainPan"));
        QVERIFY(m.nameEdit()->isVisible());
        QVERIFY(!m.shown("TSTopPan"));
        QVERIFY(!m.shown("BillingPan"));
        QVERIFY(!m.shown("UtilityPan"));
        QVERIFY(!m.shown("CashInput"));
        QCOMPARE(m.form->focusedWidget(), m.nameEdit());
        QCOMPARE(m.checkInTitle()->text(), QStringLiteral("Check in"));
        QCOMPARE(m.idEdit()->echoMode(), QLineEdit::Password);
        QCOMPARE(m.idEdit()->maxLength(), 4);
        QCOMPARE(m.nameEdit()->maxLength(), 12);
        // Keyboard colours.
        QCOMPARE(m.panel("CashInput")->startColor(), QColor(219, 224, 227));
        QCOMPARE(m.panel("CashInput")->endColor(), QColor(220, 225, 228));
        QCOMPARE(m.child<PopupPanel>("LastDayOfMonth")->x(), 800);
        QCOMPARE(m.child<QWidget>("HidePan")->x(), 800);
        QCOMPARE(m.child<QWidget>("MainPan")->geometry(), QRect(258, 193, 283, 248));
    }

    void coversTheScreen() {
        Main m;
        m.form->setScreenGeometry(QRect(0, 0, 1024, 768));
        QVERIFY(m.start());
        QCOMPARE(m.form->geometry(), QRect(0, 0, 1024, 768));
        QCOMPARE(m.form->scaleFactor(), 1.28);
    }

    void touchModeShowsTheTouchBar() {
        Main m(true);
        QVERIFY(m.start());
        QVERIFY(m.shown("TSTopPan"));
        QVERIFY(!m.nameEdit()->isVisible());
        QVERIFY(!m.idEdit()->isVisible());
        QVERIFY(!m.checkInTitle()->isVisible());
        QCOMPARE(m.panel("CashInput")->startColor(), QColor(225, 236, 254));
        QCOMPARE(m.panel("CashInput")->endColor(), QColor(225, 236, 254));
    }

    void nameIsTypedInCapitalsAndEnterMovesOn() {
        Main m;
        QVERIFY(m.start());
        QTest::keyClicks(m.nameEdit(), QStringLiteral("tom"));
        QCOMPARE(m.nameEdit()->text(), QStringLiteral("TOM"));
        QTest::keyClick(m.nameEdit(), Qt::Key_Return);
        QCOMPARE(m.form->focusedWidget(), m.idEdit());
        QTest::keyClicks(m.idEdit(), QStringLiteral("23"));
        QTest::keyClick(m.idEdit(), Qt::Key_Escape);
        QCOMPARE(m.idEdit()->text(), QString());
        QTest::keyClick(m.nameEdit(), Qt::Key_Escape);
        QCOMPARE(m.nameEdit()->text(), QString());
    }

    void missingIdIsAskedFor() {
        Main m;
        QVERIFY(m.start());
        QTest::keyClicks(m.nameEdit(), QStringLiteral("TOM"));
        QTest::mouseClick(m.child<QPushButton>("SpeedButton1"), Qt::LeftButton);
        QCOMPARE(m.prompter.lastMessage(), QStringLiteral("Please enter your Name and User ID   "));
        QCOMPARE(m.form->focusedWidget(), m.idEdit());
        QVERIFY(!m.form->hasEnded());
    }

    void thirdWrongIdEndsTheProgram() {
        Main m;
        QVERIFY(m.start());
        for (const char* wrong : {"1111", "2222"}) {
            m.checkIn(QStringLiteral("TOM"), QString::fromLatin1(wrong));
            QVERIFY(!m.form->hasEnded());
            QCOMPARE(m.nameEdit()->text(), QString());
            QCOMPARE(m.idEdit()->text(), QString());
            QCOMPARE(m.checkInTitle()->text(), QStringLiteral("Invalid input"));
            QVERIFY(m.shown("SpeedButton2"));
            QVERIFY(!m.shown("SpeedButton1"));
            QCOMPARE(m.form->focusedWidget(), m.nameEdit());
            QCOMPARE(test::EventTexts(*m.db), QStringList());
        }
        // Typing again restores the panel.
        QTest::keyClicks(m.nameEdit(), QStringLiteral("T"));
        QCOMPARE(m.checkInTitle()->text(), QStringLiteral("Check in"));
        QVERIFY(m.shown("SpeedButton1"));
        QSignalSpy ended(m.form.get(), &TFMain::programEnded);
        m.checkIn(QStringLiteral("TOM"), QStringLiteral("9876"));
        QVERIFY(m.form->hasEnded());
        QCOMPARE(ended.size(), 1);
        QCOMPARE(m.form->exitCode(), 1);
        QVERIFY(!m.form->isVisible());
        QCOMPARE(test::EventTexts(*m.db),
                 QStringList{QStringLiteral("CheckIn - Failed: User ID used: 9876")});
        QCOMPARE(m.db->scalar(QStringLiteral("SELECT UserID FROM Events")).toString(), QStringLiteral("Tom"));
        QCOMPARE(test::CountRows(*m.db, QStringLiteral("TimeInTimeOut")), 0);
    }

    void managerGetsTheMainMenu() {
        Main m;
        QVERIFY(m.start());
        test::AddUser(*m.db, QStringLiteral("Lea"), QStringLiteral("4567"),
                      {QStringLiteral("TF02"), QStringLiteral("TF03")});
        m.checkIn(QStringLiteral("LEA"), QStringLiteral("4567"));
        QVERIFY(!m.form->hasEnded());
        QVERIFY(!m.shown("MainPan"));
        QVERIFY(m.shown("BillingPan"));
        QVERIFY(m.shown("UtilityPan"));
        QVERIFY(m.shown("CashInput"));
        QVERIFY(m.shown("Label9"));
        QCOMPARE(m.child<QLabel>("Label9")->text(),
                 QStringLiteral("Change to TOUCHSCREEN input in Utilities-Maintenance-InputMode"));
        QCOMPARE(m.form->focusedWidget(), m.child<QWidget>("DummyForBillingPan"));
        QVERIFY(m.opened.isEmpty());
        QCOMPARE(m.state.currentUserName, QStringLiteral("Lea"));
        QCOMPARE(m.openTimeSheetRows(), 1);
        // The demo menu is complete and taxes are set: no setup warnings.
        QVERIFY(!m.shown("SetupBox"));
        // Enter on the focus button opens billing.
        QTest::keyClick(m.child<QWidget>("DummyForBillingPan"), Qt::Key_Return);
        QCOMPARE(m.opened, QStringList{QStringLiteral("billing")});
        QVERIFY(m.shown("BillingPan"));
    }

    void billingOnlyUserGoesStraightToBilling_data() {
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("only TR15") << QStringList{QStringLiteral("TR15")};
        QTest::newRow("billing rights") << QStringList{QStringLiteral("TF02"), QStringLiteral("TF34")};
    }
    void billingOnlyUserGoesStraightToBilling() {
        QFETCH(QStringList, codes);
        Main m;
        QVERIFY(m.start());
        test::AddUser(*m.db, QStringLiteral("Lea"), QStringLiteral("4567"), codes);
        int openRowsDuringBilling = -1;
        m.duringBilling = [&] { openRowsDuringBilling = m.openTimeSheetRows(); };
        m.checkIn(QStringLiteral("LEA"), QStringLiteral("4567"));
        QCOMPARE(m.opened, QStringList{QStringLiteral("billing")});
        QCOMPARE(openRowsDuringBilling, 1);
        // Leaving billing closes the program down, with the check-out.
        QVERIFY(m.form->hasEnded());
        QCOMPARE(m.form->exitCode(), 0);
        QCOMPARE(m.openTimeSheetRows(), 0);
        QCOMPARE(test::CountRows(*m.db, QStringLiteral("TimeInTimeOut")), 1);
    }

    void userWithoutRightsIsRefused() {
        Main m;
        QVERIFY(m.start());
        test::AddUser(*m.db, QStringLiteral("Ben"), QStringLiteral("5678"));
        m.checkIn(QStringLiteral("BEN"), QStringLiteral("5678"));
        QVERIFY(m.form->hasEnded());
        QCOMPARE(m.prompter.messages.back().caption, QStringLiteral("  Access refused"));
        QVERIFY(
            m.prompter.lastMessage().startsWith(QStringLiteral("Although your Name and User ID have been")));
        QVERIFY(m.opened.isEmpty());
        QCOMPARE(test::CountRows(*m.db, QStringLiteral("TimeInTimeOut")), 0);
    }

    void oneMenuItemIsNoMenu() {
        Main m;
        m.db->exec(QStringLiteral("UPDATE Items SET Deleted = ? WHERE Desc1 <> 'Cola'"), {true});
        QVERIFY(m.start());
        m.checkIn(QStringLiteral("TOM"), QStringLiteral("2345"));
        QVERIFY(m.shown("SetupBox"));
        QVERIFY(m.shown("SetupLab"));
        const auto* box = m.child<QListWidget>("SetupBox");
        QStringList listed;
        for (int i = 0; i < box->count(); ++i)
            listed << box->item(i)->text();
        QCOMPARE(listed, (QStringList{QStringLiteral("Menu Items"), QStringLiteral("Menu Groups"),
                                      QStringLiteral("Speedcode")}));
        QCOMPARE(m.prompter.beeps.size(), size_t(1));
        // Billing refuses with the service message and opens nothing.
        QTest::mouseClick(m.panel("BillingPan"), Qt::LeftButton);
        QVERIFY(m.opened.isEmpty());
        QCOMPARE(m.prompter.messages.back().caption, QStringLiteral("   Service"));
        // A billing-only user cannot work at all.
        Main b;
        b.db->exec(QStringLiteral("UPDATE Items SET Deleted = ? WHERE Desc1 <> 'Cola'"), {true});
        QVERIFY(b.start());
        b.checkIn(QStringLiteral("ANNA"), QStringLiteral("3456"));
        QVERIFY(b.form->hasEnded());
        QVERIFY(b.opened.isEmpty());
        QCOMPARE(b.prompter.messages.back().caption, QStringLiteral("   Billing not available"));
    }

    void secondBillingClickWhileBillingOpensIsIgnored() {
        Main m;
        QVERIFY(m.start());
        m.checkIn(QStringLiteral("TOM"), QStringLiteral("2345"));
        m.duringBilling = [&] {
            QCOMPARE(m.child<QLabel>("Label20")->text(), QStringLiteral("Loading ..."));
            QTest::mouseClick(m.panel("BillingPan"), Qt::LeftButton);
            m.form->billingClick();
        };
        QTest::mouseClick(m.panel("BillingPan"), Qt::LeftButton);
        QCOMPARE(m.opened, QStringList{QStringLiteral("billing")});
        QVERIFY(!m.shown("Label20"));
        QCOMPARE(m.panel("BillingPan")->endColor(), QColor(150, 166, 188));
        m.duringBilling = {};
        QTest::mouseClick(m.panel("BillingPan"), Qt::LeftButton); // the guard is released afterwards
        QCOMPARE(m.opened.size(), 2);
    }

    void duplicateRightRowsPassBillingButNotUtilities() {
        Main m;
        QVERIFY(m.start());
        const qint64 lea =
            test::AddUser(*m.db, QStringLiteral("Lea"), QStringLiteral("4567"),
                          {QStringLiteral("TF02"), QStringLiteral("TF02"), QStringLiteral("TF03"),
                           QStringLiteral("TF05"), QStringLiteral("TF05")});
        Q_UNUSED(lea);
        m.form->setOpeners(StandInOpeners());
        m.checkIn(QStringLiteral("LEA"), QStringLiteral("4567"));
        QVERIFY(m.shown("BillingPan"));
        test::ModalDriver driver;
        driver.whenOpen<TF02>([](TF02* s) { s->done(0); });
        QTest::mouseClick(m.panel("BillingPan"), Qt::LeftButton);
        QCOMPARE(driver.ran(), 1); // keyboard billing opened
        QVERIFY(m.prompter.messages.empty());

        driver.whenOpen<PendingScreen>([](PendingScreen* s) {
            s->control<QPushButton>(QStringLiteral("AuthorizationEntry"))->click();
            s->backButton()->click();
        });
        QTest::mouseClick(m.panel("UtilityPan"), Qt::LeftButton);
        QCOMPARE(driver.ran(), 2);
        QCOMPARE(m.prompter.lastMessage(),
                 QStringLiteral("You have insufficient authorization to access this "
                                "utility.     \r\rPlease contact your supervisor."));
    }

    void refusedBillingRestoresTheMenu() {
        Main m;
        QVERIFY(m.start());
        test::AddUser(*m.db, QStringLiteral("Lea"), QStringLiteral("4567"),
                      {QStringLiteral("TF03"), QStringLiteral("TR15")});
        m.checkIn(QStringLiteral("LEA"), QStringLiteral("4567"));
        QVERIFY(m.shown("BillingPan"));
        QTest::mouseClick(m.panel("BillingPan"), Qt::LeftButton);
        QVERIFY(m.opened.isEmpty());
        QCOMPARE(m.prompter.lastMessage(),
                 QStringLiteral("You have insufficient authorization to access the "
                                "Billing utility.     \n\nPlease contact your supervisor."));
        QVERIFY(m.shown("CashInput"));
        QVERIFY(!m.shown("Label20"));
    }

    void startupCashIsEnteredOnThePad() {
        Main m;
        QVERIFY(m.start());
        m.checkIn(QStringLiteral("TOM"), QStringLiteral("2345"));
        QVERIFY(m.shown("CashInput"));
        test::ModalDriver driver;
        QString title, text;
        driver.whenOpen<TStartCash>([&](TStartCash* pad) {
            title = pad->canvas()->findChild<GradientPanel*>(QStringLiteral("title"))->text();
            text = pad->canvas()->findChild<QLabel*>(QStringLiteral("text"))->text();
            for (const char* k : {"1", "5", "0"})
                pad->key(QString::fromLatin1(k))->click();
            pad->key(QStringLiteral("Done"))->click();
        });
        QTest::mouseClick(m.panel("CashInput"), Qt::LeftButton);
        QCOMPARE(driver.ran(), 1);
        QCOMPARE(title, QStringLiteral("Startup Cash"));
        QCOMPARE(text,
                 QStringLiteral("Please input the amount of money you deposit in the cash drawer to start "
                                "today's business."));
        QCOMPARE(m.prompter.questions.back().text,
                 QStringLiteral("Leave 150.00 in the cash drawer for today's business?  "));
        QVERIFY(!m.shown("CashInput"));
        QCOMPARE(m.child<QLabel>("Label20")->text(), QStringLiteral("Startup cash 150.00"));
        QCOMPARE(ReadUtility(*m.db).cashForward, Money::fromCents(15000));
        QCOMPARE(test::EventTexts(*m.db),
                 QStringList{QStringLiteral("Startup Cash - 150.00 entered by Tom")});

        // The next start no longer offers it.
        Main again;
        SetCashForward(*again.db, Money::fromCents(5000));
        QVERIFY(again.start());
        again.checkIn(QStringLiteral("TOM"), QStringLiteral("2345"));
        QVERIFY(again.shown("BillingPan"));
        QVERIFY(!again.shown("CashInput"));
    }

    void startupCashPadBackChangesNothing() {
        Main m;
        QVERIFY(m.start());
        m.checkIn(QStringLiteral("TOM"), QStringLiteral("2345"));
        test::ModalDriver driver;
        driver.whenOpen<TStartCash>([](TStartCash* pad) {
            pad->key(QStringLiteral("7"))->click();
            pad->key(QStringLiteral("Back"))->click();
        });
        m.form->cashInputClick();
        QCOMPARE(driver.ran(), 1);
        QVERIFY(m.shown("CashInput"));
        QVERIFY(ReadUtility(*m.db).cashForward.isZero());
        QCOMPARE(test::EventTexts(*m.db), QStringList());
    }

    void touchCheckIn_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<bool>("ended");
        QTest::addColumn<QStringList>("events");
        // "0" first and a fifth digit are ignored.
        QTest::newRow("billing-only user") << QStringList{"0", "3", "4", "5", "6", "7", "OK"}
                                           << QStringList{"billing"} << true << QStringList();
        QTest::newRow("manager") << QStringList{"2", "3", "4", "5", "OK"} << QStringList() << false
                                 << QStringList();
        QTest::newRow("exit") << QStringList{"2", "Exit"} << QStringList() << true << QStringList();
        QTest::newRow("unknown ID") << QStringList{"9", "9", "9", "9", "OK"} << QStringList() << true
                                    << QStringList{"CheckIn - Failed: User ID used: 9999"};
    }
    void touchCheckIn() {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, opened);
        QFETCH(bool, ended);
        QFETCH(QStringList, events);
        Main m(true);
        QVERIFY(m.start());
        test::ModalDriver driver;
        QRect padAt;
        driver.whenOpen<TFTSCheckin>([&](TFTSCheckin* pad) {
            padAt = QRect(pad->designPosition(), pad->designSize());
            for (const QString& k : keys)
                pad->key(k)->click();
        });
        QTest::mouseClick(m.panel("TSTopPan"), Qt::LeftButton);
        QCOMPARE(driver.ran(), 1);
        QCOMPARE(padAt, QRect(256, 193, 288, 299));
        QCOMPARE(m.opened, opened);
        QCOMPARE(m.form->hasEnded(), ended);
        QCOMPARE(test::EventTexts(*m.db), events);
        if (!ended)
            QVERIFY(m.shown("BillingPan"));
    }

    void closeButtonChecksOut() {
        Main m;
        QVERIFY(m.start());
        m.checkIn(QStringLiteral("TOM"), QStringLiteral("2345"));
        QCOMPARE(m.openTimeSheetRows(), 1);
        auto* close = m.child<QPushButton>("CloseBut");
        QTest::keyClick(close, Qt::Key_Space);
        QTest::keyClick(close, Qt::Key_Return);
        QVERIFY(!m.form->hasEnded()); // only F10 closes from the keyboard
        QTest::keyClick(close, Qt::Key_F10);
        QVERIFY(m.form->hasEnded());
        QCOMPARE(m.form->exitCode(), 0);
        QCOMPARE(m.openTimeSheetRows(), 0);
    }

    void closingBeforeCheckInJustEnds() {
        Main m;
        QVERIFY(m.start());
        QTest::mouseClick(m.child<QPushButton>("CloseBut"), Qt::LeftButton);
        QVERIFY(m.form->hasEnded());
        QCOMPARE(test::CountRows(*m.db, QStringLiteral("TimeInTimeOut")), 0);
    }

    void lastDayOfTheMonthNotice_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("left");
        QTest::newRow("31 March") << QDate(2026, 3, 31) << 340;
        QTest::newRow("30 March") << QDate(2026, 3, 30) << 800;
    }
    void lastDayOfTheMonthNotice() {
        QFETCH(QDate, today);
        QFETCH(int, left);
        Main m;
        m.clock.set(QDateTime(today, QTime(12, 0)));
        QVERIFY(m.start());
        m.checkIn(QStringLiteral("TOM"), QStringLiteral("2345"));
        QCOMPARE(m.child<PopupPanel>("LastDayOfMonth")->x(), left);
    }

    void launcherAndLocationsAreWritten() {
        QTemporaryDir apps;
        Main m(false, MainScreenOptions{QStringLiteral("/opt/vantorel/bin/vantorel"), apps.path()});
        QVERIFY(m.start());
        QFile launcher(apps.filePath(QStringLiteral("vantorel.desktop")));
        QVERIFY(launcher.open(QIODevice::ReadOnly));
        QVERIFY(launcher.readAll().contains("\nExec=/opt/vantorel/bin/vantorel\n"));
        QCOMPARE(ReadRegistryValue(RegistryValue::LocationExeFile), QStringLiteral("/opt/vantorel/bin"));
        QCOMPARE(ReadRegistryValue(RegistryValue::LocationProgramData), m.state.dataFolder);
    }
};

QTEST_MAIN(TestTFMain)
#include "test_tfmain.moc"
