#include "Clock.h"
#include "EventLog.h"
#include "EventTexts.h"
#include "ProgramState.h"
#include "SqlNames.h"
#include "TempDataFolder.h"
#include "UnitOfWork.h"

#include <QTest>

using namespace vantorel;
namespace E = vantorel::EventText;

class TestEventLog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A sample of the builders against the texts the event viewer and the reports rely on, letter for letter.
    void texts_data() {
        QTest::addColumn<QString>("built");
        QTest::addColumn<QString>("expected");
        QTest::newRow("check-in") << E::CheckInFailed(QStringLiteral("0968"))
                                  << "CheckIn - Failed: User ID used: 0968";
        QTest::newRow("startup cash")
            << E::StartupCashEntered(QStringLiteral("150.00"), QStringLiteral("Mary"))
            << "Startup Cash - 150.00 entered by Mary";
        QTest::newRow("startup cash refused")
            << E::StartupCashNotAccepted(QStringLiteral("Mary"), QStringLiteral("150.00"))
            << "Startup Cash - Mary: 150.00 NOT ACCEPTED";
        QTest::newRow("carry forward")
            << E::CarryForwardAccepted(QStringLiteral("80.00"), QStringLiteral("John"))
            << "Billing - Carry forward of 80.00 ACCEPTED by John";
        QTest::newRow("invoice mismatch")
            << E::InvoiceNumberMismatch(QStringLiteral("26000123"), QStringLiteral("26000120"))
            << "Management - Serious! No match of invoice numbers! Last closed: 26000123 versus DB: 26000120";
        QTest::newRow("incentive reset")
            << E::IncentiveMonthlyReset() << "Incentive - Monthly records reset, because of pending bills!";
        QTest::newRow("owner") << E::OwnerRightsChangeAttempt()
                               << "Authori - Attempt to change owner settings.";
        QTest::newRow("authorized") << E::AuthorizationGranted(QStringLiteral("Anna"),
                                                               QStringLiteral("Delete 1 Beer"))
                                    << "Authori - Anna: Delete 1 Beer";
        QTest::newRow("taxes") << E::TaxesSaved() << "Taxes & Charges - Saved";
        QTest::newRow("drawer")
            << E::CashDrawerRefused(QStringLiteral("4968"), QStringLiteral("John"), QStringLiteral("1234"))
            << "Billing - Attempt by 4968 to open cash drawer during operation by John (1234)";
        QTest::newRow("transfer all")
            << E::AllItemsTransferred(QStringLiteral("3"), QStringLiteral("26000001"),
                                      QStringLiteral("26000002"), QStringLiteral("45.50"))
            << "Billing - Transfer all (3) items from 26000001 to 26000002 (45.50)";
        QTest::newRow("max item") << E::MaxItemValue(QStringLiteral("50.00"), QStringLiteral("40.00"),
                                                     QStringLiteral("-10.00"))
                                  << "Billing - Max Item Value: 50.00; Billed Item Value: 40.00 (-10.00)";
        QTest::newRow("deleted") << E::ItemDeleted(QStringLiteral("Beer"), QStringLiteral("3.50"),
                                                   QStringLiteral("2"), QStringLiteral("7.00"))
                                 << "Billing - Deleted Beer: 3.50 x 2 = 7.00";
        QTest::newRow("misc with discount") << E::MiscChanged(QStringLiteral("5"), QStringLiteral("2"),
                                                              QStringLiteral("1"), QStringLiteral("10"))
                                            << "Billing - Changed Misc. to P5/C2/Q1/D10";
        QTest::newRow("misc without discount")
            << E::MiscChanged(QStringLiteral("5"), QStringLiteral("2"), QStringLiteral("1"))
            << "Billing - Changed Misc. to P5/C2/Q1";
        QTest::newRow("market price")
            << E::MarketPriceChanged(QStringLiteral("Lobster"), QStringLiteral("30"), QStringLiteral("35"),
                                     QStringLiteral("1.17"))
            << "MarketPrice: Lobster from 30 to 35; Incentive: 1.17";
        QTest::newRow("vip settled") << E::VipAccountSettled(QStringLiteral("Smith"),
                                                             QStringLiteral("120.00"))
                                     << "VIP     - Smith settled account: 120.00";
        QTest::newRow("vip new") << E::VipNewAccount(QStringLiteral("Smith"), QStringLiteral("100"),
                                                     QStringLiteral("500"), QStringLiteral("10"))
                                 << "VIP - New Account: Smith - Dep: 100 - Cr: 500 - Disc: 10%";
        QTest::newRow("incentive set")
            << E::IncentiveSet(QStringLiteral("Beer"), QStringLiteral("0.50"), true)
            << "Incentive - Beer set to 0.50 (also for Set Menu - percentual)";
        QTest::newRow("incentive discount")
            << E::IncentiveDiscountGranted(QStringLiteral("10"), QStringLiteral("2"), QStringLiteral("Beer"))
            << "Incentive - Discount granted of 10% on 2xBeer";
        QTest::newRow("user id setting")
            << E::IncentiveUserIdActivated() << "Incentive - Setting: 'UserID-input' activated";
        QTest::newRow("menu item") << E::MenuItemAdded(QStringLiteral("Steak"), QStringLiteral("12.50"))
                                   << "Menu Item added: Steak @ 12.50";
        QTest::newRow("menu comp") << E::IngredientUnitsPerServingChanged(
                                          QStringLiteral("Rum"), QStringLiteral("4"), QStringLiteral("5"))
                                   << "MenuComp - Rum unit per serving from 4 to 5";
        QTest::newRow("inventory price")
            << E::InventoryAdded(QStringLiteral("Rum"), QStringLiteral("12"), QStringLiteral("Bottle"),
                                 QStringLiteral("10.00"), QStringLiteral("11.00"))
            << "InvAdd - Rum 12 Bottle Old Price:10.00 New Price:11.00";
        QTest::newRow("inventory plain")
            << E::InventoryAdded(QStringLiteral("Rum"), QStringLiteral("12"), QStringLiteral("Bottle"))
            << "InvAdd - Rum 12 Bottle";
        QTest::newRow("inventory cancelled") << E::InventoryItemCancelled(QStringLiteral("Rum"))
                                             << "InvCtrl - Rum deleted and all Menu Items detached";
        QTest::newRow("report") << E::SalesPerformanceReport(QStringLiteral("01/03/26 - 14/03/26"))
                                << "Report - Sales Performance 01/03/26 - 14/03/26 generated";
        QTest::newRow("misc booked") << E::MiscBooked(QStringLiteral("Flowers"))
                                     << "Billing/Misc - Flowers Inventory?? ";
    }
    void texts() {
        QFETCH(QString, built);
        QFETCH(QString, expected);
        QCOMPARE(built, expected);
    }

    void recordsOneRow() {
        test::TempDataFolder folder;
        auto db = folder.open();
        ProgramState state;
        const FixedClock clock(QDateTime(QDate(2026, 3, 14), QTime(21, 15, 2)));
        RecordEvent(*db, state, clock, E::MaintenanceRunByUser());
        state.currentUserName = QStringLiteral("JOHN");
        {
            UnitOfWork work(*db);
            RecordEvent(*db, state, clock, E::VipAccountBlocked(QStringLiteral("Smith")),
                        QStringLiteral("Smith"));
            work.commit();
        }
        {
            UnitOfWork abandoned(*db);
            RecordEvent(*db, state, clock, E::AccountVoided(), QStringLiteral("26000001"));
        }
        const Rows rows =
            db->query(QStringLiteral("SELECT * FROM Events ORDER BY %1, %2")
                          .arg(SqlName(QStringLiteral("DateTime")), SqlName(QStringLiteral("Event"))));
        QCOMPARE(rows.size(), size_t(2));
        QCOMPARE(rows[0].text(QStringLiteral("Event")), QStringLiteral("Maintenance - Run by User"));
        QCOMPARE(rows[0].text(QStringLiteral("UserID")), QString()); // nobody checked in
        QCOMPARE(rows[0].text(QStringLiteral("BillNumber")), QString());
        QCOMPARE(rows[0].dateTime(QStringLiteral("DateTime")), clock.now());
        QCOMPARE(rows[1].text(QStringLiteral("Event")),
                 QStringLiteral("System - has blocked VIP account Smith"));
        QCOMPARE(rows[1].text(QStringLiteral("UserID")), QStringLiteral("John"));
        QCOMPARE(rows[1].text(QStringLiteral("BillNumber")), QStringLiteral("Smith"));
    }
};

QTEST_GUILESS_MAIN(TestEventLog)
#include "test_eventlog.moc"
