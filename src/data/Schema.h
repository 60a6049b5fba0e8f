#pragma once

#include "SchemaTypes.h"

namespace vantorel {

class Database;

// Raise when a table, column or index is added; an older database is refused rather than misread.
constexpr int CurrentSchemaVersion = 1;

const std::vector<TableDef>& SchemaTables();
const TableDef* FindTable(const QString& name);

// Creates every table and index in an empty database inside one transaction.
void CreateSchema(Database& db);

} // namespace vantorel
