#pragma once

#include "Row.h"
#include "SchemaTypes.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

namespace vantorel {

// One open connection to one database engine. Everything that differs between engines lives behind
// this interface: placeholders are always "?", text comparison is always without regard to case,
// values are bound, never pasted into the statement.
class Driver {
public:
    virtual ~Driver() = default;

    virtual QString engineName() const = 0;
    // Human-readable name of what is open (file path or server), for messages.
    virtual QString location() const = 0;

    virtual Rows query(const QString& sql, const QVariantList& params) = 0;
    // Returns the number of rows changed.
    virtual qint64 execute(const QString& sql, const QVariantList& params) = 0;
    virtual qint64 lastInsertId() = 0;

    // Starts a transaction that intends to write; concurrent writers wait for each other.
    virtual void begin() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;

    // Schema support.
    // How a table, column or index name is written when it is created.
    virtual QString createName(const QString& name) const = 0;
    virtual QString columnDefinition(const ColumnDef& column) const = 0;
    virtual QStringList tableNames() = 0;
    virtual QStringList columnNames(const QString& table) = 0;
    virtual int schemaVersion() = 0;
    virtual void setSchemaVersion(int version) = 0;
    // After rows were copied in with their own numbers: new rows continue after the highest.
    virtual void continueAutoNumber(const QString& table, const QString& column) = 0;
};

} // namespace vantorel
