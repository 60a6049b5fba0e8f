#pragma once

#include "Driver.h"
#include "Row.h"

#include <QVariantList>
#include <functional>
#include <memory>
#include <optional>

namespace vantorel {

struct ConnectionString;

// One connection: statements with bound parameters, and the transaction depth of UnitOfWork.
class Database {
public:
    explicit Database(std::unique_ptr<Driver> driver);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens what the connection string names; throws DatabaseError when it cannot be opened,
    // the key is wrong, or the file is not a database of this program.
    static std::unique_ptr<Database> open(const ConnectionString& where);
    // Creates a new database with the schema and, in the same transaction, the rows fill writes.
    // Refuses an existing file or a server database that already holds tables.
    static std::unique_ptr<Database> create(const ConnectionString& where,
                                            const std::function<void(Database&)>& fill = {});

    Rows query(const QString& sql, const QVariantList& params = {});
    std::optional<Row> queryOne(const QString& sql, const QVariantList& params = {});
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString& sql, const QVariantList& params = {});
    qint64 exec(const QString& sql, const QVariantList& params = {});
    qint64 lastInsertId() { return m_driver->lastInsertId(); }

    bool inTransaction() const { return m_depth > 0; }
    Driver& driver() { return *m_driver; }

    // Called before every statement; tests use it to make a statement fail part-way through an action.
    void setStatementHook(std::function<void(const QString& sql)> hook) { m_hook = std::move(hook); }

private:
    friend class UnitOfWork;
    void beginWork();
    void endWork(bool commit);

    std::unique_ptr<Driver> m_driver;
    std::function<void(const QString&)> m_hook;
    int m_depth = 0;
    bool m_rollbackOnly = false;
};

} // namespace vantorel
