#include "DatabaseCopy.h"

#include "Database.h"
#include "DatabaseError.h"
#include "Schema.h"
#include "SqlNames.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace vantorel {

namespace {

bool isScratch(const QString& table) {
    static const QStringList scratch = {QStringLiteral("BarSlip"), QStringLiteral("Report"),
                                        QStringLiteral("ReportB"), QStringLiteral("ReportC")};
    return scratch.contains(table, Qt::CaseInsensitive);
}

QVariant typedValue(const Row& row, const ColumnDef& column) {
    if (row.isNull(column.name))
        return {};
    switch (column.type) {
    case ColumnType::Text:
        return row.text(column.name);
    case ColumnType::Integer:
    case ColumnType::AutoNumber:
        return row.integer(column.name);
    case ColumnType::Money:
        return QVariant::fromValue(row.money(column.name));
    case ColumnType::Number:
        return row.number(column.name);
    case ColumnType::Boolean:
        return row.boolean(column.name);
    case ColumnType::DateTime:
        return row.dateTime(column.name);
    }
    return {};
}

void copyRows(Database& source, Database& target,
              const std::function<void(const QString&, qint64)>& progress) {
    for (const TableDef& table : SchemaTables()) {
        if (isScratch(table.name))
            continue;
        QStringList names, marks;
        for (const ColumnDef& c : table.columns) {
            names << SqlName(c.name);
            marks << QStringLiteral("?");
        }
        const QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(SqlName(table.name), names.join(QStringLiteral(", ")),
                                        marks.join(QStringLiteral(", ")));
        const Rows rows = source.query(QStringLiteral("SELECT * FROM %1").arg(SqlName(table.name)));
        for (const Row& row : rows) {
            QVariantList values;
            values.reserve(qsizetype(table.columns.size()));
            for (const ColumnDef& c : table.columns)
                values << typedValue(row, c);
            target.exec(insert, values);
        }
        for (const ColumnDef& c : table.columns) {
            if (c.type == ColumnType::AutoNumber)
                target.driver().continueAutoNumber(table.name, c.name);
        }
        if (progress)
            progress(table.name, qint64(rows.size()));
    }
}

} // namespace

void CopyDatabase(const ConnectionString& from, const ConnectionString& to,
                  const std::function<void(const QString&, qint64)>& progress) {
    if (from == to)
        throw DatabaseError(QStringLiteral("The source and the target are the same database."));
    auto source = Database::open(from);
    Database::create(to, [&](Database& target) { copyRows(*source, target, progress); });
}

} // namespace vantorel
