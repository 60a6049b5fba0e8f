#pragma once

#include <QDateTime>
#include <QString>

namespace vantorel {

class Clock;
class Database;

// The number that follows `last` in the year of `now`: "yy" + six digits. A number of another year (or
// none) starts the year at "yy000001".
QString NextBillNumber(const QString& last, const QDateTime& now);

// The next bill number as a screen shows it before the bill is opened. Opening the bill reserves the
// number inside its own transaction, so the bill may get a later one when another workstation was quicker.
QString GetNextBillNumber(Database& db, const Clock& clock);

// Raises Utility.BillA to the highest stored bill number; never lowers it.
void SyncLastBillNumber(Database& db);

// Inside the caller's transaction: the number for a new bill, above both Utility.BillA and every stored
// number of the year, and recorded as the last number issued.
QString ReserveBillNumber(Database& db, const Clock& clock);

} // namespace vantorel
