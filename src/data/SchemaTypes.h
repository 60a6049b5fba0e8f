#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace vantorel {

enum class ColumnType { Text, Integer, Money, Number, Boolean, DateTime, AutoNumber };

struct ColumnDef {
    QString name;
    ColumnType type;
};

struct IndexDef {
    QStringList columns;
    bool unique = false;
};

struct TableDef {
    QString name;
    std::vector<ColumnDef> columns;
    std::vector<IndexDef> indexes;
};

} // namespace vantorel
