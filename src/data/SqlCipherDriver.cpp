#include "SqlCipherDriver.h"

#include "DatabaseError.h"
#include "DatabaseKey.h"
#include "FileLock.h"
#include "SqlDateTime.h"
#include "SqlNames.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace vantorel {

namespace {

constexpr int kBusyTimeoutMs = 15000;
constexpr int kOpenLockWaitMs = 30000;
constexpr int kStatementCacheSize = 96;

bool isAscii(const char* s, int n) {
    for (int i = 0; i < n; ++i) {
        if (static_cast<unsigned char>(s[i]) >= 0x80)
            return false;
    }
    return true;
}

// Replaces SQLite's ASCII-only NOCASE so that "Ümit" and "ÜMIT" are the same name, as for "John".
int compareNoCase(void*, int n1, const void* p1, int n2, const void* p2) {
    const char* a = static_cast<const char*>(p1);
    const char* b = static_cast<const char*>(p2);
    if (isAscii(a, n1) && isAscii(b, n2)) {
        const int n = std::min(n1, n2);
        for (int i = 0; i < n; ++i) {
            int ca = static_cast<unsigned char>(a[i]);
            int cb = static_cast<unsigned char>(b[i]);
            if (ca >= 'A' && ca <= 'Z')
                ca += 32;
            if (cb >= 'A' && cb <= 'Z')
                cb += 32;
            if (ca != cb)
                return ca - cb;
        }
        return n1 - n2;
    }
    return QString::fromUtf8(a, n1).compare(QString::fromUtf8(b, n2), Qt::CaseInsensitive);
}

QString textArg(sqlite3_value* v) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? QString::fromUtf8(p, sqlite3_value_bytes(v)) : QString();
}

// LIKE with "%" and "_" that ignores case beyond ASCII as well.
bool likeMatch(QStringView pattern, QStringView text, QChar escape) {
    qsizetype p = 0, t = 0, starP = -1, starT = 0;
    auto same = [](QChar a, QChar b) { return a == b || QChar(a).toCaseFolded() == QChar(b).toCaseFolded(); };
    while (t < text.size()) {
        if (p < pattern.size()) {
            QChar pc = pattern[p];
            if (!escape.isNull() && pc == escape && p + 1 < pattern.size()) {
                if (same(pattern[p + 1], text[t])) {
                    p += 2;
                    ++t;
                    continue;
                }
            } else if (pc == QLatin1Char('%')) {
                starP = p++;
                starT = t;
                continue;
            } else if (pc == QLatin1Char('_') || same(pc, text[t])) {
                ++p;
                ++t;
                continue;
            }
        }
        if (starP < 0)
            return false;
        p = starP + 1;
        t = ++starT;
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('%'))
        ++p;
    return p == pattern.size();
}

void likeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    QChar escape;
    if (argc == 3) {
        const QString e = textArg(argv[2]);
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e[0];
    }
    // SQLite passes like(pattern, text).
    sqlite3_result_int(ctx, likeMatch(textArg(argv[0]), textArg(argv[1]), escape) ? 1 : 0);
}

void caseFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const bool upper = sqlite3_user_data(ctx) != nullptr;
    const QString s = textArg(argv[0]);
    const QByteArray out = (upper ? s.toUpper() : s.toLower()).toUtf8();
    sqlite3_result_text(ctx, out.constData(), static_cast<int>(out.size()), SQLITE_TRANSIENT);
}

QString errorText(sqlite3* db, int rc) {
    const char* msg = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    return QString::fromUtf8(msg ? msg : sqlite3_errstr(rc));
}

DatabaseError::Kind kindOf(int rc) {
    switch (rc & 0xff) {
    case SQLITE_NOTADB:
        return DatabaseError::Kind::WrongKey;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DatabaseError::Kind::Busy;
    case SQLITE_CONSTRAINT:
        return DatabaseError::Kind::Constraint;
    default:
        return DatabaseError::Kind::General;
    }
}

} // namespace

