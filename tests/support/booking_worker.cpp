#include "BillLines.h"
#include "Bills.h"
#include "Clock.h"
#include "ConnectionString.h"
#include "Database.h"
#include "ProgramState.h"
#include "ScriptedPrompter.h"
#include "Settings.h"

#include <QCoreApplication>
#include <iostream>

// One workstation of the concurrency test: opens a bill at its own table and books items on it, each booking
// its own action. Usage: booking_worker DATAFOLDER USERNAME USERID TABLE COUNT. Prints the bill number.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 6)
        return 2;
    using namespace vantorel;
    ProgramState state;
    state.dataFolder = args[1];
    state.currentUserName = args[2];
    state.currentUserId = args[3];
    auto db = Database::open(BuildConnectionString(state));
    LoadSettingsCopies(*db, state.settings);
    test::ScriptedPrompter prompter;
    const Clock& clock = SystemClock::instance();
    const BillOpenResult bill = CreateQuickBill(*db, state, prompter, clock, args[4], QStringLiteral("2"));
    if (bill.outcome != BillingOutcome::Done) {
        std::cerr << "cannot open a bill: " << prompter.lastMessage().toStdString() << std::endl;
        return 1;
    }
    QList<std::pair<QString, Money>> items;
    for (const Row& r : db->query(QStringLiteral("SELECT Desc1, SellPrice FROM Items WHERE Deleted = false AND "
                                                 "MarketPrice = false ORDER BY Desc1")))
        items.append({r.text(QStringLiteral("Desc1")), r.money(QStringLiteral("SellPrice"))});
    const int count = args[5].toInt();
    for (int i = 0; i < count; ++i) {
        BookItemRequest request;
        request.billNumber = bill.billNumber;
        request.item = items[i % items.size()].first;
        request.price = items[i % items.size()].second;
        request.quantity = QStringLiteral("1");
        const LineResult booked = BookItem(*db, state, prompter, clock, request);
        if (booked.outcome != BillingOutcome::Done) {
            std::cerr << "booking " << i << " refused: " << prompter.lastMessage().toStdString() << std::endl;
            return 1;
        }
    }
    std::cout << bill.billNumber.toStdString() << std::endl;
    return 0;
}
