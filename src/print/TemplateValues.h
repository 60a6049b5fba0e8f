#pragma once

#include "ReportTemplate.h"

#include <QDateTime>
#include <QVariant>
#include <memory>
#include <optional>

namespace vantorel {

// What a line of a band can see: the current row's columns, sums and counts over the band's rows,
// the page number and the time of printing.
class ValueScope {
public:
    virtual ~ValueScope() = default;
    virtual QVariant column(const QString& name) const = 0;
    virtual QVariant sum(const QString& column) const = 0;
    virtual int count() const = 0;
    virtual int page() const = 0;
    virtual QDateTime now() const = 0;
};

// A condition of a template line ("if ItemDiscPerc > 0 and ItemDiscPerc < 100:").
class Condition {
public:
    virtual ~Condition() = default;
    virtual bool test(const ValueScope& scope) const = 0;
};

// Parses the text between "if" and ":"; null with the reason in error when it cannot be read.
std::shared_ptr<const Condition> ParseCondition(const QString& text, QString* error);

// True for non-zero numbers and amounts, non-blank text, true, and dates other than the empty date.
bool IsTruthy(const QVariant& value);
// Amounts, numbers and texts that read as numbers; nullopt otherwise.
std::optional<double> NumericValue(const QVariant& value);
// Adds two values of a sum: amounts stay exact, other numbers add as numbers.
QVariant AddForSum(const QVariant& total, const QVariant& value);

// The text of a value in the given format: amounts as "1,234.50", numbers without needless decimals,
// dates as dd/MM/yyyy (the empty date as nothing).
QString FormatFieldValue(const QVariant& value, const FieldFormat& format);

} // namespace vantorel