SqlCipherDriver::SqlCipherDriver(QString path, sqlite3* db) : m_path(std::move(path)), m_db(db) {}

SqlCipherDriver::~SqlCipherDriver() {
    for (sqlite3_stmt* s : std::as_const(m_statements))
        sqlite3_finalize(s);
    if (m_db)
        sqlite3_close_v2(m_db);
}

std::unique_ptr<SqlCipherDriver> SqlCipherDriver::open(const QString& path, bool create) {
    return openImpl(path, create, true);
}

std::unique_ptr<SqlCipherDriver> SqlCipherDriver::openUnlocked(const QString& path) {
    return openImpl(path, false, false);
}

std::unique_ptr<SqlCipherDriver> SqlCipherDriver::openImpl(const QString& path, bool create, bool lock) {
    if (!create && !QFileInfo::exists(path))
        throw DatabaseError(QStringLiteral("The database file %1 does not exist.").arg(path),
                            DatabaseError::Kind::NotFound);
    std::unique_ptr<FileLock> fileLock;
    if (lock) {
        fileLock = std::make_unique<FileLock>(path, FileLock::Mode::Shared, kOpenLockWaitMs);
        if (!fileLock->isLocked())
            throw DatabaseError(
                QStringLiteral("The database file %1 is being maintained by another program. Try again later.")
                    .arg(path),
                DatabaseError::Kind::Busy);
    }
    sqlite3* raw = nullptr;
    // CREATE also lets compaction attach its new target file; a missing file was refused above.
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, flags, nullptr);
    std::unique_ptr<SqlCipherDriver> d(new SqlCipherDriver(path, raw));
    if (rc != SQLITE_OK)
        throw DatabaseError(
            QStringLiteral("The database file %1 could not be opened: %2").arg(path, errorText(raw, rc)));
    d->m_lock = std::move(fileLock);
    // Before the first read: another workstation's commit in progress must make this one wait, not fail.
    sqlite3_busy_timeout(raw, kBusyTimeoutMs);

    // A wrong key is reported by the exception below; the library's own log would only repeat it on stderr.
    d->execPlain("PRAGMA cipher_log_level = NONE;");
    const QByteArray keyPragma = "PRAGMA key = " + DatabaseKeyPragmaValue() + ";";
    d->execPlain(keyPragma.constData());
    // A build against plain SQLite would accept the key pragma silently and write an unencrypted file.
    const Rows version = d->query(QStringLiteral("PRAGMA cipher_version"), {});
    if (version.empty() || version.front().text(version.front().columnNames().value(0)).isEmpty())
        throw DatabaseError(QStringLiteral("This program was built without database encryption; it will not "
                                           "open %1.")
                                .arg(path));
    try {
        d->query(QStringLiteral("SELECT count(*) FROM sqlite_master"), {});
    } catch (const DatabaseError& e) {
        if (e.kind() == DatabaseError::Kind::WrongKey)
            throw DatabaseError(QStringLiteral("The file %1 is not a database of this program, or its password "
                                               "does not match.")
                                    .arg(path),
                                DatabaseError::Kind::WrongKey);
        throw;
    }
    sqlite3_create_collation_v2(raw, "NOCASE", SQLITE_UTF8, nullptr, compareNoCase, nullptr);
    const int fnFlags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(raw, "like", 2, fnFlags, nullptr, likeFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(raw, "like", 3, fnFlags, nullptr, likeFunction, nullptr, nullptr, nullptr);
    static int upperTag = 1;
    sqlite3_create_function_v2(raw, "upper", 1, fnFlags, &upperTag, caseFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(raw, "lower", 1, fnFlags, nullptr, caseFunction, nullptr, nullptr, nullptr);
    // Every commit reaches the disk before the action is reported done.
    d->execPlain("PRAGMA journal_mode = WAL;");
    d->execPlain("PRAGMA synchronous = FULL;");
    d->execPlain("PRAGMA foreign_keys = OFF;");
    return d;
}

void SqlCipherDriver::execPlain(const char* sql) {
    char* err = nullptr;
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err ? err : sqlite3_errstr(rc));
        sqlite3_free(err);
        throw DatabaseError(QStringLiteral("Database error: %1").arg(msg), kindOf(rc));
    }
}

