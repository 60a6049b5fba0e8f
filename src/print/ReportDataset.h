#pragma once

#include "Row.h"

#include <QHash>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace vantorel {

// The rows a template is bound to: named columns (looked up without regard to case) holding typed values:
// Money for currency, QDateTime, bool, double, qint64 or QString.
class ReportDataset {
public:
    ReportDataset() = default;
    explicit ReportDataset(const QStringList& columns);

    // Rows read from the database, each column typed by the schema of the tables the query read
    // (currency columns come back as Money, not as stored units).
    static ReportDataset fromRows(const Rows& rows, const QStringList& tables);

    const QStringList& columns() const { return m_columns; }
    int columnIndex(const QString& name) const { return m_index.value(name.toLower(), -1); }
    bool hasColumn(const QString& name) const { return columnIndex(name) >= 0; }
    // Adds the column (empty in every row) unless it exists; returns its index.
    int addColumn(const QString& name);

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    // Values in column order; missing trailing values are empty.
    void appendRow(std::vector<QVariant> values);
    // An invalid QVariant when the column does not exist.
    QVariant value(int row, const QString& column) const;
    const QVariant& value(int row, int column) const {
        return m_rows.at(static_cast<size_t>(row)).at(column);
    }
    // Adds the column when it is missing.
    void setValue(int row, const QString& column, const QVariant& value);

private:
    QStringList m_columns;
    QHash<QString, int> m_index;
    std::vector<std::vector<QVariant>> m_rows;
};

} // namespace vantorel
