#include "BillLines.h"

#include "BillAmounts.h"
#include "BillStore.h"
#include "BillingEventTexts.h"
#include "BillingMessages.h"
#include "BookingEffects.h"
#include "BusinessDay.h"
#include "Clock.h"
#include "Database.h"
#include "EventLog.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "Quantities.h"
#include "SqlNames.h"
#include "TableLabels.h"
#include "UnitOfWork.h"

#include <map>

namespace vantorel {

using namespace billingdetail;

namespace {

// Why an action stopped before or inside its unit of work; reported after the unit of work has ended,
// so that no dialog is open while the database is locked for writing.
struct Stop {
    BillingOutcome outcome = BillingOutcome::Done;
    std::optional<BillingMessage::Text> message;

    static Stop closed() { return {BillingOutcome::BillClosed, std::nullopt}; }
    static Stop changed() { return {BillingOutcome::BillChanged, std::nullopt}; }
    static Stop refused(const BillingMessage::Text& m) { return {BillingOutcome::Refused, m}; }
    bool stopped() const { return outcome != BillingOutcome::Done; }
};

BillingOutcome report(Prompter& prompter, const Stop& stop) {
    switch (stop.outcome) {
    case BillingOutcome::BillClosed:
        return ReportClosed(prompter);
    case BillingOutcome::BillChanged:
        return ReportChanged(prompter);
    case BillingOutcome::Refused:
        if (stop.message)
            return Refuse(prompter, *stop.message);
        return BillingOutcome::Refused;
    default:
        return stop.outcome;
    }
}

struct ItemInfo {
    QString name; // Desc1 as stored
    Money sellPrice;
    Money cost;
    Money incentive;
    bool marketPrice = false;
};

std::optional<ItemInfo> readItem(Database& db, const QString& item) {
    const auto row = db.queryOne(QStringLiteral("SELECT * FROM Items WHERE Desc1 = ?"), {item});
    if (!row)
        return std::nullopt;
    ItemInfo info;
    info.name = row->text(QStringLiteral("Desc1"));
    info.sellPrice = row->money(QStringLiteral("SellPrice"));
    info.cost = row->money(QStringLiteral("Cost"));
    info.incentive = row->money(QStringLiteral("Incentive"));
    info.marketPrice = row->boolean(QStringLiteral("MarketPrice"));
    return info;
}

bool hasMiscellaneousLine(Database& db, const QString& bill) {
    return db.scalar(QStringLiteral("SELECT count(*) FROM BillB WHERE BillBBillA = ? AND %1 = ?")
                         .arg(SqlName(QStringLiteral("Item"))),
                     {bill, MiscellaneousItem})
               .toLongLong() > 0;
}

// Checks that let items be booked on the bill at all.
std::optional<BillingMessage::Text> bookingProblem(Database& db, const BillHeader& bill, int discountPercent,
                                                   bool miscellaneous) {
    if (bill.isCustomerBill()) {
        if (discountPercent != 0)
            return BillingMessage::CustomerAccountNoDiscount();
        const auto account = LoadCustomerAccountStatus(db, bill.account);
        if (account && account->blocked)
            return BillingMessage::BlockedAccount();
    }
    if (miscellaneous && hasMiscellaneousLine(db, bill.number))
        return BillingMessage::SecondMiscellaneous();
    return std::nullopt;
}

void setRemark(Database& db, const QString& bill, const QString& remark) {
    db.exec(QStringLiteral("UPDATE BillA SET BillRemark = ? WHERE BillABillA = ?"), {remark, bill});
}

// The remark without its first program note "((...))" (and the blank after it).
QString withoutFirstNote(const QString& remark) {
    const qsizetype open = remark.indexOf(QStringLiteral("(("));
    const qsizetype close = open < 0 ? -1 : remark.indexOf(QStringLiteral("))"), open + 2);
    if (close < 0)
        return remark;
    qsizetype end = close + 2;
    if (end < remark.size() && remark[end] == QLatin1Char(' '))
        ++end;
    return remark.left(open) + remark.mid(end);
}

QString noted(const QString& note, const QString& remark) {
    return QStringLiteral("((") + note + QStringLiteral(")) ") + remark;
}

void raiseBillMax(Database& db, const QString& bill, Money amount) {
    if (amount <= Money())
        return;
    db.exec(QStringLiteral("UPDATE BillA SET Sec4_Bill_Max = Sec4_Bill_Max + ? WHERE BillABillA = ?"),
            {QVariant::fromValue(amount), bill});
}

bool sameLineKind(const BillLine& l, const QString& item, int discountPercent, Money price) {
    return l.item.compare(item, Qt::CaseInsensitive) == 0 && l.discountPercent == discountPercent &&
           l.price == price;
}

// Adds units to the first line of the business day with the same item, discount and price, or appends one.
// Returns the line's number as written (RenumberLines may change it).
QString addUnits(Database& db, const QString& bill, const QDateTime& dayStart, const QDateTime& now,
                 const QString& item, int n, int discountPercent, Money price, Money itemCost) {
    const Money amount = LineAmount(price, n, discountPercent);
    for (const BillLine& l : ReadLines(db, bill, dayStart)) {
        if (!sameLineKind(l, item, discountPercent, price))
            continue;
        db.exec(
            QStringLiteral("UPDATE BillB SET Quantity = Quantity + ?, SumItem = SumItem + ?, ItemsPayment = "
                           "ItemsPayment + ?, OrderDate = ? WHERE BillBBillA = ? AND BillNoItem = ?"),
            {n, QVariant::fromValue(price.times(n)), QVariant::fromValue(amount), now, bill, l.lineNumber});
        return l.lineNumber;
    }
    BillLine line;
    line.billNumber = bill;
    line.lineNumber = SpareLineNumber(db, bill);
    line.item = item;
    line.quantity = n;
    line.price = price;
    line.sumItem = price.times(n);
    line.discountPercent = discountPercent;
    line.amount = amount;
    line.itemCost = itemCost;
    line.orderDate = now;
    InsertLine(db, line);
    return line.lineNumber;
}

// The number, after renumbering, of the line of that kind booked at `now` (or the last of its kind).
QString lineNumberOf(Database& db, const QString& bill, const QString& item, int discountPercent, Money price,
                     const QDateTime& now) {
    QString found;
    for (const BillLine& l : ReadLines(db, bill)) {
        if (sameLineKind(l, item, discountPercent, price) && (found.isEmpty() || l.orderDate == now))
            found = l.lineNumber;
    }
    return found;
}

int unitsOfKind(const std::vector<BillLine>& lines, const QString& item, int discountPercent, Money price) {
    int units = 0;
    for (const BillLine& l : lines) {
        if (sameLineKind(l, item, discountPercent, price))
            units += l.quantity;
    }
    return units;
}

// Takes exactly n units of a kind from the source bill's lines of the day and gives them to the target
// at the same price and discount. The caller has checked that the source holds them.
void moveUnits(Database& db, const QString& fromBill, const QString& toBill, const QDateTime& dayStart,
               const QDateTime& now, const QString& item, int discountPercent, Money price, int n) {
    int remaining = n;
    QString itemName = item;
    Money itemCost;
    bool first = true;
    for (const BillLine& l : ReadLines(db, fromBill, dayStart)) {
        if (remaining == 0)
            break;
        if (!sameLineKind(l, item, discountPercent, price))
            continue;
        if (first) {
            itemName = l.item;
            itemCost = l.itemCost;
            first = false;
        }
        const int taken = std::min(remaining, l.quantity);
        remaining -= taken;
        if (taken == l.quantity)
            DeleteLine(db, fromBill, l.lineNumber);
        else
            SetLineQuantity(db, l, l.quantity - taken);
    }
    for (const BillLine& l : ReadLines(db, toBill, dayStart)) {
        if (sameLineKind(l, itemName, discountPercent, price)) {
            SetLineQuantity(db, l, l.quantity + n);
            return;
        }
    }
    BillLine line;
    line.billNumber = toBill;
    line.lineNumber = SpareLineNumber(db, toBill);
    line.item = itemName;
    line.quantity = n;
    line.price = price;
    line.sumItem = price.times(n);
    line.discountPercent = discountPercent;
    line.amount = LineAmount(price, n, discountPercent);
    line.itemCost = itemCost;
    line.orderDate = now;
    InsertLine(db, line);
}

QString editText(int quantity, int discountPercent) {
    return QStringLiteral("%1 (%2%)").arg(quantity).arg(discountPercent);
}

QString miscellaneousValues(Money price, Money cost, int quantity, int discountPercent) {
    QString text = QStringLiteral("P") + AmountText(price) + QStringLiteral("/C") + AmountText(cost) +
                   QStringLiteral("/Q") + QString::number(quantity);
    if (discountPercent != 0)
        text += QStringLiteral("/D") + QString::number(discountPercent);
    return text;
}

void finishLineResult(Database& db, LineResult& result, const QString& bill, const QString& account) {
    result.orderSlipPending = OrderSlipPending(db);
    result.linesLeft = CountLines(db, bill);
    if (!account.isEmpty())
        result.account = LoadCustomerAccountStatus(db, account);
}

// Checks shared by both transfers, before and inside the unit of work.
Stop transferProblem(const std::optional<BillHeader>& from, const std::optional<BillHeader>& to) {
    if (!from || !to)
        return Stop::closed();
    if (to->isCustomerBill())
        return Stop::refused(BillingMessage::TransferToCustomerAccount());
    if (from->isCustomerBill())
        return Stop::refused(BillingMessage::TransferFromCustomerAccount());
    return {};
}

} // namespace

bool IsTodaysLine(const BillLine& line, const Clock& clock) {
    return line.orderDate >= BusinessDayStartAt(clock.now());
}

LineResult BookItem(Database& db, const ProgramState& state, Prompter& prompter, const Clock& clock,
                    const BookItemRequest& request) {
    LineResult result;
    const auto n = ReadQuantity(prompter, request.quantity);
    if (!n)
        return result;
    const int discount = request.freeOfCharge ? 100 : request.discountPercent;
    if (discount < 0 || discount > 100 || request.price < Money() || request.miscellaneousCost < Money()) {
        result.outcome = Refuse(prompter, BillingMessage::InvalidInput());
        return result;
    }
    const bool miscellaneous = IsMiscellaneous(request.item);
    const Money lineAmount = LineAmount(request.price, *n, discount);

    const auto before = ReadOpenBill(db, request.billNumber);
    if (!before) {
        result.outcome = ReportClosed(prompter);
        return result;
    }
    if (!readItem(db, request.item)) {
        result.outcome = Refuse(prompter, BillingMessage::UnknownItem(request.item));
        return result;
    }
    if (const auto problem = bookingProblem(db, *before, discount, miscellaneous)) {
        result.outcome = Refuse(prompter, *problem);
        return result;
    }
    const bool entertainment = before->isCustomerBill() && IsEntertainmentAccount(before->account);
    if (entertainment) {
        const auto account = LoadCustomerAccountStatus(db, before->account);
        if (account && account->totalCredit < account->cost + lineAmount &&
            !AskYesNo(prompter, BillingMessage::EntertainmentLimit())) {
            result.outcome = BillingOutcome::Cancelled;
            return result;
        }
    }

    Stop stop;
    {
        UnitOfWork work(db);
        const QDateTime now = clock.now();
        const auto bill = ReadOpenBill(db, request.billNumber);
        const auto item = readItem(db, request.item);
        if (!bill) {
            stop = Stop::closed();
        } else if (!item) {
            stop = Stop::refused(BillingMessage::UnknownItem(request.item));
        } else if (const auto problem = bookingProblem(db, *bill, discount, miscellaneous)) {
            stop = Stop::refused(*problem);
        } else {
            const QString& number = bill->number;
            if (request.priceTyped && item->marketPrice && !entertainment && !miscellaneous &&
                request.price != item->sellPrice) {
                QString event = EventText::MarketPriceChanged(item->name, AmountText(item->sellPrice),
                                                              AmountText(request.price));
                if (item->incentive > Money() && item->sellPrice > Money()) {
                    const Money incentive =
                        MulDivToCents(request.price, item->incentive.units(), item->sellPrice.units());
                    db.exec(QStringLiteral("UPDATE Items SET SellPrice = ?, Incentive = ? WHERE Desc1 = ?"),
                            {QVariant::fromValue(request.price), QVariant::fromValue(incentive), item->name});
                    event = EventText::MarketPriceChanged(item->name, AmountText(item->sellPrice),
                                                          AmountText(request.price), AmountText(incentive));
                } else {
                    db.exec(QStringLiteral("UPDATE Items SET SellPrice = ? WHERE Desc1 = ?"),
                            {QVariant::fromValue(request.price), item->name});
                }
                RecordEvent(db, state, clock, event, number);
            }
            const Money unitCost = miscellaneous ? request.miscellaneousCost : item->cost;
            if (miscellaneous) {
                UpdateMiscellaneous(db, *n, request.price, unitCost);
                setRemark(db, number, noted(request.miscellaneousComment, bill->remark));
                RecordEvent(db, state, clock, EventText::MiscellaneousBooked(request.miscellaneousComment),
                            number);
            }
            SalesToPassword(db, state, *n, discount, request.price);
            if (IsIncentiveItem(db, state, item->name))
                UpdateDailyIncentive(db, state, clock, number, item->name, *n, discount);
            UpdateOrderSlip(db, state, bill->table, item->name, *n);
            if (bill->isCustomerBill())
                UpdateVIP(db, state, bill->account, +1, unitCost.times(*n), lineAmount);
            UpdateConsumption(db, item->name, *n);
            addUnits(db, number, BusinessDayStartAt(now), now, item->name, *n, discount, request.price,
                     unitCost);
            RenumberLines(db, number);
            db.exec(QStringLiteral("UPDATE BillA SET FirstPrint = ?, Sec4_Bill_Max = Sec4_Bill_Max + ? WHERE "
                                   "BillABillA = ?"),
                    {false, QVariant::fromValue(lineAmount), number});
            result.lineNumber = lineNumberOf(db, number, item->name, discount, request.price, now);
            finishLineResult(db, result, request.billNumber,
                             bill->isCustomerBill() ? bill->account : QString());
            work.commit();
        }
    }
    if (stop.stopped()) {
        result.lineNumber.clear();
        result.outcome = report(prompter, stop);
        return result;
    }
    result.outcome = BillingOutcome::Done;
    result.lineAmount = lineAmount;
    result.quantity = *n;
    return result;
}

LineResult DeleteItemFromBill(Database& db, const ProgramState& state, Prompter& prompter, const Clock& clock,
                              const DeleteRequest& request) {
    LineResult result;
    const BillLineRef& ref = request.line;
    if (!IsValidQuantity(request.quantity) || request.quantity > ref.quantity) {
        result.outcome = Refuse(prompter, BillingMessage::InvalidInput());
        return result;
    }
    const auto before = ReadOpenBill(db, ref.billNumber);
    if (!before) {
        result.outcome = ReportClosed(prompter);
        return result;
    }
    if (!FindShownLine(ReadLines(db, ref.billNumber), ref)) {
        result.outcome = ReportChanged(prompter);
        return result;
    }
    int n = request.quantity;
    const bool incentiveItem = IsIncentiveItem(db, state, ref.item);
    const int allowed = incentiveItem
                            ? IncentiveMessage(db, state, prompter, ref.billNumber,
                                               QStringLiteral(" delete "), ref.item, ref.discountPercent, n)
                            : -1;
    if (allowed == 0) {
        result.outcome = BillingOutcome::Cancelled;
        return result;
    }
    if (allowed > 0) {
        n = allowed;
    } else if (!request.confirmed && !AskYesNo(prompter, BillingMessage::DeleteQuestion(n, ref.item))) {
        result.outcome = BillingOutcome::Cancelled;
        return result;
    }
    const Money amount = LineAmount(ref.price, n, ref.discountPercent);
    if (state.settings.billAuthorizationOn && before->authorizationLock && !request.approvedForAllItems) {
        result.approval = prompter.requestApproval(
            ref.billNumber, BillingMessage::DeleteApprovalAction(n, ref.item, AmountText(amount)));
        if (result.approval == Prompter::Approval::Refused) {
            result.outcome = BillingOutcome::Cancelled;
            return result;
        }
    }

    Stop stop;
    {
        UnitOfWork work(db);
        const auto bill = ReadOpenBill(db, ref.billNumber);
        const auto line = bill ? FindShownLine(ReadLines(db, ref.billNumber), ref) : std::nullopt;
        if (!bill) {
            stop = Stop::closed();
        } else if (!line) {
            stop = Stop::changed();
        } else {
            SalesToPassword(db, state, -n, line->discountPercent, line->price);
            UpdateOrderSlip(db, state, bill->table, line->item, -n);
            if (incentiveItem)
                UpdateDailyIncentive(db, state, clock, bill->number, line->item, -n, line->discountPercent);
            if (IsMiscellaneous(line->item)) {
                UpdateMiscellaneous(db, -n, line->price, line->itemCost);
                setRemark(db, bill->number, withoutFirstNote(bill->remark));
            } else {
                UpdateConsumption(db, line->item, -n);
            }
            if (n == line->quantity)
                DeleteLine(db, bill->number, line->lineNumber);
            else
                SetLineQuantity(db, *line, line->quantity - n);
            if (bill->isCustomerBill())
                UpdateVIP(db, state, bill->account, -1, line->itemCost.times(n), amount);
            RecordEvent(db, state, clock,
                        EventText::ItemDeleted(line->item, AmountText(line->price), QString::number(n),
                                               AmountText(line->price.times(n))),
                        bill->number);
            RenumberLines(db, bill->number);
            SetChanged(db, bill->number);
            finishLineResult(db, result, ref.billNumber, bill->isCustomerBill() ? bill->account : QString());
            work.commit();
        }
    }
    if (stop.stopped()) {
        result.outcome = report(prompter, stop);
        return result;
    }
    result.outcome = BillingOutcome::Done;
    result.quantity = n;
    result.lineAmount = amount;
    return result;
}

LineResult EditBill(Database& db, const ProgramState& state, Prompter& prompter, const Clock& clock,
                    const EditRequest& request) {
    LineResult result;
    const BillLineRef& ref = request.line;
    const auto newQuantity = ReadQuantity(prompter, request.quantity);
    if (!newQuantity)
        return result;
    const int newDiscount = request.freeOfCharge ? 100 : request.discountPercent;
    if (newDiscount < 0 || newDiscount > 100) {
        result.outcome = Refuse(prompter, BillingMessage::InvalidInput());
        return result;
    }
    const auto before = ReadOpenBill(db, ref.billNumber);
    if (!before) {
        result.outcome = ReportClosed(prompter);
        return result;
    }
    const auto shown = FindShownLine(ReadLines(db, ref.billNumber), ref);
    if (!shown) {
        result.outcome = ReportChanged(prompter);
        return result;
    }
    if (before->isCustomerBill() && newDiscount != 0) {
        result.outcome = Refuse(prompter, BillingMessage::CustomerAccountNoDiscount());
        return result;
    }
    result.lineNumber = ref.lineNumber;
    result.quantity = *newQuantity;
    if (*newQuantity == shown->quantity && newDiscount == shown->discountPercent) {
        result.outcome = BillingOutcome::Done;
        result.lineAmount = shown->amount;
        finishLineResult(db, result, ref.billNumber, before->isCustomerBill() ? before->account : QString());
        return result;
    }
    const Money newAmount = LineAmount(shown->price, *newQuantity, newDiscount);
    if (state.settings.billAuthorizationOn && before->authorizationLock && newAmount < shown->amount &&
        !request.approvedForAllItems) {
        result.approval = prompter.requestApproval(
            ref.billNumber,
            BillingMessage::ChangeApprovalAction(shown->quantity, shown->item, AmountText(newAmount)));
        if (result.approval == Prompter::Approval::Refused) {
            result.outcome = BillingOutcome::Cancelled;
            return result;
        }
    }

    Stop stop;
    {
        UnitOfWork work(db);
        const QDateTime now = clock.now();
        const auto bill = ReadOpenBill(db, ref.billNumber);
        const auto line = bill ? FindShownLine(ReadLines(db, ref.billNumber), ref) : std::nullopt;
        if (!bill) {
            stop = Stop::closed();
        } else if (!line) {
            stop = Stop::changed();
        } else {
            const int q = line->quantity;
            const int d = line->discountPercent;
            const int q2 = *newQuantity;
            const QString& number = bill->number;
            SalesToPassword(db, state, -q, d, line->price);
            SalesToPassword(db, state, q2, newDiscount, line->price);
            UpdateOrderSlip(db, state, bill->table, line->item, q2 - q);
            if (IsIncentiveItem(db, state, line->item)) {
                if (d == newDiscount) {
                    UpdateDailyIncentive(db, state, clock, number, line->item, q2 - q, d);
                } else {
                    UpdateDailyIncentive(db, state, clock, number, line->item, -q, d);
                    UpdateDailyIncentive(db, state, clock, number, line->item, q2, newDiscount);
                }
            }
            if (IsMiscellaneous(line->item)) {
                UpdateMiscellaneous(db, -q, line->price, line->itemCost);
                UpdateMiscellaneous(db, q2, line->price, line->itemCost);
                const QString values = miscellaneousValues(line->price, line->itemCost, q2, newDiscount);
                RecordEvent(db, state, clock, EventText::MiscellaneousChanged(values), number);
                setRemark(db, number, noted(values, withoutFirstNote(bill->remark)));
            } else {
                UpdateConsumption(db, line->item, q2 - q);
            }
            if (bill->isCustomerBill())
                UpdateVIP(db, state, bill->account, +1, line->itemCost.times(q2 - q),
                          newAmount - line->amount);
            if (d == newDiscount) {
                SetLineQuantity(db, *line, q2);
            } else {
                DeleteLine(db, number, line->lineNumber);
                addUnits(db, number, BusinessDayStartAt(now), now, line->item, q2, newDiscount, line->price,
                         line->itemCost);
            }
            raiseBillMax(db, number, newAmount - line->amount);
            RecordEvent(db, state, clock,
                        EventText::ItemsEdited(line->item, editText(q, d), editText(q2, newDiscount)),
                        number);
            RenumberLines(db, number);
            SetChanged(db, number);
            result.lineNumber = lineNumberOf(db, number, line->item, newDiscount, line->price, now);
            finishLineResult(db, result, ref.billNumber, bill->isCustomerBill() ? bill->account : QString());
            work.commit();
        }
    }
    if (stop.stopped()) {
        result.lineNumber.clear();
        result.outcome = report(prompter, stop);
        return result;
    }
    result.outcome = BillingOutcome::Done;
    result.lineAmount = newAmount;
    return result;
}

LineResult HandleBillB(Database& db, const ProgramState& state, Prompter& prompter, const Clock& clock,
                       const TransferRequest& request) {
    LineResult result;
    const int n = request.quantity;
    if (!IsValidQuantity(n) || request.discountPercent < 0 || request.discountPercent > 100) {
        result.outcome = Refuse(prompter, BillingMessage::InvalidInput());
        return result;
    }
    if (request.fromBill.compare(request.toBill, Qt::CaseInsensitive) == 0) {
        result.outcome = Refuse(prompter, BillingMessage::TransferSameTable());
        return result;
    }
    const QDateTime dayStart = BusinessDayStartAt(clock.now());
    const auto from = ReadOpenBill(db, request.fromBill);
    const auto to = ReadOpenBill(db, request.toBill);
    if (const Stop problem = transferProblem(from, to); problem.stopped()) {
        result.outcome = report(prompter, problem);
        return result;
    }
    const int available = unitsOfKind(ReadLines(db, request.fromBill, dayStart), request.item,
                                      request.discountPercent, request.price);
    if (available == 0) {
        result.outcome = ReportChanged(prompter);
        return result;
    }
    if (n > available) {
        result.outcome = Refuse(prompter, BillingMessage::TransferLimit(available));
        return result;
    }
    const QString fromTable = TableDisplayLabel(from->table);
    const QString toTable = TableDisplayLabel(to->table);
    if (!request.confirmed &&
        !AskYesNo(prompter, BillingMessage::TransferQuestion(n, request.item, fromTable, toTable))) {
        result.outcome = BillingOutcome::Cancelled;
        return result;
    }
    if (state.settings.billAuthorizationOn && from->authorizationLock && !request.approvedForAllItems) {
        result.approval = prompter.requestApproval(
            from->number, BillingMessage::TransferApprovalAction(n, request.item, toTable));
        if (result.approval == Prompter::Approval::Refused) {
            result.outcome = BillingOutcome::Cancelled;
            return result;
        }
    }

    Stop stop;
    {
        UnitOfWork work(db);
        const QDateTime now = clock.now();
        const QDateTime start = BusinessDayStartAt(now);
        const auto source = ReadOpenBill(db, request.fromBill);
        const auto target = ReadOpenBill(db, request.toBill);
        stop = transferProblem(source, target);
        if (!stop.stopped()) {
            const int units = unitsOfKind(ReadLines(db, request.fromBill, start), request.item,
                                          request.discountPercent, request.price);
            if (units < n) {
                stop = Stop::changed();
            } else {
                moveUnits(db, request.fromBill, request.toBill, start, now, request.item,
                          request.discountPercent, request.price, n);
                TransferDailyIncentive(db, request.fromBill, request.toBill, request.item,
                                       request.discountPercent, n);
                raiseBillMax(db, request.toBill, LineAmount(request.price, n, request.discountPercent));
                for (const QString& bill : {request.fromBill, request.toBill}) {
                    RenumberLines(db, bill);
                    SetChanged(db, bill);
                }
                RecordEvent(db, state, clock,
                            EventText::ItemTransferred(n, request.item, request.fromBill, request.toBill,
                                                       AmountText(request.price.times(n))),
                            request.fromBill);
                result.lineNumber = lineNumberOf(db, request.toBill, request.item, request.discountPercent,
                                                 request.price, now);
                finishLineResult(db, result, request.fromBill, QString());
                work.commit();
            }
        }
    }
    if (stop.stopped()) {
        result.lineNumber.clear();
        result.outcome = report(prompter, stop);
        return result;
    }
    result.outcome = BillingOutcome::Done;
    result.quantity = n;
    result.lineAmount = LineAmount(request.price, n, request.discountPercent);
    return result;
}

LineResult TransferAllItems(Database& db, const ProgramState& state, Prompter& prompter, const Clock& clock,
                            const QString& fromBill, const QString& toBill, bool confirmed,
                            bool approvedForAllItems) {
    LineResult result;
    if (fromBill.compare(toBill, Qt::CaseInsensitive) == 0) {
        result.outcome = Refuse(prompter, BillingMessage::TransferSameTable());
        return result;
    }
    struct Kind {
        QString item;
        int discount;
        Money price;
        bool operator<(const Kind& o) const {
            const int c = item.compare(o.item, Qt::CaseInsensitive);
            if (c != 0)
                return c < 0;
            if (discount != o.discount)
                return discount < o.discount;
            return price < o.price;
        }
    };
    struct Units {
        int quantity = 0;
        int lines = 0;
    };
    auto kindsOf = [&db, &fromBill](const QDateTime& dayStart) {
        std::map<Kind, Units> kinds;
        for (const BillLine& l : ReadLines(db, fromBill, dayStart)) {
            if (IsMiscellaneous(l.item))
                continue;
            Units& u = kinds[Kind{l.item, l.discountPercent, l.price}];
            u.quantity += l.quantity;
            ++u.lines;
        }
        return kinds;
    };
    const auto from = ReadOpenBill(db, fromBill);
    const auto to = ReadOpenBill(db, toBill);
    if (const Stop problem = transferProblem(from, to); problem.stopped()) {
        result.outcome = report(prompter, problem);
        return result;
    }
    if (kindsOf(BusinessDayStartAt(clock.now())).empty()) {
        result.outcome = Refuse(prompter, BillingMessage::TransferNothing());
        return result;
    }
    const QString toTable = TableDisplayLabel(to->table);
    if (!confirmed &&
        !AskYesNo(prompter, BillingMessage::TransferAllQuestion(TableDisplayLabel(from->table), toTable))) {
        result.outcome = BillingOutcome::Cancelled;
        return result;
    }
    if (state.settings.billAuthorizationOn && from->authorizationLock && !approvedForAllItems) {
        result.approval =
            prompter.requestApproval(from->number, BillingMessage::TransferAllApprovalAction(toTable));
        if (result.approval == Prompter::Approval::Refused) {
            result.outcome = BillingOutcome::Cancelled;
            return result;
        }
    }

    Stop stop;
    {
        UnitOfWork work(db);
        const QDateTime now = clock.now();
        const QDateTime start = BusinessDayStartAt(now);
        stop = transferProblem(ReadOpenBill(db, fromBill), ReadOpenBill(db, toBill));
        const auto kinds = kindsOf(start);
        if (!stop.stopped() && kinds.empty())
            stop = Stop::changed();
        if (!stop.stopped()) {
            int lines = 0;
            int units = 0;
            Money total;
            Money amount;
            for (const auto& [kind, u] : kinds) {
                moveUnits(db, fromBill, toBill, start, now, kind.item, kind.discount, kind.price, u.quantity);
                TransferDailyIncentive(db, fromBill, toBill, kind.item, kind.discount, u.quantity);
                lines += u.lines;
                units += u.quantity;
                total += kind.price.times(u.quantity);
                amount += LineAmount(kind.price, u.quantity, kind.discount);
            }
            raiseBillMax(db, toBill, amount);
            for (const QString& bill : {fromBill, toBill}) {
                RenumberLines(db, bill);
                SetChanged(db, bill);
            }
            RecordEvent(db, state, clock,
                        EventText::AllItemsTransferred(QString::number(lines), fromBill, toBill, AmountText(total)), fromBill);
            result.quantity = units;
            result.lineAmount = amount;
            finishLineResult(db, result, fromBill, QString());
            work.commit();
        }
    }
    if (stop.stopped()) {
        result.outcome = report(prompter, stop);
        return result;
    }
    result.outcome = BillingOutcome::Done;
    return result;
}

} // namespace vantorel