void SqlCipherDriver::fail(int rc, const QString& what) {
    throw DatabaseError(QStringLiteral("Database error: %1\n(%2)").arg(errorText(m_db, rc), what), kindOf(rc));
}

sqlite3_stmt* SqlCipherDriver::prepare(const QString& sql) {
    if (sqlite3_stmt* cached = m_statements.value(sql, nullptr)) {
        sqlite3_reset(cached);
        sqlite3_clear_bindings(cached);
        return cached;
    }
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v3(m_db, utf8.constData(), static_cast<int>(utf8.size()),
                                      SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK)
        fail(rc, sql);
    if (m_statements.size() >= kStatementCacheSize) {
        for (sqlite3_stmt* s : std::as_const(m_statements))
            sqlite3_finalize(s);
        m_statements.clear();
    }
    m_statements.insert(sql, stmt);
    return stmt;
}

void SqlCipherDriver::bindAll(sqlite3_stmt* stmt, const QVariantList& params) {
    const int expected = sqlite3_bind_parameter_count(stmt);
    if (expected != params.size())
        throw DatabaseError(QStringLiteral("The statement expects %1 values but got %2:\n%3")
                                .arg(expected)
                                .arg(params.size())
                                .arg(QString::fromUtf8(sqlite3_sql(stmt))));
    for (int i = 0; i < params.size(); ++i) {
        const QVariant& v = params[i];
        const int at = i + 1;
        int rc = SQLITE_OK;
        if (v.isNull() || !v.isValid()) {
            rc = sqlite3_bind_null(stmt, at);
        } else if (v.metaType() == QMetaType::fromType<Money>()) {
            rc = sqlite3_bind_int64(stmt, at, v.value<Money>().units());
        } else {
            switch (v.typeId()) {
            case QMetaType::Bool:
                rc = sqlite3_bind_int(stmt, at, v.toBool() ? 1 : 0);
                break;
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
            case QMetaType::Short:
            case QMetaType::UShort:
                rc = sqlite3_bind_int64(stmt, at, v.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(stmt, at, v.toDouble());
                break;
            case QMetaType::QDateTime: {
                const QByteArray t = toStorageText(v.toDateTime()).toUtf8();
                rc = sqlite3_bind_text(stmt, at, t.constData(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
                break;
            }
            case QMetaType::QDate: {
                const QByteArray t = toStorageText(QDateTime(v.toDate(), QTime(0, 0))).toUtf8();
                rc = sqlite3_bind_text(stmt, at, t.constData(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
                break;
            }
            case QMetaType::QByteArray: {
                const QByteArray b = v.toByteArray();
                rc = sqlite3_bind_blob(stmt, at, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
                break;
            }
            default: {
                const QByteArray t = v.toString().toUtf8();
                rc = sqlite3_bind_text(stmt, at, t.constData(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
                break;
            }
            }
        }
        if (rc != SQLITE_OK)
            fail(rc, QString::fromUtf8(sqlite3_sql(stmt)));
    }
}

Rows SqlCipherDriver::query(const QString& sql, const QVariantList& params) {
    sqlite3_stmt* stmt = prepare(sql);
    struct Reset {
        sqlite3_stmt* s;
        ~Reset() { sqlite3_reset(s); }
    } reset{stmt};
    bindAll(stmt, params);
    const int n = sqlite3_column_count(stmt);
    QStringList names;
    for (int i = 0; i < n; ++i)
        names << QString::fromUtf8(sqlite3_column_name(stmt, i));
    auto columns = std::make_shared<const ColumnIndex>(names);
    Rows rows;
    for (;;) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            fail(rc, sql);
        std::vector<QVariant> values;
        values.reserve(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            switch (sqlite3_column_type(stmt, i)) {
            case SQLITE_INTEGER:
                values.emplace_back(static_cast<qint64>(sqlite3_column_int64(stmt, i)));
                break;
            case SQLITE_FLOAT:
                values.emplace_back(sqlite3_column_double(stmt, i));
                break;
            case SQLITE_TEXT:
                values.emplace_back(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                                                      sqlite3_column_bytes(stmt, i)));
                break;
            case SQLITE_BLOB:
                values.emplace_back(QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, i)),
                                               sqlite3_column_bytes(stmt, i)));
                break;
            default:
                values.emplace_back();
                break;
            }
        }
        rows.emplace_back(columns, std::move(values));
    }
    return rows;
}

qint64 SqlCipherDriver::execute(const QString& sql, const QVariantList& params) {
    sqlite3_stmt* stmt = prepare(sql);
    struct Reset {
        sqlite3_stmt* s;
        ~Reset() { sqlite3_reset(s); }
    } reset{stmt};
    bindAll(stmt, params);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        fail(rc, sql);
    return sqlite3_changes64(m_db);
}

qint64 SqlCipherDriver::lastInsertId() { return sqlite3_last_insert_rowid(m_db); }

// IMMEDIATE takes the write lock at the start, so two workstations never both read a counter and then
// fail to upgrade; the second one waits for the first to commit.
void SqlCipherDriver::begin() { execPlain("BEGIN IMMEDIATE"); }
void SqlCipherDriver::commit() { execPlain("COMMIT"); }
void SqlCipherDriver::rollback() {
    if (!sqlite3_get_autocommit(m_db))
        execPlain("ROLLBACK");
}

QString SqlCipherDriver::columnDefinition(const ColumnDef& column) const {
    const QString name = createName(column.name);
    switch (column.type) {
    case ColumnType::Text:
        return name + QStringLiteral(" TEXT COLLATE NOCASE DEFAULT ''");
    case ColumnType::Integer:
        return name + QStringLiteral(" INTEGER DEFAULT 0");
    case ColumnType::Money:
        return name + QStringLiteral(" CURRENCY DEFAULT 0");
    case ColumnType::Number:
        return name + QStringLiteral(" REAL DEFAULT 0");
    case ColumnType::Boolean:
        return name + QStringLiteral(" BOOLEAN DEFAULT 0");
    case ColumnType::DateTime:
        return name + QStringLiteral(" DATETIME DEFAULT '%1'").arg(toStorageText(EmptyDate()));
    case ColumnType::AutoNumber:
        return name + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    }
    return name;
}

// SQLite keeps the schema's own spelling; statements may address it in any case.
QString SqlCipherDriver::createName(const QString& name) const {
    return NeedsQuoting(name) ? QuoteIdentifier(name) : name;
}

QStringList SqlCipherDriver::tableNames() {
    QStringList names;
    for (const Row& r : query(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT "
                                             "LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY name"),
                              {}))
        names << r.text(QStringLiteral("name"));
    return names;
}

QStringList SqlCipherDriver::columnNames(const QString& table) {
    QStringList names;
    for (const Row& r : query(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table}))
        names << r.text(QStringLiteral("name"));
    return names;
}

int SqlCipherDriver::schemaVersion() {
    const Rows rows = query(QStringLiteral("PRAGMA user_version"), {});
    return rows.empty() ? 0 : static_cast<int>(rows.front().integer(QStringLiteral("user_version")));
}

void SqlCipherDriver::setSchemaVersion(int version) {
    execPlain(QStringLiteral("PRAGMA user_version = %1;").arg(version).toUtf8().constData());
}

} // namespace vantorel
