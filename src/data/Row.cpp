#include "Row.h"

#include "DatabaseError.h"
#include "SqlDateTime.h"

#include <cmath>

namespace vantorel {

ColumnIndex::ColumnIndex(QStringList names) : m_names(std::move(names)) {
    for (int i = 0; i < m_names.size(); ++i) {
        const QString key = m_names[i].toLower();
        if (!m_byLowerName.contains(key))
            m_byLowerName.insert(key, i);
    }
}

int ColumnIndex::indexOf(const QString& name) const { return m_byLowerName.value(name.toLower(), -1); }

Row::Row(std::shared_ptr<const ColumnIndex> columns, std::vector<QVariant> values)
    : m_columns(std::move(columns)), m_values(std::move(values)) {}

const QVariant& Row::value(const QString& column) const {
    const int i = m_columns->indexOf(column);
    if (i < 0)
        throw DatabaseError(QStringLiteral("No column named \"%1\" in the result.").arg(column));
    return m_values[static_cast<size_t>(i)];
}

QString Row::text(const QString& column) const {
    const QVariant& v = value(column);
    return v.isNull() ? QString() : v.toString();
}

qint64 Row::integer(const QString& column) const {
    const QVariant& v = value(column);
    if (v.isNull())
        return 0;
    if (v.typeId() == QMetaType::Double)
        return static_cast<qint64>(std::llround(v.toDouble()));
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    if (ok)
        return n;
    return static_cast<qint64>(std::llround(v.toString().trimmed().toDouble()));
}

Money Row::money(const QString& column) const {
    const QVariant& v = value(column);
    if (v.isNull())
        return Money();
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::ULongLong:
    case QMetaType::UInt:
        return Money::fromUnits(v.toLongLong());
    case QMetaType::Double:
        return Money::fromDouble(v.toDouble());
    default:
        break;
    }
    // Engines that return text hand over the stored units.
    bool ok = false;
    const qint64 units = v.toString().toLongLong(&ok);
    return ok ? Money::fromUnits(units) : Money::parse(v.toString()).value_or(Money());
}

bool Row::boolean(const QString& column) const {
    const QVariant& v = value(column);
    if (v.isNull())
        return false;
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed().toLower();
        return s == QLatin1String("t") || s == QLatin1String("true") || s == QLatin1String("1") ||
               s == QLatin1String("-1") || s == QLatin1String("yes");
    }
    return v.toLongLong() != 0;
}

double Row::number(const QString& column) const {
    const QVariant& v = value(column);
    return v.isNull() ? 0.0 : v.toDouble();
}

QDateTime Row::dateTime(const QString& column) const {
    const QVariant& v = value(column);
    if (v.isNull())
        return EmptyDate();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    return fromStorageText(v.toString());
}

} // namespace vantorel
