#include "FirstPrint.h"

#include "BillAmounts.h"
#include "BillStore.h"
#include "BillingEventTexts.h"
#include "BillingMessages.h"
#include "BookingEffects.h"
#include "Clock.h"
#include "Database.h"
#include "EventLog.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "SqlNames.h"
#include "UnitOfWork.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace vantorel {

using namespace billingdetail;

namespace {

bool sameSums(const LineSums& a, const LineSums& b) {
    return a.sumItems == b.sumItems && a.foc == b.foc && a.itemDisc == b.itemDisc;
}

// The columns every calculation of the first print writes.
void storeTaxColumns(Database& db, const SettingsCopies& s, const FirstPrintPanel& p) {
    const bool cancelled = !p.serviceChargeApplies;
    db.exec(
        QStringLiteral(
            "UPDATE BillA SET SalesTax = ?, GovTax = ?, SalesTaxPerc = ?, GovTaxPerc = ?, TaxOnBill = ?, "
            "ServChargePerc = ?, ServChargeOnBill = ?, ServCharge = ?, PrintBill = ? WHERE BillABillA = ?"),
        {QVariant::fromValue(PercentOfToCents(p.base, s.salesTaxRate)),
         QVariant::fromValue(PercentOfToCents(p.base, s.govTaxRate)), QVariant::fromValue(s.salesTaxRate),
         QVariant::fromValue(s.govTaxRate), s.taxOnBillOn,
         QVariant::fromValue(cancelled ? Money() : s.serviceChargeRate),
         cancelled ? false : s.serviceChargeOnBillOn,
         QVariant::fromValue(cancelled ? Money() : PercentOfToCents(p.base, s.serviceChargeRate)), true,
         p.billNumber});
}

FirstPrintCommit commit(Database& db, const ProgramState& state, Prompter& prompter, const Clock& clock,
                        FirstPrintPanel& panel) {
    const SettingsCopies& s = state.settings;
    ComputeFirstPrint(panel, s);
    FirstPrintCommit result;
    const int d = panel.effectiveDiscount();
    enum class Stop { None, Closed, Changed } stop = Stop::None;
    {
        UnitOfWork work(db);
        const auto bill = ReadOpenBill(db, panel.billNumber);
        if (!bill) {
            stop = Stop::Closed;
        } else if (!sameSums(SumLines(ReadLines(db, panel.billNumber)), panel.sums)) {
            stop = Stop::Changed;
        } else {
            if (d != 0) {
                RecordEvent(db, state, clock,
                            EventText::BillDiscountGiven(d, AmountText(panel.billTotal),
                                                         AmountText(panel.billTotal - panel.billDiscount)),
                            panel.billNumber);
                if (!panel.customerAccount)
                    CollapseItemLines(db, panel.billNumber);
            }
            storeTaxColumns(db, s, panel);
            const Money itemsPayment = (s.taxOnBillOn || s.serviceChargeOnBillOn || d != 0)
                                           ? panel.billTotal
                                           : RoundBill(panel.billTotal, panel.billRounding);
            db.exec(QStringLiteral(
                        "UPDATE BillA SET BillDate = ?, BillDiscPerc = ?, ItemDiscB = ?, ItemsPaymentB = ?, "
                        "NetPayment = ?, BillDisc = ?, Sec2 = ?, FirstPrint = ? WHERE BillABillA = ?"),
                    {clock.now(), QVariant::fromValue(WholePercent(d)),
                     QVariant::fromValue(d != 0 ? Money() : ToCents(panel.itemDisc)),
                     QVariant::fromValue(itemsPayment), QVariant::fromValue(panel.finalAmount),
                     QVariant::fromValue(MulDivToCents(itemsPayment, d, 100)), !panel.serviceChargeApplies,
                     true, panel.billNumber});
            if (s.billAuthorizationOn)
                db.exec(QStringLiteral("UPDATE BillA SET Sec1 = ? WHERE BillABillA = ?"),
                        {true, panel.billNumber});
            work.commit();
        }
    }
    if (stop == Stop::Closed) {
        result.outcome = ReportClosed(prompter);
        return result;
    }
    if (stop == Stop::Changed) {
        result.outcome = ReportChanged(prompter);
        return result;
    }
    result.outcome = BillingOutcome::Done;
    result.netPayment = panel.finalAmount;
    return result;
}

} // namespace

LineSums SumLines(const std::vector<BillLine>& lines) {
    LineSums sums;
    for (const BillLine& l : lines) {
        sums.sumItems += l.sumItem;
        if (l.isFreeOfCharge())
            sums.foc += l.sumItem;
        else
            sums.itemDisc += l.sumItem - l.amount;
    }
    return sums;
}

void ComputeFirstPrint(FirstPrintPanel& p, const SettingsCopies& s) {
    const int d = p.effectiveDiscount();
    p.sumItems = p.sums.sumItems;
    p.foc = p.sums.foc;
    if (d != 0) {
        p.itemDisc = Money();
        p.billTotal = p.sums.sumItems - p.sums.foc;
        p.billDiscount = d >= 100 ? p.billTotal : MulDivToCents(p.billTotal, d, 100);
    } else {
        p.itemDisc = p.sums.itemDisc;
        p.billTotal = p.sums.sumItems - p.sums.itemDisc - p.sums.foc;
        p.billDiscount = Money();
    }
    p.base = p.billTotal - p.billDiscount;
    p.tax = s.taxOnBillOn ? PercentOf(p.base, s.salesTaxRate + s.govTaxRate) : Money();
    p.charge = (s.serviceChargeOnBillOn && p.serviceChargeApplies) ? PercentOf(p.base, s.serviceChargeRate)
                                                                   : Money();
    p.finalAmount = RoundBill(ToCents(p.base + p.tax + p.charge), p.billRounding);
    p.resetVisible = !p.customerAccount && d != 0;
    p.serviceChargeBoxVisible = s.serviceChargeOnBillOn;
    p.discountEditable = !p.customerAccount;
    p.freeOfChargeAllowed = !p.customerAccount;
}

