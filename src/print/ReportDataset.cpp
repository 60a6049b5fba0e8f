#include "ReportDataset.h"

#include "Schema.h"

#include <optional>

namespace vantorel {

ReportDataset::ReportDataset(const QStringList& columns) {
    for (const QString& c : columns)
        addColumn(c);
}

int ReportDataset::addColumn(const QString& name) {
    const int existing = columnIndex(name);
    if (existing >= 0)
        return existing;
    m_columns << name;
    const int index = static_cast<int>(m_columns.size()) - 1;
    m_index.insert(name.toLower(), index);
    for (auto& row : m_rows)
        row.resize(m_columns.size());
    return index;
}

void ReportDataset::appendRow(std::vector<QVariant> values) {
    values.resize(m_columns.size());
    m_rows.push_back(std::move(values));
}

QVariant ReportDataset::value(int row, const QString& column) const {
    const int c = columnIndex(column);
    if (c < 0 || row < 0 || row >= rowCount())
        return QVariant();
    return m_rows[static_cast<size_t>(row)][static_cast<size_t>(c)];
}

void ReportDataset::setValue(int row, const QString& column, const QVariant& value) {
    const int c = addColumn(column);
    m_rows.at(static_cast<size_t>(row))[static_cast<size_t>(c)] = value;
}

ReportDataset ReportDataset::fromRows(const Rows& rows, const QStringList& tables) {
    if (rows.empty())
        return ReportDataset();
    const QStringList names = rows.front().columnNames();
    ReportDataset data(names);

    // The first table that has a column of that name gives its type, in the order the query named them.
    std::vector<std::optional<ColumnType>> types;
    for (const QString& name : names) {
        std::optional<ColumnType> type;
        for (const QString& table : tables) {
            const TableDef* def = FindTable(table);
            if (!def)
                continue;
            for (const ColumnDef& col : def->columns) {
                if (col.name.compare(name, Qt::CaseInsensitive) == 0) {
                    type = col.type;
                    break;
                }
            }
            if (type)
                break;
        }
        types.push_back(type);
    }

    for (const Row& row : rows) {
        std::vector<QVariant> values;
        values.reserve(names.size());
        for (int i = 0; i < names.size(); ++i) {
            const QString& name = names[i];
            if (!types[static_cast<size_t>(i)]) {
                values.push_back(row.value(i));
                continue;
            }
            switch (*types[static_cast<size_t>(i)]) {
            case ColumnType::Text:
                values.emplace_back(row.text(name));
                break;
            case ColumnType::Integer:
            case ColumnType::AutoNumber:
                values.emplace_back(row.integer(name));
                break;
            case ColumnType::Money:
                values.push_back(QVariant::fromValue(row.money(name)));
                break;
            case ColumnType::Number:
                values.emplace_back(row.number(name));
                break;
            case ColumnType::Boolean:
                values.emplace_back(row.boolean(name));
                break;
            case ColumnType::DateTime:
                values.emplace_back(row.dateTime(name));
                break;
            }
        }
        data.appendRow(std::move(values));
    }
    return data;
}

} // namespace vantorel
