#pragma once

#include "Driver.h"

#include <memory>

struct pg_conn;

namespace vantorel {

// A PostgreSQL server shared by several workstations, through libpq.
class PostgresDriver final : public Driver {
public:
    // Connects with a libpq connection string ("host=... port=... dbname=... user=..."); the password comes
    // from libpq's own sources (.pgpass, service file, environment). Throws DatabaseError naming the server.
    static std::unique_ptr<PostgresDriver> open(const QString& conninfo);
    ~PostgresDriver() override;

    QString engineName() const override { return QStringLiteral("PostgreSQL"); }
    QString location() const override { return m_location; }

    Rows query(const QString& sql, const QVariantList& params) override;
    qint64 execute(const QString& sql, const QVariantList& params) override;
    qint64 lastInsertId() override;

    void begin() override;
    void commit() override;
    void rollback() override;

    QString columnDefinition(const ColumnDef& column) const override;
    QString createName(const QString& name) const override;
    QStringList tableNames() override;
    QStringList columnNames(const QString& table) override;
    int schemaVersion() override;
    void setSchemaVersion(int version) override;

    void continueAutoNumber(const QString& table, const QString& column) override;

    // Statements run before the schema is created (the case-insensitive text type).
    void prepareNewDatabase();
    // Makes the scratch tables private to this connection.
    void makeScratchTablesPrivate();

private:
    explicit PostgresDriver(pg_conn* conn, QString location);
    struct Result;
    Result run(const QString& sql, const QVariantList& params);

    pg_conn* m_conn = nullptr;
    QString m_location;
    bool m_inTransaction = false;
};

// "?" placeholders become "$1", "$2", ... outside quoted text and names.
QString NumberPlaceholders(const QString& sql);

} // namespace vantorel
