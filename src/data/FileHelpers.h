#pragma once

#include <QDateTime>
#include <QString>

namespace vantorel {

// Size in bytes; 0 when the file does not exist.
qint64 FileSizeOf(const QString& path);

// Last time the file was written; an invalid date-time when the file does not exist.
QDateTime FileDateOf(const QString& path);

} // namespace vantorel
