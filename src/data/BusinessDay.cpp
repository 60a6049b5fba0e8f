#include "BusinessDay.h"

#include "Clock.h"

namespace vantorel {

namespace {
const QString kFormat = QStringLiteral("dd/MM/yy HH:mm:ss");
}

QDateTime BusinessDayStartAt(const QDateTime& now) {
    const QDate day = now.time().hour() < 6 ? now.date().addDays(-1) : now.date();
    return QDateTime(day, QTime(6, 0));
}

QDateTime BusinessDayEndAt(const QDateTime& now) { return BusinessDayStartAt(now).addDays(1); }

QString BusinessDayStart(const Clock& clock) { return BusinessDayStartAt(clock.now()).toString(kFormat); }
QString BusinessDayEnd(const Clock& clock) { return BusinessDayEndAt(clock.now()).toString(kFormat); }

} // namespace vantorel
