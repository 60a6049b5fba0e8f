#pragma once

#include <QDateTime>
#include <QString>

namespace vantorel {

// Date-times are stored as "yyyy-MM-dd hh:mm:ss" text in local time, so that they sort and compare
// as text in every engine. The empty date is 30/12/1899 00:00.
QDateTime EmptyDate();
bool isEmptyDate(const QDateTime& dt);
QString toStorageText(const QDateTime& dt);
QDateTime fromStorageText(const QString& text);

} // namespace vantorel
