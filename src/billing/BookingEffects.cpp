#include "BookingEffects.h"

#include "BillAmounts.h"
#include "BillStore.h"
#include "BillingMessages.h"
#include "Clock.h"
#include "Database.h"
#include "DatabaseError.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "SqlNames.h"

namespace vantorel {

using namespace billingdetail;

namespace {

__extension__ typedef __int128 Int128;

// a / b rounded half to even.
qint64 divideRounded(Int128 a, Int128 b) {
    if (b < 0) {
        a = -a;
        b = -b;
    }
    Int128 q = a / b;
    const Int128 r = a % b;
    const Int128 twice = 2 * (r < 0 ? -r : r);
    if (twice > b || (twice == b && (q % 2 != 0)))
        q += (a < 0) ? -1 : 1;
    return static_cast<qint64>(q);
}

Money quantityAsMoney(int n) {
    return Money::fromUnits(qint64(n) * Money::Scale);
}

QString discountText(int percent) {
    return QString::number(percent);
}

// The lines of an incentive conflict: who entered how many of the item on the bill.
QString incentiveAuthors(Database& db, const QString& bill, const QString& item, int discountPercent) {
    QString list;
    for (const Row& r :
         db.query(QStringLiteral("SELECT ItemNumber, Waiter FROM DailyIncentive WHERE BillNumber = ? "
                                 "AND %1 = ? AND Discount = ? ORDER BY %2")
                      .arg(SqlName(QStringLiteral("Item")), SqlName(QStringLiteral("DateTime"))),
                  {bill, item, discountText(discountPercent)})) {
        const qint64 n = r.integer(QStringLiteral("ItemNumber"));
        list += (n >= 0 && n < 10 ? QStringLiteral("  ") : QString()) + QString::number(n) +
                QStringLiteral("  ") + r.text(QStringLiteral("Waiter")) + QLatin1Char('\r');
    }
    return list;
}

} // namespace

void SalesToPassword(Database& db, const ProgramState& state, int n, int discountPercent, Money price) {
    if (state.currentUserId.isEmpty() || n == 0)
        return;
    const Money sales = price.times(n).mulDiv(100 - std::min(discountPercent, 100), 100);
    db.exec(QStringLiteral("UPDATE Pswd SET SalesToday = SalesToday + ?, SalesThisMonth = SalesThisMonth + ? "
                           "WHERE %1 = ?")
                .arg(SqlName(QStringLiteral("Password"))),
            {QVariant::fromValue(sales), QVariant::fromValue(sales), state.currentUserId});
}

bool IsIncentiveItem(Database& db, const ProgramState& state, const QString& item) {
    if (!state.settings.incentivesInUse)
        return false;
    const auto row = db.queryOne(QStringLiteral("SELECT Incentive FROM Items WHERE Desc1 = ?"), {item});
    return row && row->money(QStringLiteral("Incentive")) > Money();
}

void IncentiveToPassword(Database& db, const ProgramState& state, const QString& item, int n,
                         int discountPercent) {
    if (state.currentUserId.isEmpty() || n == 0)
        return;
    const auto row = db.queryOne(QStringLiteral("SELECT Incentive FROM Items WHERE Desc1 = ?"), {item});
    if (!row)
        return;
    const Money incentive = MulDivToCents(row->money(QStringLiteral("Incentive")).times(n),
                                          100 - std::min(discountPercent, 100), 100);
    db.exec(QStringLiteral("UPDATE Pswd SET IncentiveToday = IncentiveToday + ?, IncentiveThisMonth = "
                           "IncentiveThisMonth + ? WHERE %1 = ?")
                .arg(SqlName(QStringLiteral("Password"))),
            {QVariant::fromValue(incentive), QVariant::fromValue(incentive), state.currentUserId});
}

int UpdateDailyIncentive(Database& db, const ProgramState& state, const Clock& clock, const QString& bill,
                         const QString& item, int n, int discountPercent) {
    if (state.currentUserId.isEmpty() || n == 0)
        return 0;
    const QString itemColumn = SqlName(QStringLiteral("Item"));
    const QVariantList key{state.currentUserId, bill, item, discountText(discountPercent)};
    const QString where =
        QStringLiteral(" WHERE UserID = ? AND BillNumber = ? AND %1 = ? AND Discount = ?").arg(itemColumn);
    const auto own = db.queryOne(QStringLiteral("SELECT ItemNumber FROM DailyIncentive") + where, key);
    int recorded = n;
    if (n < 0) {
        // Only what this user entered can be taken back from this user.
        const int entered = own ? static_cast<int>(own->integer(QStringLiteral("ItemNumber"))) : 0;
        recorded = -std::min(-n, std::max(entered, 0));
        if (recorded == 0)
            return 0;
    }
    if (own) {
        db.exec(QStringLiteral("UPDATE DailyIncentive SET ItemNumber = ItemNumber + ?") + where,
                QVariantList{recorded} + key);
    } else {
        db.exec(QStringLiteral(
                    "INSERT INTO DailyIncentive (%1, Waiter, UserID, BillNumber, %2, ItemNumber, Discount) "
                    "VALUES (?, ?, ?, ?, ?, ?, ?)")
                    .arg(SqlName(QStringLiteral("DateTime")), itemColumn),
                {clock.now(), UserName(state), state.currentUserId, bill, item, recorded,
                 discountText(discountPercent)});
    }
    db.exec(QStringLiteral("DELETE FROM DailyIncentive WHERE ItemNumber <= 0"));
    IncentiveToPassword(db, state, item, recorded, discountPercent);
    return recorded;
}

int IncentiveMessage(Database& db, const ProgramState& state, Prompter& prompter, const QString& bill,
                     const QString& action, const QString& item, int discountPercent, int n) {
    if (db.scalar(QStringLiteral("SELECT count(*) FROM DailyIncentive")).toLongLong() == 0)
        return -1;
    const auto own = db.queryOne(QStringLiteral("SELECT ItemNumber FROM DailyIncentive WHERE UserID = ? AND "
                                                "BillNumber = ? AND %1 = ? AND Discount = ?")
                                     .arg(SqlName(QStringLiteral("Item"))),
                                 {state.currentUserId, bill, item, discountText(discountPercent)});
    const int k = own ? static_cast<int>(own->integer(QStringLiteral("ItemNumber"))) : 0;
    const QString authors = incentiveAuthors(db, bill, item, discountPercent);
    if (k <= 0) {
        prompter.showMessage(
            QStringLiteral("Under the current incentive plan, all input was made by colleagues.  "
                           "\r\r") +
                authors + QStringLiteral("\nYou cannot") + action + QStringLiteral("this item!"),
            BillingMessage::IncentiveConflictCaption(), Prompter::Icon::Exclamation);
        return 0;
    }
    if (k < n) {
        const QString text =
            QStringLiteral("Under the current incentive plan, you entered only ") + QString::number(k) +
            (k == 1 ? QStringLiteral(" item.  ") : QStringLiteral(" items.  ")) + QStringLiteral("\r\r") +
            authors + QStringLiteral("\rDo you want to") + action + QString::number(k) +
            (k == 1 ? QStringLiteral(" item?") : QStringLiteral(" items?"));
        if (prompter.ask(text, BillingMessage::IncentiveConflictCaption(), Prompter::Buttons::YesNo,
                         Prompter::Icon::Question) != Prompter::Answer::Yes)
            return 0;
        return k;
    }
    if (k == n) {
        if (action == QLatin1String(" delete ") &&
            !AskYesNo(prompter, BillingMessage::IncentiveDeleteQuestion(item)))
            return 0;
        return k;
    }
    return 0;
}

void TransferDailyIncentive(Database& db, const QString& fromBill, const QString& toBill, const QString& item,
                            int discountPercent, int n) {
    const QString itemColumn = SqlName(QStringLiteral("Item"));
    const QString dateColumn = SqlName(QStringLiteral("DateTime"));
    const QString discount = discountText(discountPercent);
    int remaining = n;
    const Rows rows =
        db.query(QStringLiteral("SELECT * FROM DailyIncentive WHERE BillNumber = ? AND %1 = ? AND "
                                "Discount = ? AND ItemNumber > 0 ORDER BY %2")
                     .arg(itemColumn, dateColumn),
                 {fromBill, item, discount});
    for (const Row& r : rows) {
        if (remaining <= 0)
            break;
        const QString user = r.text(QStringLiteral("UserID"));
        const int moved = std::min(remaining, static_cast<int>(r.integer(QStringLiteral("ItemNumber"))));
        remaining -= moved;
        const QString where =
            QStringLiteral(" WHERE UserID = ? AND BillNumber = ? AND %1 = ? AND Discount = ?")
                .arg(itemColumn);
        db.exec(QStringLiteral("UPDATE DailyIncentive SET ItemNumber = ItemNumber - ?") + where,
                {moved, user, fromBill, item, discount});
        if (db.exec(QStringLiteral("UPDATE DailyIncentive SET ItemNumber = ItemNumber + ?") + where,
                    {moved, user, toBill, item, discount}) == 0) {
            db.exec(
                QStringLiteral("INSERT INTO DailyIncentive (%1, Waiter, UserID, BillNumber, %2, ItemNumber, "
                               "Discount) VALUES (?, ?, ?, ?, ?, ?, ?)")
                    .arg(dateColumn, itemColumn),
                {r.dateTime(QStringLiteral("DateTime")), r.text(QStringLiteral("Waiter")), user, toBill, item,
                 moved, discount});
        }
    }
    db.exec(QStringLiteral("DELETE FROM DailyIncentive WHERE ItemNumber <= 0"));
}

void UpdateOrderSlip(Database& db, const ProgramState& state, const QString& table, const QString& item,
                     int n) {
    if (n == 0 || IsMiscellaneous(item))
        return;
    const QString itemColumn = SqlName(QStringLiteral("Item"));
    const QString numberColumn = SqlName(QStringLiteral("Number"));
    const QString user = UserName(state);
    const QString where = QStringLiteral(" WHERE Waiter = ? AND %1 = ? AND TableNum = ?").arg(itemColumn);
    const QVariantList key{user, item, table};
    const auto itemRow = db.queryOne(QStringLiteral("SELECT RptQty FROM Items WHERE Desc1 = ?"), {item});
    const bool kitchen = itemRow && itemRow->integer(QStringLiteral("RptQty")) == 1;
    const QString insert =
        QStringLiteral("INSERT INTO BarSlip (Waiter, TableNum, %1, %2) VALUES (?, ?, ?, ?)")
            .arg(itemColumn, numberColumn);
    if (kitchen) {
        // One row per portion, so that each can carry its own remark.
        int keep = n;
        if (n < 0) {
            const int present =
                db.scalar(QStringLiteral("SELECT count(*) FROM BarSlip") + where, key).toInt();
            db.exec(QStringLiteral("DELETE FROM BarSlip") + where, key);
            keep = std::max(present + n, 0);
        }
        for (int i = 0; i < keep; ++i)
            db.exec(insert, {user, table, item, 1});
        return;
    }
    const qint64 changed = db.exec(QStringLiteral("UPDATE BarSlip SET %1 = %1 + ?").arg(numberColumn) + where,
                                   QVariantList{n} + key);
    if (changed == 0 && n > 0)
        db.exec(insert, {user, table, item, n});
    db.exec(QStringLiteral("DELETE FROM BarSlip") + where + QStringLiteral(" AND %1 < 1").arg(numberColumn),
            key);
}

bool OrderSlipPending(Database& db) {
    return db.scalar(QStringLiteral("SELECT count(*) FROM BarSlip")).toLongLong() > 0;
}

bool IsEntertainmentAccount(const QString& account) {
    return account.compare(QLatin1String("Entertainment"), Qt::CaseInsensitive) == 0;
}

void UpdateVIP(Database& db, const ProgramState& state, const QString& account, int sign, Money cost,
               Money amount) {
    const auto row =
        db.queryOne(QStringLiteral("SELECT DiscPerc FROM StackedBill WHERE Customer = ?"), {account});
    if (!row)
        return;
    const SettingsCopies& s = state.settings;
    const Money discount = PercentOf(amount, Money::fromDouble(row->number(QStringLiteral("DiscPerc"))));
    const Money net = amount - discount;
    const Money tax = PercentOf(net, s.salesTaxRate + s.govTaxRate);
    const Money charge = PercentOf(net, s.serviceChargeRate);
    Money value = ToCents(net + tax + charge);
    Money costValue = ToCents(cost);
    if (sign < 0) {
        value = -value;
        costValue = -costValue;
    }
    db.exec(
        QStringLiteral(
            "UPDATE StackedBill SET Consumption = Consumption + ?, AvailableCredit = AvailableCredit - ?, "
            "Cost = Cost + ? WHERE Customer = ?"),
        {QVariant::fromValue(value), QVariant::fromValue(value), QVariant::fromValue(costValue), account});
}

std::optional<CustomerAccountStatus> LoadCustomerAccountStatus(Database& db, const QString& account) {
    const auto row = db.queryOne(QStringLiteral("SELECT * FROM StackedBill WHERE Customer = ?"), {account});
    if (!row)
        return std::nullopt;
    CustomerAccountStatus s;
    s.name = row->text(QStringLiteral("Customer"));
    s.entertainment = IsEntertainmentAccount(s.name);
    s.blocked = row->boolean(QStringLiteral("Blocked"));
    const Money available = row->money(QStringLiteral("AvailableCredit"));
    s.availableCredit = ToCents(available);
    s.totalCredit = row->money(QStringLiteral("TotalCredit"));
    s.cost = row->money(QStringLiteral("Cost"));
    // Shown red at 15 % of the total credit or less; a total credit of 0 leaves nothing to compare.
    s.creditLow =
        s.totalCredit <= Money() || Int128(available.units()) * 100 <= Int128(s.totalCredit.units()) * 15;
    s.creditExhausted = available <= Money();
    if (s.totalCredit > Money()) {
        s.usedPercent = Money::fromUnits(
                            divideRounded(Int128(s.cost.units()) * 100 * Money::Scale, s.totalCredit.units()))
                            .roundTo(1);
        s.gaugePercent = static_cast<int>(s.usedPercent.roundTo(0).units() / Money::Scale);
    }
    return s;
}

void UpdateMiscellaneous(Database& db, int n, Money price, Money cost) {
    if (n == 0)
        return;
    // The averages are recomputed from the stored values and written only if nobody changed them since
    // they were read; otherwise they are read again.
    for (int attempt = 0; attempt < 10; ++attempt) {
        const auto row =
            db.queryOne(QStringLiteral("SELECT Consumption, SellPrice, Cost FROM Items WHERE Desc1 = ?"),
                        {MiscellaneousItem});
        if (!row)
            return;
        const Money consumption = row->money(QStringLiteral("Consumption"));
        const Money sell = row->money(QStringLiteral("SellPrice"));
        const Money oldCost = row->money(QStringLiteral("Cost"));
        const Money added = quantityAsMoney(n);
        const Money newConsumption = consumption + added;
        Money newSell, newCost, margin, storedConsumption;
        if (newConsumption >= quantityAsMoney(1)) {
            storedConsumption = newConsumption;
            newSell = Money::fromUnits(divideRounded(Int128(sell.units()) * consumption.units() +
                                                         Int128(price.units()) * added.units(),
                                                     newConsumption.units()));
            newCost = ToCents(Money::fromUnits(divideRounded(
                Int128(ToCents(oldCost).units()) * consumption.units() + Int128(cost.units()) * added.units(),
                newConsumption.units())));
            if (!newSell.isZero())
                margin = Money::fromUnits(divideRounded(
                    Int128((newSell - ToCents(newCost)).units()) * 100 * Money::Scale, newSell.units()));
        }
        const qint64 changed = db.exec(QStringLiteral("UPDATE Items SET Consumption = ?, SellPrice = ?, Cost "
                                                      "= ?, MarginPercent = ? WHERE Desc1 = ? "
                                                      "AND Consumption = ? AND SellPrice = ? AND Cost = ?"),
                                       {QVariant::fromValue(storedConsumption), QVariant::fromValue(newSell),
                                        QVariant::fromValue(newCost), QVariant::fromValue(margin),
                                        MiscellaneousItem, QVariant::fromValue(consumption),
                                        QVariant::fromValue(sell), QVariant::fromValue(oldCost)});
        if (changed > 0)
            return;
    }
    throw DatabaseError(
        QStringLiteral("The running averages of the item Miscellaneous could not be updated."));
}

void UpdateConsumption(Database& db, const QString& item, int n) {
    if (n == 0 || IsMiscellaneous(item))
        return;
    db.exec(QStringLiteral("UPDATE Items SET Consumption = Consumption + ? WHERE Desc1 = ?"),
            {QVariant::fromValue(quantityAsMoney(n)), item});
}

} // namespace vantorel
