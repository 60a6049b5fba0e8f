#include "ReceiptDataset.h"

#include "Database.h"
#include "Money.h"
#include "SqlNames.h"

namespace vantorel {

namespace {

void prepare(ReportDataset& data, const ReceiptOptions& options) {
    bool setMenu = false;
    for (int r = 0; r < data.rowCount(); ++r) {
        if (data.value(r, QStringLiteral("Item")).toString().trimmed().endsWith(QLatin1Char('*')))
            setMenu = true;
    }
    for (int r = 0; r < data.rowCount(); ++r) {
        if (options.paxOnReceipt) {
            data.setValue(r, QStringLiteral("Table"),
                          PaxLabel(data.value(r, QStringLiteral("Table")).toString(),
                                   data.value(r, QStringLiteral("Sec5")).toString()));
        }
        if (options.setMenusInUse)
            data.setValue(r, QStringLiteral("AdjNo"), setMenu ? QStringLiteral("* Set Menu") : QString());
        const Money sum = data.value(r, QStringLiteral("SumItem")).value<Money>();
        const Money paid = data.value(r, QStringLiteral("ItemsPayment")).value<Money>();
        data.setValue(r, QStringLiteral("LineDiscount"), QVariant::fromValue(sum - paid));
    }
}

} // namespace

QString PaxLabel(const QString& table, const QString& pax) {
    const QString guests = pax.trimmed();
    return guests.isEmpty() ? table : table + QStringLiteral(" / ") + guests;
}

ReportDataset ReceiptDataset(Database& db, const QString& bill, const ReceiptOptions& options) {
    const Rows rows = db.query(QStringLiteral("SELECT * FROM BillA, BillB, Utility WHERE BillB.BillBBillA = "
                                              "BillA.BillABillA AND BillA.BillABillA = ? AND BillA.%1 = ? "
                                              "ORDER BY BillB.BillNoItem")
                                   .arg(SqlName(QStringLiteral("Void"))),
                               {bill, false});
    ReportDataset data = ReportDataset::fromRows(
        rows, {QStringLiteral("BillA"), QStringLiteral("BillB"), QStringLiteral("Utility")});
    prepare(data, options);
    return data;
}

ReportDataset CustomerStatementDataset(Database& db, const QString& bill, const QDateTime& dayStart,
                                       const QDateTime& dayEnd, const ReceiptOptions& options) {
    const Rows rows =
        db.query(QStringLiteral("SELECT * FROM BillA, BillB, Utility, StackedBill WHERE BillB.BillBBillA = "
                                "BillA.BillABillA AND BillA.BillABillA = ? AND StackedBill.Customer = "
                                "BillA.StackerBill AND BillA.%1 = ? AND BillB.OrderDate >= ? AND "
                                "BillB.OrderDate < ? ORDER BY BillB.BillNoItem")
                     .arg(SqlName(QStringLiteral("Void"))),
                 {bill, false, dayStart, dayEnd});
    ReportDataset data =
        ReportDataset::fromRows(rows, {QStringLiteral("BillA"), QStringLiteral("BillB"),
                                       QStringLiteral("Utility"), QStringLiteral("StackedBill")});
    prepare(data, options);
    return data;
}

} // namespace vantorel
