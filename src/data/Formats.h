#pragma once

#include "Money.h"

#include <QChar>
#include <QDateTime>
#include <QLocale>
#include <QString>

namespace vantorel {

// The program's own number and date formats. Every text conversion of amounts and dates relies on these,
// whatever the system's regional settings are; the system's settings are never changed.
namespace ProgramFormat {
inline const QString CurrencySymbol = QStringLiteral("$");
inline constexpr int CurrencyDecimals = 2;
inline constexpr QChar DecimalSeparator = QLatin1Char('.');
inline constexpr QChar ThousandSeparator = QLatin1Char(',');
inline constexpr QChar DateSeparator = QLatin1Char('/');
// In Qt's notation.
inline const QString ShortDateFormat = QStringLiteral("dd/MM/yyyy");
inline const QString LongDateFormat = QStringLiteral("dddd, dd/MMMM/yyyy");
inline const QString LongTimeFormat = QStringLiteral("HH:mm:ss");
inline const QString ShortTimeFormat = QStringLiteral("HH:mm");
} // namespace ProgramFormat

// English names, "." for decimals and "," for thousands.
QLocale ProgramLocale();

// Makes the program's locale the process default, so that widgets that format numbers and dates by the
// default locale follow the program's formats instead of the system's.
void ApplyFormatSettings();

// Symbol, blank, amount: "$ 1,234.50".
QString FormatCurrency(Money amount);

// Translates a date/time pattern of the Windows-era notation ("dddd, dd mmmm  hh:nn:ss") into Qt's
// ("dddd, dd MMMM  hh:mm:ss"): "nn" and an "m" that follows an hour are minutes, "mmm"/"mmmm" month names,
// "yy" (or "y") a two-digit year and "yyy" or more four digits, "ddddd"/"dddddd" the short and long date,
// "c" short date and long time, "t"/"tt" short and long time, "am/pm" the half-day marker, text in single
// or double quotes literal. Literal letters come out quoted so that Qt does not read them as fields.
QString VclToQtDateTimeFormat(const QString& vclPattern);

// Formats with a pattern of the Windows-era notation, day and month names always in English.
QString FormatDateTimeVcl(const QDateTime& at, const QString& vclPattern);
QString FormatDateVcl(const QDate& day, const QString& vclPattern);

} // namespace vantorel
