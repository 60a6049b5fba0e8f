#include "Database.h"

#include "ConnectionString.h"
#include "DatabaseError.h"
#include "Schema.h"
#include "UnitOfWork.h"
#include "PostgresDriver.h"
#include "SqlCipherDriver.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace vantorel {

Database::Database(std::unique_ptr<Driver> driver) : m_driver(std::move(driver)) {}

Database::~Database() {
    if (m_depth > 0) {
        try {
            m_driver->rollback();
        } catch (...) {
        }
    }
}

std::unique_ptr<Database> Database::open(const ConnectionString& where) {
    std::unique_ptr<Database> db;
    if (where.engine == ConnectionString::Engine::Postgres) {
        auto driver = PostgresDriver::open(where.server.conninfo());
        PostgresDriver& pg = *driver;
        db = std::make_unique<Database>(std::move(driver));
        if (db->driver().schemaVersion() == CurrentSchemaVersion)
            pg.makeScratchTablesPrivate();
    } else {
        db = std::make_unique<Database>(SqlCipherDriver::open(where.filePath, false));
    }
    const int version = db->driver().schemaVersion();
    if (version != CurrentSchemaVersion)
        throw DatabaseError(QStringLiteral("The database %1 has schema version %2; this program needs version %3.")
                                .arg(where.toString())
                                .arg(version)
                                .arg(CurrentSchemaVersion));
    return db;
}

std::unique_ptr<Database> Database::create(const ConnectionString& where,
                                           const std::function<void(Database&)>& fill) {
    auto build = [&](Database& db) {
        UnitOfWork work(db);
        CreateSchema(db);
        if (fill)
            fill(db);
        work.commit();
    };
    std::unique_ptr<Database> db;
    if (where.engine == ConnectionString::Engine::Postgres) {
        auto driver = PostgresDriver::open(where.server.conninfo());
        PostgresDriver& pg = *driver;
        db = std::make_unique<Database>(std::move(driver));
        if (!db->driver().tableNames().isEmpty())
            throw DatabaseError(QStringLiteral("%1 already holds tables; it was left unchanged.").arg(where.toString()));
        pg.prepareNewDatabase();
        build(*db);
        pg.makeScratchTablesPrivate();
        return db;
    }
    if (QFileInfo::exists(where.filePath))
        throw DatabaseError(QStringLiteral("A database already exists at %1; it was left unchanged.").arg(where.filePath));
    // Built under a temporary name and renamed when complete: a half-made database never appears under the
    // real name, whatever fails on the way.
    const QString partial = where.filePath + QStringLiteral(".partial");
    auto removePartial = [&] {
        for (const char* suffix : {"", "-wal", "-shm", "-journal", ".lock"})
            QFile::remove(partial + QString::fromLatin1(suffix));
    };
    removePartial();
    try {
        Database building(SqlCipherDriver::open(partial, true));
        build(building);
    } catch (...) {
        removePartial();
        throw;
    }
    const bool moved =
        std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(where.filePath).constData()) == 0;
    removePartial();
    if (!moved)
        throw DatabaseError(QStringLiteral("Cannot move the new database into place at %1.").arg(where.filePath));
    return open(where);
}

Rows Database::query(const QString& sql, const QVariantList& params) {
    if (m_hook)
        m_hook(sql);
    return m_driver->query(sql, params);
}

std::optional<Row> Database::queryOne(const QString& sql, const QVariantList& params) {
    Rows rows = query(sql, params);
    if (rows.empty())
        return std::nullopt;
    return std::move(rows.front());
}

QVariant Database::scalar(const QString& sql, const QVariantList& params) {
    const auto row = queryOne(sql, params);
    if (!row || row->columnCount() == 0)
        return {};
    return row->value(0);
}

qint64 Database::exec(const QString& sql, const QVariantList& params) {
    if (m_hook)
        m_hook(sql);
    return m_driver->execute(sql, params);
}

void Database::beginWork() {
    if (m_depth == 0) {
        m_driver->begin();
        m_rollbackOnly = false;
    }
    ++m_depth;
}

void Database::endWork(bool commit) {
    if (m_depth <= 0)
        return;
    if (!commit)
        m_rollbackOnly = true;
    if (--m_depth > 0)
        return;
    if (m_rollbackOnly) {
        m_driver->rollback();
        if (commit)
            throw DatabaseError(QStringLiteral("The action was not saved because part of it failed."));
        return;
    }
    try {
        m_driver->commit();
    } catch (...) {
        try {
            m_driver->rollback();
        } catch (...) {
        }
        throw;
    }
}

} // namespace vantorel
