#pragma once

#include "Money.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

namespace vantorel {

// Column names of a result, looked up without regard to case.
class ColumnIndex {
public:
    explicit ColumnIndex(QStringList names);
    const QStringList& names() const { return m_names; }
    // -1 when there is no such column.
    int indexOf(const QString& name) const;

private:
    QStringList m_names;
    QHash<QString, int> m_byLowerName;
};

// One row of a result. Typed accessors convert whatever the engine returned; a NULL reads as the type's
// empty value (empty text, 0, false, the empty date). An unknown column name throws DatabaseError.
class Row {
public:
    Row(std::shared_ptr<const ColumnIndex> columns, std::vector<QVariant> values);

    int columnCount() const { return static_cast<int>(m_values.size()); }
    const QStringList& columnNames() const { return m_columns->names(); }
    bool has(const QString& column) const { return m_columns->indexOf(column) >= 0; }

    const QVariant& value(const QString& column) const;
    const QVariant& value(int index) const { return m_values.at(static_cast<size_t>(index)); }
    bool isNull(const QString& column) const { return value(column).isNull(); }

    QString text(const QString& column) const;
    qint64 integer(const QString& column) const;
    Money money(const QString& column) const;
    bool boolean(const QString& column) const;
    double number(const QString& column) const;
    QDateTime dateTime(const QString& column) const;

private:
    std::shared_ptr<const ColumnIndex> m_columns;
    std::vector<QVariant> m_values;
};

using Rows = std::vector<Row>;

} // namespace vantorel
