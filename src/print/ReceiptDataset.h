#pragma once

#include "ReportDataset.h"

#include <QDateTime>
#include <QString>

namespace vantorel {

class Database;

// How a receipt's dataset is prepared. The pax and the set-menu note are fields of the dataset only:
// BillA.Table and Utility.AdjNo are never written, so a crash while printing or another workstation never
// sees a changed table label or note.
struct ReceiptOptions {
    bool paxOnReceipt = false;  // Utility.Delay "1": the table prints as "12 / 4"
    bool setMenusInUse = false; // the set-menu note is "* Set Menu" when a line is a set menu, else empty
};

// "12 / 4" for table "12" and pax "4"; the table alone when no pax was recorded.
QString PaxLabel(const QString& table, const QString& pax);

// One row per line of the bill (void bills have none), ordered by line number, each carrying the bill's
// header and the settings record (business name and address, the two remark lines), plus LineDiscount
// (SumItem - ItemsPayment) for the templates.
ReportDataset ReceiptDataset(Database& db, const QString& bill, const ReceiptOptions& options);

// The customer-account statement: the receipt's rows for the lines booked in the business day
// [dayStart, dayEnd), each also carrying the account (StackedBill).
ReportDataset CustomerStatementDataset(Database& db, const QString& bill, const QDateTime& dayStart,
                                       const QDateTime& dayEnd, const ReceiptOptions& options);

} // namespace vantorel