bool SetBillDiscount(FirstPrintPanel& p, const SettingsCopies& s, int percent) {
    if (p.customerAccount || percent < 0 || percent > 99)
        return false;
    p.billFreeOfCharge = false;
    p.discountPercent = percent;
    ComputeFirstPrint(p, s);
    return true;
}

std::optional<int> ReadBillDiscount(Prompter& prompter, const QString& typed) {
    if (typed.contains(QLatin1Char('.'))) {
        const auto m = BillingMessage::NoDecimals();
        prompter.showMessage(m.text, m.caption, Prompter::Icon::Exclamation);
        return std::nullopt;
    }
    QString digits;
    for (QChar c : typed) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9') && digits.size() < 2)
            digits += c;
    }
    return digits.isEmpty() ? 0 : digits.toInt();
}

bool SetBillFreeOfCharge(FirstPrintPanel& p, const SettingsCopies& s, bool free) {
    if (p.customerAccount)
        return false;
    p.billFreeOfCharge = free;
    p.discountPercent = 0;
    ComputeFirstPrint(p, s);
    return true;
}

void ResetBillDiscount(FirstPrintPanel& p, const SettingsCopies& s) {
    if (p.customerAccount)
        return;
    p.billFreeOfCharge = false;
    p.discountPercent = 0;
    ComputeFirstPrint(p, s);
}

void SetServiceChargeApplies(FirstPrintPanel& p, const SettingsCopies& s, bool applies) {
    p.serviceChargeApplies = applies;
    ComputeFirstPrint(p, s);
}

FirstPrintOpen OpenFirstPrint(Database& db, const ProgramState& state, Prompter& prompter,
                              const QString& bill, int billRounding) {
    FirstPrintOpen result;
    const auto header = ReadOpenBill(db, bill);
    if (!header) {
        result.outcome = ReportClosed(prompter);
        return result;
    }
    FirstPrintPanel& p = result.panel;
    p.billNumber = header->number;
    p.tableLabel = header->table;
    p.billRounding = billRounding;
    p.sums = SumLines(ReadLines(db, bill));
    p.serviceChargeApplies = true;
    p.customerAccount = header->isCustomerBill();
    if (p.customerAccount) {
        p.accountName = header->account;
        const auto row = db.queryOne(QStringLiteral("SELECT DiscPerc FROM StackedBill WHERE Customer = ?"),
                                     {header->account});
        const double percent = row ? row->number(QStringLiteral("DiscPerc")) : 0.0;
        p.discountPercent = std::clamp(static_cast<int>(std::lround(percent)), 0, 100);
        p.note = BillingMessage::CustomerAccountDiscountNote(header->account);
    } else {
        p.note = BillingMessage::BillDiscountNote();
    }
    result.outcome = CalculateFirstPrint(db, state, prompter, p);
    return result;
}

BillingOutcome CalculateFirstPrint(Database& db, const ProgramState& state, Prompter& prompter,
                                   FirstPrintPanel& panel) {
    ComputeFirstPrint(panel, state.settings);
    {
        UnitOfWork work(db);
        if (ReadOpenBill(db, panel.billNumber)) {
            storeTaxColumns(db, state.settings, panel);
            work.commit();
            return BillingOutcome::Done;
        }
    }
    return ReportClosed(prompter);
}

FirstPrintCommit CommitFirstPrint(Database& db, const ProgramState& state, Prompter& prompter,
                                  const Clock& clock, FirstPrintPanel& panel) {
    return commit(db, state, prompter, clock, panel);
}

FirstPrintCommit CommitDirectPayment(Database& db, const ProgramState& state, Prompter& prompter,
                                     const Clock& clock, FirstPrintPanel& panel) {
    return commit(db, state, prompter, clock, panel);
}

void CollapseItemLines(Database& db, const QString& bill) {
    const std::vector<BillLine> lines = ReadLines(db, bill);
    // Item and price of every line that carries an item discount.
    std::map<std::pair<QString, qint64>, bool> discounted;
    for (const BillLine& l : lines) {
        if (l.discountPercent > 0 && l.discountPercent < 100)
            discounted[{l.item.toLower(), l.price.units()}] = true;
    }
    for (const auto& entry : discounted) {
        const auto& key = entry.first;
        const BillLine* first = nullptr;
        int quantity = 0;
        for (const BillLine& l : lines) {
            if (l.isFreeOfCharge() || l.item.toLower() != key.first || l.price.units() != key.second)
                continue;
            quantity += l.quantity;
            if (!first)
                first = &l;
            else
                DeleteLine(db, bill, l.lineNumber);
        }
        if (!first)
            continue;
        const Money sum = first->price.times(quantity);
        db.exec(QStringLiteral(
                    "UPDATE BillB SET Quantity = ?, SumItem = ?, ItemDiscPerc = ?, ItemsPayment = ? WHERE "
                    "BillBBillA = ? AND BillNoItem = ?"),
                {quantity, QVariant::fromValue(sum), 0, QVariant::fromValue(sum), bill, first->lineNumber});
    }
    RenumberLines(db, bill);
}

} // namespace vantorel
