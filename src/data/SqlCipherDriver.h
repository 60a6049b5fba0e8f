#pragma once

#include "Driver.h"

#include <QHash>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace vantorel {

class FileLock;

// The embedded engine: one SQLCipher file, encrypted with the program's key.
class SqlCipherDriver final : public Driver {
public:
    // Opens (or, with create, makes) the file; throws DatabaseError on a wrong key, a file that is not a
    // database, or a library that does not encrypt. Holds a shared lock on the file while open, so that
    // compaction knows the file is in use.
    static std::unique_ptr<SqlCipherDriver> open(const QString& path, bool create);
    ~SqlCipherDriver() override;

    QString engineName() const override { return QStringLiteral("SQLCipher"); }
    QString location() const override { return m_path; }

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
    void continueAutoNumber(const QString&, const QString&) override {} // AUTOINCREMENT follows inserted numbers

    sqlite3* handle() const { return m_db; }

    // Opens without taking the in-use lock; for the compaction of a file it has locked itself.
    static std::unique_ptr<SqlCipherDriver> openUnlocked(const QString& path);

private:
    SqlCipherDriver(QString path, sqlite3* db);
    static std::unique_ptr<SqlCipherDriver> openImpl(const QString& path, bool create, bool lock);
    sqlite3_stmt* prepare(const QString& sql);
    void bindAll(sqlite3_stmt* stmt, const QVariantList& params);
    [[noreturn]] void fail(int rc, const QString& what);
    void execPlain(const char* sql);

    QString m_path;
    sqlite3* m_db = nullptr;
    QHash<QString, sqlite3_stmt*> m_statements;
    std::unique_ptr<FileLock> m_lock;
};

} // namespace vantorel
