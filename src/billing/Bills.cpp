#include "Bills.h"

#include "BillNumbers.h"
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
#include "SqlNames.h"
#include "TableLabels.h"
#include "UnitOfWork.h"

#include <algorithm>

namespace vantorel {

using namespace billingdetail;

namespace {

QString tableColumn() {
    return SqlName(QStringLiteral("Table"));
}
QString voidColumn() {
    return SqlName(QStringLiteral("Void"));
}

// Pax as stored: empty, 0 or a leading 0 means 1; nullopt for anything but digits.
std::optional<QString> normalizedPax(const QString& typed) {
    const QString pax = typed.trimmed();
    if (pax.isEmpty() || pax.startsWith(QLatin1Char('0')))
        return QStringLiteral("1");
    if (pax.size() > 3)
        return std::nullopt;
    for (QChar c : pax) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return pax;
}

QString normalizedAlias(const QString& typed) {
    QString alias = typed.trimmed().left(12);
    if (!alias.isEmpty())
        alias[0] = alias[0].toUpper();
    return alias;
}

// The refusal for a typed table, or nullopt when it is usable.
std::optional<BillingMessage::Text> tableProblem(const TableInput& input, bool customerAccount) {
    switch (input.problem) {
    case TableInput::Problem::None:
        return std::nullopt;
    case TableInput::Problem::Empty:
        return customerAccount ? BillingMessage::NoTableForCustomerAccount() : BillingMessage::NoTable();
    case TableInput::Problem::TooLong:
        return BillingMessage::MaximumTables();
    case TableInput::Problem::Zero:
    case TableInput::Problem::NotANumber:
        break;
    }
    return BillingMessage::InvalidInput();
}

void renameOpenLabel(Database& db, const QString& from, const QString& to) {
    db.exec(QStringLiteral("UPDATE BillA SET %1 = ? WHERE %1 = ? AND PayMode = ? AND %2 = ?")
                .arg(tableColumn(), voidColumn()),
            {to, from, PendingPayMode, false});
}

// The table's one remaining lettered bill takes the plain label, unless a bill holds it already.
void dropLoneLetter(Database& db, const QString& table) {
    if (table.isEmpty())
        return;
    QStringList lettered;
    bool plainTaken = false;
    for (const QString& label : OpenTableLabels(db)) {
        if (TableOfLabel(label).compare(table, Qt::CaseInsensitive) != 0)
            continue;
        if (LetterOfLabel(label).isNull())
            plainTaken = true;
        else
            lettered << label;
    }
    if (lettered.size() == 1 && !plainTaken)
        renameOpenLabel(db, lettered.front(), table);
}

void insertBill(Database& db, const Clock& clock, const QString& number, const QString& label,
                const QString& waiter, const QString& alias, const QString& account, const QString& pax) {
    db.exec(QStringLiteral(
                "INSERT INTO BillA (BillABillA, %1, Waiter, CustomerName, StackerBill, VIP, InDate, PayMode, "
                "Sec5, FirstPrint, PrintBill, %2) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                .arg(tableColumn(), voidColumn()),
            {number, label, waiter, alias, account, !account.isEmpty(), clock.now(), PendingPayMode, pax,
             false, true, false});
}

bool aliasTaken(Database& db, const QString& alias, const QString& exceptBill = QString()) {
    if (alias.isEmpty())
        return false;
    return db.scalar(QStringLiteral(
                         "SELECT count(*) FROM BillA WHERE CustomerName = ? AND PayMode = ? AND %1 = ? AND "
                         "BillABillA <> ?")
                         .arg(voidColumn()),
                     {alias, PendingPayMode, false, exceptBill})
               .toLongLong() > 0;
}

BillOpenResult openAtTable(Database& db, const ProgramState& state, Prompter& prompter, const Clock& clock,
                           const NewBillRequest& request) {
    BillOpenResult result;
    const TableInput table = ParseTableInput(request.table);
    if (const auto problem = tableProblem(table, false)) {
        result.outcome = Refuse(prompter, *problem);
        return result;
    }
    const auto pax = normalizedPax(request.pax);
    if (!pax) {
        result.outcome = Refuse(prompter, BillingMessage::InvalidInput());
        return result;
    }
    const QString alias = normalizedAlias(request.alias);
    std::optional<BillingMessage::Text> refusal;
    {
        UnitOfWork work(db);
        const TablePlacement place = PlaceOnTable(OpenTableLabels(db), table.table);
        if (place.label.isEmpty()) {
            refusal = BillingMessage::AccountLimit();
        } else if (aliasTaken(db, alias)) {
            refusal = BillingMessage::DuplicateAlias();
        } else {
            if (!place.renamePlainTo.isEmpty())
                renameOpenLabel(db, table.table, place.renamePlainTo);
            result.billNumber = ReserveBillNumber(db, clock);
            result.tableLabel = place.label;
            insertBill(db, clock, result.billNumber, place.label, UserName(state), alias, QString(), *pax);
            work.commit();
        }
    }
    if (refusal) {
        result.billNumber.clear();
        result.tableLabel.clear();
        result.outcome = Refuse(prompter, *refusal);
        return result;
    }
    result.outcome = BillingOutcome::Done;
    return result;
}

} // namespace

bool CheckAlias(Database& db, const QString& alias) {
    return aliasTaken(db, normalizedAlias(alias));
}

BillOpenResult CreateBill(Database& db, const ProgramState& state, Prompter& prompter, const Clock& clock,
                          const NewBillRequest& request) {
    return openAtTable(db, state, prompter, clock, request);
}

BillOpenResult CreateQuickBill(Database& db, const ProgramState& state, Prompter& prompter,
                               const Clock& clock, const QString& table, const QString& pax) {
    return openAtTable(db, state, prompter, clock, NewBillRequest{table, pax, QString()});
}

BillOpenResult AllocateCustomerBill(Database& db, Prompter& prompter, const Clock& clock,
                                    const QString& account, const QString& table, const QString& pax) {
    BillOpenResult result;
    const TableInput input = ParseTableInput(table);
    if (const auto problem = tableProblem(input, true)) {
        result.outcome = Refuse(prompter, *problem);
        return result;
    }
    const auto guests = normalizedPax(pax);
    if (!guests) {
        result.outcome = Refuse(prompter, BillingMessage::InvalidInput());
        return result;
    }
    std::optional<BillingMessage::Text> refusal;
    {
        UnitOfWork work(db);
        const auto accountRow =
            db.queryOne(QStringLiteral("SELECT Customer FROM StackedBill WHERE Customer = ?"), {account});
        const qint64 atTable =
            db.scalar(QStringLiteral(
                          "SELECT count(*) FROM BillA WHERE StackerBill = ? AND PayMode = ? AND %1 <> ? AND "
                          "%2 = ?")
                          .arg(tableColumn(), voidColumn()),
                      {account, PendingPayMode, QStringLiteral("SB"), false})
                .toLongLong();
        const TablePlacement place = PlaceOnTable(OpenTableLabels(db), input.table);
        if (!accountRow) {
            refusal = BillingMessage::UnknownAccount(account);
        } else if (atTable > 0) {
            refusal = BillingMessage::AccountAlreadyAtTable(account);
        } else if (place.label.isEmpty()) {
            refusal = BillingMessage::AccountLimit();
        } else {
            const QString name = accountRow->text(QStringLiteral("Customer"));
            if (!place.renamePlainTo.isEmpty())
                renameOpenLabel(db, input.table, place.renamePlainTo);
            const Rows parked =
                db.query(QStringLiteral("SELECT BillABillA FROM BillA WHERE PayMode = ? AND %1 = ? AND "
                                        "StackerBill = ? AND %2 = ? ORDER BY BillABillA")
                             .arg(tableColumn(), voidColumn()),
                         {PendingPayMode, QStringLiteral("SB"), name, false});
            if (!parked.empty()) {
                result.billNumber = parked.front().text(QStringLiteral("BillABillA"));
                db.exec(QStringLiteral("UPDATE BillA SET %1 = ?, Sec5 = ? WHERE BillABillA = ?")
                            .arg(tableColumn()),
                        {place.label, *guests, result.billNumber});
            } else {
                result.billNumber = ReserveBillNumber(db, clock);
                insertBill(db, clock, result.billNumber, place.label, QStringLiteral("VIP"), QString(), name,
                           *guests);
            }
            result.tableLabel = place.label;
            work.commit();
        }
    }
    if (refusal) {
        result.billNumber.clear();
        result.tableLabel.clear();
        result.outcome = Refuse(prompter, *refusal);
        return result;
    }
    result.outcome = BillingOutcome::Done;
    return result;
}

BillOpenResult MoveBillToTable(Database& db, Prompter& prompter, const QString& bill,
                               const QString& newTable) {
    BillOpenResult result;
    result.billNumber = bill;
    const TableInput input = ParseTableInput(newTable);
    if (const auto problem = tableProblem(input, false)) {
        result.outcome = Refuse(prompter, *problem);
        return result;
    }
    std::optional<BillingMessage::Text> refusal;
    bool closed = false;
    {
        UnitOfWork work(db);
        const auto header = ReadOpenBill(db, bill);
        if (!header) {
            closed = true;
        } else if (TableOfLabel(header->table).compare(input.table, Qt::CaseInsensitive) == 0) {
            result.tableLabel = header->table; // already there
        } else {
            QStringList labels = OpenTableLabels(db);
            labels.removeOne(header->table);
            const TablePlacement place = PlaceOnTable(labels, input.table);
            if (place.label.isEmpty()) {
                refusal = BillingMessage::AccountLimit();
            } else {
                if (!place.renamePlainTo.isEmpty())
                    renameOpenLabel(db, input.table, place.renamePlainTo);
                db.exec(QStringLiteral("UPDATE BillA SET %1 = ? WHERE BillABillA = ?").arg(tableColumn()),
                        {place.label, bill});
                dropLoneLetter(db, TableOfLabel(header->table));
                result.tableLabel = place.label;
                work.commit();
            }
        }
    }
    if (closed) {
        result.outcome = ReportClosed(prompter);
        return result;
    }
    if (refusal) {
        result.outcome = Refuse(prompter, *refusal);
        return result;
    }
    result.outcome = BillingOutcome::Done;
    return result;
}

void CleanOpenBillList(Database& db) {
    UnitOfWork work(db);
    QStringList tables;
    for (const QString& label : OpenTableLabels(db)) {
        const QString table = TableOfLabel(label);
        if (!LetterOfLabel(label).isNull() && !tables.contains(table, Qt::CaseInsensitive))
            tables << table;
    }
    for (const QString& table : std::as_const(tables))
        dropLoneLetter(db, table);
    work.commit();
}

BillingOutcome CloseEmptyBill(Database& db, const ProgramState& state, Prompter& prompter, const Clock& clock,
                              const QString& bill) {
    const auto before = ReadOpenBill(db, bill);
    if (!before)
        return ReportClosed(prompter);
    if (CountLines(db, bill) > 0)
        return Refuse(prompter, BillingMessage::AccountNotEmpty());
    if (!AskYesNo(prompter, BillingMessage::CloseEmptyAccountQuestion()))
        return BillingOutcome::Cancelled;
    enum class Stop { None, Closed, NotEmpty } stop = Stop::None;
    {
        UnitOfWork work(db);
        const auto header = ReadOpenBill(db, bill);
        if (!header) {
            stop = Stop::Closed;
        } else if (CountLines(db, bill) > 0) {
            stop = Stop::NotEmpty;
        } else {
            const SettingsCopies& s = state.settings;
            const QString user = UserName(state);
            const QVariant zero = QVariant::fromValue(Money());
            db.exec(
                QStringLiteral(
                    "UPDATE BillA SET BillDate = ?, BillSettledBy = ?, PayMode = ?, BillDiscPerc = ?, "
                    "BillDisc = ?, ItemDiscB = ?, ItemsPaymentB = ?, SalesTax = ?, GovTax = ?, "
                    "ServCharge = ?, NetPayment = ?, PayAmount = ?, %1 = ?, SalesTaxPerc = ?, "
                    "GovTaxPerc = ?, ServChargePerc = ?, TaxOnBill = ?, ServChargeOnBill = ?, %2 = ?, "
                    "FirstPrint = ?, Sec1 = ?, BillRemark = ? WHERE BillABillA = ?")
                    .arg(SqlName(QStringLiteral("Change")), voidColumn()),
                {clock.now(),
                 user,
                 QStringLiteral("Cash"),
                 zero,
                 zero,
                 zero,
                 zero,
                 zero,
                 zero,
                 zero,
                 zero,
                 zero,
                 zero,
                 QVariant::fromValue(s.salesTaxRate),
                 QVariant::fromValue(s.govTaxRate),
                 QVariant::fromValue(s.serviceChargeRate),
                 s.taxOnBillOn,
                 s.serviceChargeOnBillOn,
                 true,
                 true,
                 s.billAuthorizationOn,
                 QStringLiteral("((Empty Account closed by ") + user + QStringLiteral("))") + header->remark,
                 bill});
            db.exec(
                QStringLiteral(
                    "INSERT INTO VoidBill (VoidBillA, VoidUser, VoidDate, VoidReason) VALUES (?, ?, ?, ?)"),
                {bill, user, clock.now(), EventText::EmptyAccountVoidReason()});
            RecordEvent(db, state, clock, EventText::EmptyAccountClosed(), bill);
            CleanOpenBillList(db);
            work.commit();
        }
    }
    switch (stop) {
    case Stop::Closed:
        return ReportClosed(prompter);
    case Stop::NotEmpty:
        return Refuse(prompter, BillingMessage::AccountNotEmpty());
    case Stop::None:
        break;
    }
    return BillingOutcome::Done;
}

BillingOutcome ChangeAlias(Database& db, Prompter& prompter, const QString& bill, const QString& alias) {
    const QString wanted = normalizedAlias(alias);
    enum class Stop { None, Closed, Duplicate } stop = Stop::None;
    {
        UnitOfWork work(db);
        const auto header = ReadOpenBill(db, bill);
        if (!header) {
            stop = Stop::Closed;
        } else if (header->alias == wanted) {
            return BillingOutcome::Done;
        } else if (aliasTaken(db, wanted, bill)) {
            stop = Stop::Duplicate;
        } else {
            db.exec(QStringLiteral("UPDATE BillA SET CustomerName = ? WHERE BillABillA = ?"), {wanted, bill});
            work.commit();
        }
    }
    if (stop == Stop::Closed)
        return ReportClosed(prompter);
    if (stop == Stop::Duplicate)
        return Refuse(prompter, BillingMessage::DuplicateAlias());
    return BillingOutcome::Done;
}

BillingOutcome ChangePax(Database& db, Prompter& prompter, const QString& bill, const QString& pax) {
    const QString typed = pax.trimmed();
    if (typed.isEmpty() || typed.toInt() == 0)
        return BillingOutcome::Done;
    const auto guests = normalizedPax(typed);
    if (!guests)
        return Refuse(prompter, BillingMessage::InvalidInput());
    bool closed = false;
    {
        UnitOfWork work(db);
        const auto header = ReadOpenBill(db, bill);
        if (!header) {
            closed = true;
        } else if (!header->isCustomerBill()) {
            db.exec(QStringLiteral("UPDATE BillA SET Sec5 = ? WHERE BillABillA = ?"), {*guests, bill});
            work.commit();
        }
    }
    return closed ? ReportClosed(prompter) : BillingOutcome::Done;
}

OpenBillList LoadOpenBillList(Database& db) {
    OpenBillList list;
    QStringList atTable;
    for (const Row& r :
         db.query(QStringLiteral("SELECT * FROM BillA WHERE PayMode = ? AND %1 <> ? AND %2 = ?")
                      .arg(tableColumn(), voidColumn()),
                  {PendingPayMode, QStringLiteral("SB"), false})) {
        OpenBillEntry e;
        e.table = r.text(QStringLiteral("Table"));
        e.number = r.text(QStringLiteral("BillABillA"));
        e.account = r.text(QStringLiteral("StackerBill")).toUpper();
        e.alias = r.text(QStringLiteral("CustomerName")).toUpper();
        e.pax = r.text(QStringLiteral("Sec5"));
        if (!e.account.isEmpty())
            atTable << e.account;
        list.tableLabels << e.table;
        list.bills.push_back(e);
    }
    std::sort(list.bills.begin(), list.bills.end(), [](const OpenBillEntry& a, const OpenBillEntry& b) {
        const int ta = TableOfLabel(a.table).toInt();
        const int tb = TableOfLabel(b.table).toInt();
        if (ta != tb)
            return ta < tb;
        if (a.table != b.table)
            return a.table < b.table;
        return a.number < b.number;
    });
    for (const Row& r : db.query(QStringLiteral("SELECT Customer FROM StackedBill ORDER BY Customer"))) {
        const QString name = r.text(QStringLiteral("Customer"));
        if (!atTable.contains(name, Qt::CaseInsensitive))
            list.accountsForAllocation << name;
    }
    SyncLastBillNumber(db);
    return list;
}

void RegisterPaidBills(Database& db, const ProgramState& state, const Clock& clock) {
    if (!state.settings.billAuthorizationOn)
        return;
    const QDateTime now = clock.now();
    UnitOfWork work(db);
    db.exec(
        QStringLiteral("UPDATE BillA SET Sec1 = ? WHERE FirstPrint = ? AND InDate >= ? AND InDate <= ? AND "
                       "PayMode = ? AND %1 = ?")
            .arg(voidColumn()),
        {true, true, BusinessDayStartAt(now), BusinessDayEndAt(now), PendingPayMode, false});
    work.commit();
}

bool PrintFirstRun(Database& db, const QString& bill) {
    const auto header = ReadBill(db, bill);
    return header && !header->firstPrint;
}

BillingOutcome PrintReset(Database& db, Prompter& prompter, const QString& bill) {
    {
        UnitOfWork work(db);
        if (ReadOpenBill(db, bill)) {
            db.exec(QStringLiteral("UPDATE BillA SET FirstPrint = ? WHERE BillABillA = ?"), {false, bill});
            work.commit();
            return BillingOutcome::Done;
        }
    }
    return ReportClosed(prompter);
}

BillingOutcome RenumberItems(Database& db, Prompter& prompter, const QString& bill) {
    {
        UnitOfWork work(db);
        if (ReadOpenBill(db, bill)) {
            RenumberLines(db, bill);
            work.commit();
            return BillingOutcome::Done;
        }
    }
    return ReportClosed(prompter);
}

void SetPrintBillOnOpenBills(Database& db) {
    UnitOfWork work(db);
    db.exec(QStringLiteral("UPDATE BillA SET PrintBill = ? WHERE PayMode = ? AND %1 = ?").arg(voidColumn()),
            {true, PendingPayMode, false});
    work.commit();
}

BillView LoadBill(Database& db, const Clock& clock, const QString& bill, bool wholeAccount) {
    BillView view;
    view.header = ReadBill(db, bill);
    if (!view.header)
        return view;
    const QDateTime dayStart = BusinessDayStartAt(clock.now());
    std::vector<BillLine> all = ReadLines(db, bill);
    view.lineCount = static_cast<int>(all.size());
    for (BillLine& line : all) {
        if (line.orderDate < dayStart)
            view.hasEarlierLines = true;
        if (wholeAccount || line.orderDate >= dayStart) {
            view.shownTotal += line.amount;
            view.lines.push_back(std::move(line));
        }
    }
    view.mayCloseEmpty = view.header->isOpen() && view.lineCount == 0;
    if (view.header->isCustomerBill())
        view.account = LoadCustomerAccountStatus(db, view.header->account);
    return view;
}

} // namespace vantorel
