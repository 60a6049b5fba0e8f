#include "Settlement.h"

#include "AmountText.h"
#include "BillAmounts.h"
#include "BillStore.h"
#include "Bills.h"
#include "BusinessDay.h"
#include "CardNumber.h"
#include "Clock.h"
#include "Database.h"
#include "EventLog.h"
#include "EventTexts.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "Settings.h"
#include "SqlNames.h"
#include "UnitOfWork.h"

namespace vantorel {

using namespace billingdetail;

namespace {

using Stop = SettlementResult::Stop;

const QString CashMode = QStringLiteral("Cash");
const QString CardMode = QStringLiteral("Card");

void show(Prompter& prompter, const QString& text, const QString& caption) {
    prompter.showMessage(text, caption, Prompter::Icon::Exclamation);
}

std::vector<CardCompanyChoice> companiesInUse(Database& db) {
    std::vector<CardCompanyChoice> list;
    for (const Row& r :
         db.query(QStringLiteral("SELECT %1, Desc1 FROM CreditCard WHERE Used = ? ORDER BY Desc1")
                      .arg(SqlName(QStringLiteral("Code"))),
                  {true})) {
        const QString description = r.text(QStringLiteral("Desc1")).trimmed();
        if (!description.isEmpty())
            list.push_back({r.text(QStringLiteral("Code")).trimmed().toUpper(), description});
    }
    return list;
}

QString digitsOf(const QString& typed) {
    QString digits = typed;
    digits.remove(QLatin1Char(' '));
    return digits;
}

SettlementResult stopped(Stop stop) {
    SettlementResult r;
    r.outcome = stop == Stop::BillClosed    ? BillingOutcome::BillClosed
                : stop == Stop::BillChanged ? BillingOutcome::BillChanged
                                            : BillingOutcome::Refused;
    r.stop = stop;
    return r;
}

void settleCustomerAccount(Database& db, const ProgramState& state, const Clock& clock,
                           const QString& account, Money paid) {
    db.exec(
        QStringLiteral("UPDATE StackedBill SET Consumption = ?, TotalCredit = MaxCredit + DepositAmount, "
                       "AvailableCredit = MaxCredit + DepositAmount, AccumPay = AccumPay + ?, Blocked = ?, "
                       "LastPayDate = ?, Cost = ? WHERE Customer = ?"),
        {QVariant::fromValue(Money()), QVariant::fromValue(paid), false, clock.now(),
         QVariant::fromValue(Money()), account});
    RecordEvent(db, state, clock, EventText::VipAccountSettled(account, AmountText(paid)), account);
}

} // namespace

PaymentView OpenPayment(Database& db, const ProgramState& state, Prompter& prompter, const QString& bill) {
    PaymentView view;
    view.billNumber = bill;
    const auto header = ReadOpenBill(db, bill);
    if (!header) {
        view.outcome = ReportClosed(prompter);
        return view;
    }
    if (!header->firstPrint) {
        view.outcome = BillingOutcome::BillChanged;
        return view;
    }
    view.tableLabel = header->table;
    view.amountDue = header->netPayment;
    view.numberRequired = state.settings.cardNumberRequired;
    if (state.settings.cardChargeOn)
        view.companies = companiesInUse(db);
    view.cardsAccepted = !view.companies.empty();
    view.outcome = BillingOutcome::Done;
    return view;
}

QString CompanyForLetter(const std::vector<CardCompanyChoice>& companies, QChar letter) {
    QString code;
    switch (letter.toUpper().unicode()) {
    case 'A':
        code = QStringLiteral("AMEX");
        break;
    case 'D':
        code = QStringLiteral("DINERS");
        break;
    case 'M':
        code = QStringLiteral("MASTERS");
        break;
    case 'V':
        code = QStringLiteral("VISA");
        break;
    default:
        return QString();
    }
    for (const CardCompanyChoice& c : companies) {
        if (c.code == code)
            return c.description;
    }
    return QString();
}

CashEntry ReadCashPaid(const QString& typed, Money amountDue) {
    CashEntry entry;
    const QString text = StripAmount(typed.trimmed());
    if (text.isEmpty()) {
        entry.problem = CashEntry::Problem::Empty;
        return entry;
    }
    const auto cash = IsNumberText(text) ? Money::parse(text.trimmed()) : std::nullopt;
    if (!cash) {
        entry.problem = CashEntry::Problem::NotANumber;
        return entry;
    }
    entry.cash = *cash;
    entry.change = *cash - amountDue;
    if (entry.change < Money())
        entry.problem = CashEntry::Problem::BelowAmountDue;
    return entry;
}

CashEntry CheckCashPaid(Prompter& prompter, const QString& typed, Money amountDue) {
    const CashEntry entry = ReadCashPaid(typed, amountDue);
    switch (entry.problem) {
    case CashEntry::Problem::NotANumber:
        show(prompter, QStringLiteral("Invalid numeric input. Please try again!   "),
             QStringLiteral("  Invalid Input"));
        break;
    case CashEntry::Problem::BelowAmountDue:
        show(prompter,
             QStringLiteral("The invoice value is higher than the cash input    \n\nPlease re-check!"),
             QStringLiteral("  Incorrect input"));
        break;
    case CashEntry::Problem::None:
    case CashEntry::Problem::Empty:
        break;
    }
    return entry;
}

QString MaskCardNumber(const QString& typed) {
    const QString digits = digitsOf(typed);
    const qsizetype n = digits.size();
    if (n <= 4)
        return digits;
    // Six and four leave at least three digits masked only from 13 digits on, the shortest card numbers.
    const qsizetype head = n >= 13 ? 6 : 0;
    return digits.left(head) + QString(n - head - 4, QLatin1Char('x')) + digits.right(4);
}

QString CardNumberDummy(const QString& typed) {
    return QStringLiteral("xxxx xxxx xxxx ") + digitsOf(typed).right(4);
}

SettlementResult SettleBill(Database& db, const ProgramState& state, Prompter& prompter, const Clock& clock,
                            const SettlementRequest& request) {
    const bool cashTyped = !request.cash.trimmed().isEmpty();
    const bool card = !request.cardCompany.trimmed().isEmpty();
    if (!cashTyped && !card)
        return stopped(Stop::NothingEntered);
    if (cashTyped && card) {
        show(prompter, QStringLiteral("It's  either CASH or CREDIT CARD. Not both!    "),
             QStringLiteral("  Invalid Input"));
        return stopped(Stop::CashAndCard);
    }

    SettlementResult result;
    result.card = card;
    result.amountDue = request.amountDue;
    QString creditNo;
    QString creditNoDummy = QStringLiteral("XP");
    if (cashTyped) {
        const CashEntry entry = CheckCashPaid(prompter, request.cash, request.amountDue);
        if (entry.problem == CashEntry::Problem::NotANumber)
            return stopped(Stop::InvalidCash);
        if (entry.problem != CashEntry::Problem::None)
            return stopped(Stop::CashBelowAmountDue);
        result.cashPaid = entry.cash;
        result.change = entry.change;
    } else {
        bool known = false;
        for (const CardCompanyChoice& c : companiesInUse(db)) {
            if (c.description.compare(request.cardCompany.trimmed(), Qt::CaseInsensitive) == 0) {
                known = true;
                result.cardCompany = c.description;
            }
        }
        if (!known || !state.settings.cardChargeOn) {
            show(prompter, QStringLiteral("Please select a credit card Company   "),
                 QStringLiteral("Credit Card"));
            return stopped(Stop::NoCompany);
        }
        if (state.settings.cardNumberRequired) {
            if (!request.cardNumberRechecked && !CheckCardNumber(request.cardNumber)) {
                show(prompter,
                     QStringLiteral("The credit card Number does not match the credit card Company.   \n\n"
                                    "Please re-enter the number..."),
                     QStringLiteral("  Card Number Mismatch"));
                return stopped(Stop::CardNumberMismatch);
            }
            creditNo = MaskCardNumber(request.cardNumber);
            creditNoDummy = CardNumberDummy(request.cardNumber);
        }
    }

    Stop stop = Stop::None;
    {
        UnitOfWork work(db);
        const auto bill = ReadOpenBill(db, request.billNumber);
        if (!bill) {
            stop = Stop::BillClosed;
        } else if (!bill->firstPrint || bill->netPayment != request.amountDue) {
            stop = Stop::BillChanged;
        } else {
            const QString user = UserName(state);
            if (card) {
                db.exec(
                    QStringLiteral("UPDATE BillA SET BillSettledBy = ?, PayMode = ?, PayAmount = ?, "
                                   "CreditCard = ?, CreditNo = ?, CreditNoDummy = ? WHERE BillABillA = ?"),
                    {user, CardMode, QVariant::fromValue(bill->netPayment), result.cardCompany, creditNo,
                     creditNoDummy, bill->number});
            } else {
                db.exec(
                    QStringLiteral("UPDATE BillA SET BillSettledBy = ?, PayMode = ?, PayAmount = ?, %1 = ? "
                                   "WHERE BillABillA = ?")
                        .arg(SqlName(QStringLiteral("Change"))),
                    {user, CashMode, QVariant::fromValue(result.cashPaid), QVariant::fromValue(result.change),
                     bill->number});
            }
            if (bill->serviceChargeCancelled)
                RecordEvent(db, state, clock, EventText::ServiceChargeCancelled(), bill->number);
            const Money billed =
                db.queryOne(QStringLiteral("SELECT ItemsPaymentB FROM BillA WHERE BillABillA = ?"),
                            {bill->number})
                    ->money(QStringLiteral("ItemsPaymentB"));
            if (bill->billMax > billed)
                RecordEvent(db, state, clock,
                            EventText::MaxItemValue(AmountText(bill->billMax), AmountText(billed),
                                                    AmountText(billed - bill->billMax)),
                            bill->number);
            if (bill->isCustomerBill()) {
                settleCustomerAccount(db, state, clock, bill->account, bill->netPayment);
                result.customerAccount = bill->account;
            }
            CleanOpenBillList(db);
            work.commit();
        }
    }
    if (stop == Stop::BillClosed) {
        ReportClosed(prompter);
        return stopped(stop);
    }
    if (stop == Stop::BillChanged) {
        ReportChanged(prompter);
        return stopped(stop);
    }
    result.outcome = BillingOutcome::Done;
    return result;
}

void DeclineFinalReceipt(Database& db, const QString& bill) {
    UnitOfWork work(db);
    db.exec(QStringLiteral("UPDATE BillA SET PrintBill = ? WHERE BillABillA = ?"), {false, bill});
    work.commit();
}

bool BillsOfBusinessDayExist(Database& db, const Clock& clock) {
    const QDateTime now = clock.now();
    return db.scalar(QStringLiteral("SELECT count(*) FROM BillA WHERE InDate >= ? AND InDate <= ?"),
                     {BusinessDayStartAt(now), BusinessDayEndAt(now)})
               .toLongLong() > 0;
}

Money StartupCashToCheck(Database& db) {
    return ReadUtility(db).cashForward;
}

void RecordStartupCashAnswer(Database& db, const ProgramState& state, const Clock& clock, Money amount,
                             bool accepted) {
    const QString user = UserName(state);
    const QString text = FormatAmount(amount);
    RecordEvent(db, state, clock,
                accepted ? EventText::StartupCashAccepted(user, text)
                         : EventText::StartupCashNotAccepted(user, text));
}

void CleanBarslip(Database& db, const ProgramState& state) {
    UnitOfWork work(db);
    db.exec(QStringLiteral("DELETE FROM BarSlip WHERE Waiter = ?"), {UserName(state)});
    work.commit();
}

bool UserOrderSlipPending(Database& db, const ProgramState& state) {
    return db.scalar(QStringLiteral("SELECT count(*) FROM BarSlip WHERE Waiter = ?"), {UserName(state)})
               .toLongLong() > 0;
}

} // namespace vantorel
