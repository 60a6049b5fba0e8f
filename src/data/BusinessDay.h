#pragma once

#include <QDateTime>
#include <QString>

namespace vantorel {

class Clock;

// A business day runs from 06:00 to 06:00 of the next calendar day; every "today" means the business day.
QDateTime BusinessDayStartAt(const QDateTime& now);
QDateTime BusinessDayEndAt(const QDateTime& now);

// The same limits as text "dd/mm/yy hh:nn:ss" (day first), for display and for stored texts.
QString BusinessDayStart(const Clock& clock);
QString BusinessDayEnd(const Clock& clock);

} // namespace vantorel
