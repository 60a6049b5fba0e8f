#pragma once

#include "BillingMessages.h"
#include "BillingTypes.h"
#include "Row.h"

#include <QDateTime>
#include <optional>
#include <vector>

namespace vantorel {

class Database;
class Prompter;
struct ProgramState;

// Reading and writing bill rows, shared by the billing operations. Writers run inside the caller's unit of
// work; nothing here opens a transaction or asks the user anything.
namespace billingdetail {

inline const QString PendingPayMode = QStringLiteral("Pend");
inline const QString MiscellaneousItem = QStringLiteral("Miscellaneous");

bool IsMiscellaneous(const QString& item);

// The checked-in user's name as bills and events carry it.
QString UserName(const ProgramState& state);

std::optional<BillHeader> ReadBill(Database& db, const QString& number);
// The bill when it is still open (pending and not void).
std::optional<BillHeader> ReadOpenBill(Database& db, const QString& number);

// The bill's lines ordered by booking time (then line number); with `from` valid only lines booked at or
// after it.
std::vector<BillLine> ReadLines(Database& db, const QString& bill, const QDateTime& from = QDateTime());
int CountLines(Database& db, const QString& bill);

void InsertLine(Database& db, const BillLine& line);
void DeleteLine(Database& db, const QString& bill, const QString& lineNumber);
// Sets the quantity and recomputes the line's sum and amount.
void SetLineQuantity(Database& db, const BillLine& line, int quantity);
// A line number not used by any line of the bill, for a line that RenumberLines numbers properly.
QString SpareLineNumber(Database& db, const QString& bill);
// Numbers the lines 01, 02, ... by booking time. The lines have no key of their own, so a bill whose
// numbers are out of order is rewritten in order.
void RenumberLines(Database& db, const QString& bill);

// The stored line that still holds what the screen showed, or nullopt.
std::optional<BillLine> FindShownLine(const std::vector<BillLine>& lines, const BillLineRef& ref);

void SetChanged(Database& db, const QString& bill); // FirstPrint := false, Sec1 := false

void Show(Prompter& prompter, const BillingMessage::Text& message);
bool AskYesNo(Prompter& prompter, const BillingMessage::Text& question);
BillingOutcome ReportClosed(Prompter& prompter);
BillingOutcome ReportChanged(Prompter& prompter);
BillingOutcome Refuse(Prompter& prompter, const BillingMessage::Text& message);

BillHeader HeaderFromRow(const Row& row);

} // namespace billingdetail
} // namespace vantorel
