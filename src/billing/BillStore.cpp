#include "BillStore.h"

#include "BillAmounts.h"
#include "Database.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "SqlNames.h"
#include "TextHelpers.h"

#include <algorithm>

namespace vantorel {

bool BillHeader::isOpen() const {
    return payMode.compare(billingdetail::PendingPayMode, Qt::CaseInsensitive) == 0 && !isVoid;
}

namespace billingdetail {

namespace {

int lineOrder(const QString& lineNumber) {
    bool ok = false;
    const int n = lineNumber.toInt(&ok);
    return ok ? n : 1000000;
}

BillLine lineFromRow(const Row& r) {
    BillLine l;
    l.billNumber = r.text(QStringLiteral("BillBBillA"));
    l.lineNumber = r.text(QStringLiteral("BillNoItem"));
    l.item = r.text(QStringLiteral("Item"));
    l.quantity = static_cast<int>(r.integer(QStringLiteral("Quantity")));
    l.price = r.money(QStringLiteral("SalesPrice"));
    l.sumItem = r.money(QStringLiteral("SumItem"));
    l.discountPercent = static_cast<int>(r.integer(QStringLiteral("ItemDiscPerc")));
    l.amount = r.money(QStringLiteral("ItemsPayment"));
    l.itemCost = r.money(QStringLiteral("ItemCost"));
    l.orderDate = r.dateTime(QStringLiteral("OrderDate"));
    return l;
}

QString lineNumberText(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

bool IsMiscellaneous(const QString& item) {
    return item.compare(MiscellaneousItem, Qt::CaseInsensitive) == 0;
}

QString UserName(const ProgramState& state) {
    return CapitalizeName(state.currentUserName);
}

BillHeader HeaderFromRow(const Row& r) {
    BillHeader b;
    b.number = r.text(QStringLiteral("BillABillA"));
    b.table = r.text(QStringLiteral("Table"));
    b.waiter = r.text(QStringLiteral("Waiter"));
    b.alias = r.text(QStringLiteral("CustomerName"));
    b.account = r.text(QStringLiteral("StackerBill"));
    b.vip = r.boolean(QStringLiteral("VIP"));
    b.inDate = r.dateTime(QStringLiteral("InDate"));
    b.billDate = r.dateTime(QStringLiteral("BillDate"));
    b.payMode = r.text(QStringLiteral("PayMode"));
    b.pax = r.text(QStringLiteral("Sec5"));
    b.firstPrint = r.boolean(QStringLiteral("FirstPrint"));
    b.printBill = r.boolean(QStringLiteral("PrintBill"));
    b.authorizationLock = r.boolean(QStringLiteral("Sec1"));
    b.serviceChargeCancelled = r.boolean(QStringLiteral("Sec2"));
    b.isVoid = r.boolean(QStringLiteral("Void"));
    b.billMax = r.money(QStringLiteral("Sec4_Bill_Max"));
    b.remark = r.text(QStringLiteral("BillRemark"));
    b.netPayment = r.money(QStringLiteral("NetPayment"));
    return b;
}

std::optional<BillHeader> ReadBill(Database& db, const QString& number) {
    const auto row = db.queryOne(QStringLiteral("SELECT * FROM BillA WHERE BillABillA = ?"), {number});
    if (!row)
        return std::nullopt;
    return HeaderFromRow(*row);
}

std::optional<BillHeader> ReadOpenBill(Database& db, const QString& number) {
    auto bill = ReadBill(db, number);
    if (!bill || !bill->isOpen())
        return std::nullopt;
    return bill;
}

std::vector<BillLine> ReadLines(Database& db, const QString& bill, const QDateTime& from) {
    Rows rows = from.isValid()
                    ? db.query(QStringLiteral("SELECT * FROM BillB WHERE BillBBillA = ? AND OrderDate >= ?"),
                               {bill, from})
                    : db.query(QStringLiteral("SELECT * FROM BillB WHERE BillBBillA = ?"), {bill});
    std::vector<BillLine> lines;
    lines.reserve(rows.size());
    for (const Row& r : rows)
        lines.push_back(lineFromRow(r));
    std::stable_sort(lines.begin(), lines.end(), [](const BillLine& a, const BillLine& b) {
        if (a.orderDate != b.orderDate)
            return a.orderDate < b.orderDate;
        return lineOrder(a.lineNumber) < lineOrder(b.lineNumber);
    });
    return lines;
}

int CountLines(Database& db, const QString& bill) {
    return db.scalar(QStringLiteral("SELECT count(*) FROM BillB WHERE BillBBillA = ?"), {bill}).toInt();
}

void InsertLine(Database& db, const BillLine& l) {
    db.exec(QStringLiteral(
                "INSERT INTO BillB (BillBBillA, BillNoItem, %1, Quantity, SalesPrice, SumItem, "
                "ItemDiscPerc, ItemsPayment, ItemCost, OrderDate) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                .arg(SqlName(QStringLiteral("Item"))),
            {l.billNumber, l.lineNumber, l.item, l.quantity, QVariant::fromValue(l.price),
             QVariant::fromValue(l.sumItem), l.discountPercent, QVariant::fromValue(l.amount),
             QVariant::fromValue(l.itemCost), l.orderDate});
}

void DeleteLine(Database& db, const QString& bill, const QString& lineNumber) {
    db.exec(QStringLiteral("DELETE FROM BillB WHERE BillBBillA = ? AND BillNoItem = ?"), {bill, lineNumber});
}

void SetLineQuantity(Database& db, const BillLine& line, int quantity) {
    db.exec(QStringLiteral(
                "UPDATE BillB SET Quantity = ?, SumItem = ?, ItemsPayment = ? WHERE BillBBillA = ? AND "
                "BillNoItem = ?"),
            {quantity, QVariant::fromValue(line.price.times(quantity)),
             QVariant::fromValue(LineAmount(line.price, quantity, line.discountPercent)), line.billNumber,
             line.lineNumber});
}

QString SpareLineNumber(Database& db, const QString& bill) {
    int highest = 0;
    for (const Row& r : db.query(QStringLiteral("SELECT BillNoItem FROM BillB WHERE BillBBillA = ?"), {bill}))
        highest = std::max(highest, lineOrder(r.text(QStringLiteral("BillNoItem"))) % 1000000);
    return lineNumberText(highest + 1);
}

void RenumberLines(Database& db, const QString& bill) {
    std::vector<BillLine> lines = ReadLines(db, bill);
    bool inOrder = true;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].lineNumber != lineNumberText(static_cast<int>(i) + 1))
            inOrder = false;
    }
    if (inOrder)
        return;
    db.exec(QStringLiteral("DELETE FROM BillB WHERE BillBBillA = ?"), {bill});
    for (size_t i = 0; i < lines.size(); ++i) {
        lines[i].lineNumber = lineNumberText(static_cast<int>(i) + 1);
        InsertLine(db, lines[i]);
    }
}

std::optional<BillLine> FindShownLine(const std::vector<BillLine>& lines, const BillLineRef& ref) {
    for (const BillLine& l : lines) {
        if (l.lineNumber == ref.lineNumber && l.item.compare(ref.item, Qt::CaseInsensitive) == 0 &&
            l.price == ref.price && l.discountPercent == ref.discountPercent && l.quantity == ref.quantity)
            return l;
    }
    return std::nullopt;
}

void SetChanged(Database& db, const QString& bill) {
    db.exec(QStringLiteral("UPDATE BillA SET FirstPrint = ?, Sec1 = ? WHERE BillABillA = ?"),
            {false, false, bill});
}

void Show(Prompter& prompter, const BillingMessage::Text& message) {
    prompter.showMessage(message.text, message.caption, Prompter::Icon::Exclamation);
}

bool AskYesNo(Prompter& prompter, const BillingMessage::Text& question) {
    return prompter.ask(question.text, question.caption, Prompter::Buttons::YesNo,
                        Prompter::Icon::Question) == Prompter::Answer::Yes;
}

BillingOutcome ReportClosed(Prompter& prompter) {
    Show(prompter, BillingMessage::AccountClosedMeanwhile());
    return BillingOutcome::BillClosed;
}

BillingOutcome ReportChanged(Prompter& prompter) {
    Show(prompter, BillingMessage::AccountChangedMeanwhile());
    return BillingOutcome::BillChanged;
}

BillingOutcome Refuse(Prompter& prompter, const BillingMessage::Text& message) {
    Show(prompter, message);
    return BillingOutcome::Refused;
}

} // namespace billingdetail
} // namespace vantorel
