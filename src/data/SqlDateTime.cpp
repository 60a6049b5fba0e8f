#include "SqlDateTime.h"

namespace vantorel {

namespace {
const QString kStorageFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
}

QDateTime EmptyDate() { return QDateTime(QDate(1899, 12, 30), QTime(0, 0)); }

bool isEmptyDate(const QDateTime& dt) { return !dt.isValid() || dt == EmptyDate(); }

QString toStorageText(const QDateTime& dt) {
    if (!dt.isValid())
        return toStorageText(EmptyDate());
    return dt.toString(kStorageFormat);
}

QDateTime fromStorageText(const QString& text) {
    if (text.isEmpty())
        return EmptyDate();
    QDateTime dt = QDateTime::fromString(text.left(19), kStorageFormat);
    if (!dt.isValid())
        dt = QDateTime::fromString(text, Qt::ISODate);
    return dt.isValid() ? dt : EmptyDate();
}

} // namespace vantorel
