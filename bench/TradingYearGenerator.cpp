#include "TradingYearGenerator.h"

#include "ConnectionString.h"
#include "Database.h"
#include "FunctionCodes.h"
#include "Money.h"
#include "NewDataFolder.h"
#include "SqlNames.h"
#include "UnitOfWork.h"

#include <QRandomGenerator>
#include <vector>

namespace vantorel::bench {

namespace {

struct Item {
    QString code, name, mainGroup, group;
    Money price, cost;
    int slip;
};

const char* const kGroups[12][2] = {
    {"Food", "Starters"}, {"Food", "Soups"},    {"Food", "Mains"},    {"Food", "Grill"},
    {"Food", "Pasta"},    {"Food", "Desserts"}, {"Drinks", "Beers"},  {"Drinks", "Wines"},
    {"Drinks", "Spirits"}, {"Drinks", "Cocktails"}, {"Drinks", "Soft Drinks"}, {"Drinks", "Coffee"},
};

Money cents(qint64 c) { return Money::fromCents(c); }

} // namespace

TradingYearSummary GenerateTradingYear(const QString& folder, const TradingYearOptions& o) {
    NewDataFolderOptions setup;
    setup.ownerName = QStringLiteral("Owner");
    setup.now = QDateTime(QDate(o.year, 1, 1), QTime(9, 0));
    CreateDataFolder(folder, setup);
    auto db = Database::open(ConnectionString::file(LiveDatabasePath(folder)));
    QRandomGenerator rng(o.seed);
    TradingYearSummary summary;

    std::vector<Item> items;
    std::vector<QString> users = {QStringLiteral("Owner")};
    {
        UnitOfWork work(*db);
        db->exec(QStringLiteral("UPDATE Taxes SET TSalesTax = ?, TServCharge = ?, TTaxOnBill = true, TSCOnBill = true"),
                 {QVariant::fromValue(cents(700)), QVariant::fromValue(cents(1000))});
        for (int g = 0; g < 12; ++g) {
            for (int i = 1; i <= 25; ++i) {
                Item it;
                const QString group = QString::fromLatin1(kGroups[g][1]);
                it.mainGroup = QString::fromLatin1(kGroups[g][0]);
                it.group = group;
                it.name = QStringLiteral("%1 %2").arg(group).arg(i, 2, 10, QLatin1Char('0'));
                it.code = QStringLiteral("%1%2%3").arg(it.mainGroup.left(1), group.left(1)).arg(QChar(QLatin1Char('A' + i / 10))) +
                          QString::number(i % 10);
                it.price = cents(250 + qint64(rng.bounded(3000)));
                it.cost = it.price.mulDiv(30, 100).roundTo(2);
                it.slip = it.mainGroup == QLatin1String("Food") ? 1 : 2;
                items.push_back(it);
                db->exec(QStringLiteral("INSERT INTO Items (%1, Desc1, MainGroup, SCName, SellPrice, Cost, MarginPercent, "
                                        "RptQty, Incentive) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                             .arg(SqlName(QStringLiteral("Item"))),
                         {it.code, it.name, it.mainGroup, it.group, QVariant::fromValue(it.price),
                          QVariant::fromValue(it.cost), QVariant::fromValue(cents(7000)), it.slip,
                          QVariant::fromValue(i % 5 == 0 ? cents(10) : Money())});
            }
        }
        for (int i = 1; i <= 100; ++i) {
            const QString name = QStringLiteral("Ingredient %1").arg(i, 3, 10, QLatin1Char('0'));
            db->exec(QStringLiteral("INSERT INTO Ingredients (%1, MainGroup, UOP, %2, UOM, %3, UnitCost, Cost, "
                                    "LastPriceChange, InvCtrl, InventoryUOM) VALUES (?, ?, 'Box', ?, 'Unit', 20, ?, ?, ?, ?, ?)")
                         .arg(SqlName(QStringLiteral("Item")), SqlName(QStringLiteral("Price/UOP")),
                              SqlName(QStringLiteral("Convert"))),
                     {name, QStringLiteral("Stock"), QVariant::fromValue(cents(2000)), 1.0,
                      QVariant::fromValue(cents(100)), QDateTime(QDate(o.year, 1, 2), QTime(10, 0)), i % 3 == 0,
                      QVariant::fromValue(cents(50000))});
        }
        for (size_t i = 0; i < items.size(); i += 2) {
            for (int k = 0; k < 2; ++k) {
                db->exec(QStringLiteral("INSERT INTO Association (MenuItem, IngredientItem, UnitNo, AssCost) VALUES (?, ?, ?, ?)"),
                         {items[i].name, QStringLiteral("Ingredient %1").arg(int((i + size_t(k) * 37) % 100) + 1, 3, 10, QLatin1Char('0')),
                          1.0, QVariant::fromValue(cents(100))});
            }
        }
        for (int u = 1; u <= 9; ++u) {
            const QString name = QStringLiteral("Waiter%1").arg(u);
            users.push_back(name);
            db->exec(QStringLiteral("INSERT INTO Pswd (UserName, %1) VALUES (?, ?)").arg(SqlName(QStringLiteral("Password"))),
                     {name, QString::number(2000 + u)});
            const QString number = QString::number(db->lastInsertId());
            for (const char* code : {"TF02", "TF34", "TR15"})
                db->exec(QStringLiteral("INSERT INTO FunctionAccess (UserID, %1, %2) VALUES (?, ?, ?)")
                             .arg(SqlName(QStringLiteral("Function")), SqlName(QStringLiteral("Code"))),
                         {number, QString::fromLatin1(code), QString::fromLatin1(code)});
        }
        for (int c = 1; c <= 20; ++c)
            db->exec(QStringLiteral("INSERT INTO StackedBill (Customer, MaxCredit, AvailableCredit, DiscPerc, BillOpenedBy) "
                                    "VALUES (?, ?, ?, ?, 'Owner')"),
                     {QStringLiteral("Account%1").arg(c), QVariant::fromValue(cents(100000)),
                      QVariant::fromValue(cents(100000)), c % 4 == 0 ? 10.0 : 0.0});
        work.commit();
    }

    const QString insertBill = QStringLiteral(
        "INSERT INTO BillA (BillABillA, %1, Waiter, StackerBill, VIP, InDate, BillDate, PayMode, Sec5, FirstPrint, "
        "Sec4_Bill_Max, BillDisc, ItemDiscB, ItemsPaymentB, SalesTaxPerc, SalesTax, ServChargePerc, ServCharge, "
        "TaxOnBill, ServChargeOnBill, NetPayment, PayAmount, %2, CreditCard, CreditNoDummy, BillSettledBy, %3) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                                   .arg(SqlName(QStringLiteral("Table")), SqlName(QStringLiteral("Change")),
                                        SqlName(QStringLiteral("Void")));
    const QString insertLine = QStringLiteral(
        "INSERT INTO BillB (BillBBillA, BillNoItem, Item, Quantity, SalesPrice, SumItem, ItemDiscPerc, ItemsPayment, "
        "ItemCost, OrderDate) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const QString insertEvent = QStringLiteral("INSERT INTO Events (%1, %2, UserID, BillNumber) VALUES (?, ?, ?, ?)")
                                    .arg(SqlName(QStringLiteral("DateTime")), SqlName(QStringLiteral("Event")));

    qint64 sequence = 0;
    const QString yy = QString::number(o.year % 100).rightJustified(2, QLatin1Char('0'));
    const QDate first(o.year, 1, 1);
    const QDate last(o.year, 12, 31);
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        UnitOfWork work(*db);
        const bool lastDay = day == last;
        const int jitter = o.billsPerDay / 7;
        const int bills = std::max(1, o.billsPerDay + int(rng.bounded(2 * jitter + 1)) - jitter) +
                          (lastDay ? o.openBillsAtEnd : 0);
        for (int b = 0; b < bills; ++b) {
            const bool open = lastDay && b >= bills - o.openBillsAtEnd;
            const QString number = yy + QString::number(++sequence).rightJustified(6, QLatin1Char('0'));
            // Opening hours 11:00 to 02:00, busiest in the evening.
            const int minute = int(rng.bounded(60 * 15));
            const QDateTime opened = QDateTime(day, QTime(11, 0)).addSecs(qint64(minute) * 60 + rng.bounded(60));
            const QString waiter = users[rng.bounded(int(users.size()))];
            const bool vip = rng.bounded(50) == 0;
            const int lines = 1 + int(rng.bounded(2 * o.linesPerBill - 1));
            Money sum, discounts;
            for (int l = 1; l <= lines; ++l) {
                const Item& it = items[rng.bounded(int(items.size()))];
                const int qty = 1 + int(rng.bounded(100) < 80 ? 0 : rng.bounded(3));
                const int roll = int(rng.bounded(100));
                const double disc = roll < 3 ? 100.0 : roll < 10 ? 10.0 : 0.0;
                const Money line = it.price.times(qty);
                const Money paid = line.mulDiv(qint64((100 - disc) * 100), 10000).roundTo(2);
                sum += paid;
                discounts += line - paid;
                db->exec(insertLine, {number, QString::number(l).rightJustified(2, QLatin1Char('0')), it.name, qty,
                                      QVariant::fromValue(it.price), QVariant::fromValue(line), disc,
                                      QVariant::fromValue(paid), QVariant::fromValue(it.cost),
                                      opened.addSecs(qint64(l) * 40)});
                ++summary.lines;
            }
            const Money tax = sum.percentOf(cents(700)).roundTo(2);
            const Money charge = sum.percentOf(cents(1000)).roundTo(2);
            const Money net = sum + tax + charge;
            const bool card = rng.bounded(100) < 55;
            const bool isVoid = !open && rng.bounded(400) == 0;
            const Money tendered = card ? net : Money::fromUnits(((net.units() / 50000) + 1) * 50000);
            db->exec(insertBill,
                     {number, QString::number(1 + rng.bounded(40)).rightJustified(2, QLatin1Char('0')), vip ? QStringLiteral("VIP") : waiter,
                      vip ? QStringLiteral("Account%1").arg(1 + rng.bounded(20)) : QString(), vip, opened,
                      open ? QVariant() : QVariant(opened.addSecs(3600)), open ? QStringLiteral("Pend") : card ? QStringLiteral("Card") : QStringLiteral("Cash"),
                      QString::number(1 + rng.bounded(6)), !open, QVariant::fromValue(sum + discounts), QVariant::fromValue(Money()),
                      QVariant::fromValue(discounts), QVariant::fromValue(sum), QVariant::fromValue(cents(700)),
                      QVariant::fromValue(tax), QVariant::fromValue(cents(1000)), QVariant::fromValue(charge), true, true,
                      QVariant::fromValue(net), QVariant::fromValue(open ? Money() : tendered),
                      QVariant::fromValue(open ? Money() : tendered - net), card ? QStringLiteral("Visa") : QString(),
                      card ? QStringLiteral("xxxx xxxx xxxx %1").arg(1000 + rng.bounded(9000)) : QString(),
                      open ? QString() : waiter, isVoid});
            if (isVoid) {
                db->exec(QStringLiteral("INSERT INTO VoidBill (VoidBillA, VoidDate, VoidReason, VoidUser) VALUES (?, ?, ?, 'Owner')"),
                         {number, opened.addSecs(7200), QStringLiteral("Guest complained, bill cancelled by the manager")});
            }
            db->exec(insertEvent, {opened, QStringLiteral("Billing - Bill opened"), waiter, number});
            summary.events += 1;
            if (!open && rng.bounded(10) == 0) {
                db->exec(insertEvent, {opened.addSecs(1800), QStringLiteral("Billing - Service Charge cancelled"), waiter, number});
                summary.events += 1;
            }
            ++summary.bills;
        }
        db->exec(QStringLiteral("UPDATE Utility SET BillA = ?"), {yy + QString::number(sequence).rightJustified(6, QLatin1Char('0'))});
        work.commit();
    }
    return summary;
}

} // namespace vantorel::bench
