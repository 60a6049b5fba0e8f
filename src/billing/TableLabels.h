#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vantorel {

class Database;

// A table label is the table number, at least two digits ("05"), followed by one lower-case letter when
// several open bills share the table ("05a" ... "05z"). "SB" marks a parked customer-account bill.

// The table number of a label ("07b" -> "07"); empty for "SB".
QString TableOfLabel(const QString& label);
// The letter of a label, or a null QChar.
QChar LetterOfLabel(const QString& label);
// The label as screens show it, without the leading zero ("05a" -> "5a").
QString TableDisplayLabel(const QString& label);

// What a typed table number becomes: its digits without leading zeros, padded to two digits.
struct TableInput {
    QString table; // empty when refused
    enum class Problem { None, Empty, Zero, TooLong, NotANumber } problem = Problem::None;
};
TableInput ParseTableInput(const QString& typed);

// Where a new bill goes on a table, given the labels of the open bills: the plain label when the table is
// free, else the next free letter, renaming a bill that holds the plain label to a letter first.
// An empty label means the table already holds 26 bills.
struct TablePlacement {
    QString label;
    QString renamePlainTo; // the new label of the bill that holds the plain table label, if it must change
};
TablePlacement PlaceOnTable(const QStringList& openLabels, const QString& table);

// The label a new bill on `table` gets, or empty when the table holds 26 bills.
QString GetTableNum(const QStringList& openLabels, const QString& table);
QString GetTableNum(Database& db, const QString& table);

// Labels of the open bills at tables (not parked customer bills), as stored.
QStringList OpenTableLabels(Database& db);

} // namespace vantorel
