#include "PostgresDriver.h"

#include "DatabaseError.h"
#include "Schema.h"
#include "SqlDateTime.h"
#include "SqlNames.h"

#include <QDateTime>
#include <libpq-fe.h>

namespace vantorel {

namespace {

// Type OIDs of the built-in types the driver converts; everything else is read as text (citext included).
constexpr Oid kBool = 16, kInt8 = 20, kInt2 = 21, kInt4 = 23, kFloat4 = 700, kFloat8 = 701, kNumeric = 1700,
              kBytea = 17;

// Every writing transaction takes this lock first, so writers run one after the other as on the embedded
// engine: a counter read and rewritten in one action can never lose another workstation's update.
constexpr qint64 kWriterLockKey = 0x56544f52454c; // "VTOREL"

QByteArray paramText(const QVariant& v, bool* isNull) {
    *isNull = v.isNull() || !v.isValid();
    if (*isNull)
        return {};
    if (v.metaType() == QMetaType::fromType<Money>())
        return QByteArray::number(v.value<Money>().units());
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? "true" : "false";
    case QMetaType::Double:
    case QMetaType::Float:
        return QByteArray::number(v.toDouble(), 'g', 17);
    case QMetaType::QDateTime:
        return toStorageText(v.toDateTime()).toUtf8();
    case QMetaType::QDate:
        return toStorageText(QDateTime(v.toDate(), QTime(0, 0))).toUtf8();
    default:
        return v.toString().toUtf8();
    }
}

DatabaseError::Kind kindOf(const char* sqlstate) {
    const QByteArray s(sqlstate ? sqlstate : "");
    if (s.startsWith("23"))
        return DatabaseError::Kind::Constraint;
    if (s == "40001" || s == "40P01" || s == "55P03")
        return DatabaseError::Kind::Busy;
    return DatabaseError::Kind::General;
}

} // namespace

struct PostgresDriver::Result {
    PGresult* res = nullptr;
    ~Result() {
        if (res)
            PQclear(res);
    }
};

QString NumberPlaceholders(const QString& sql) {
    QString out;
    out.reserve(sql.size() + 16);
    int n = 0;
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!quote.isNull()) {
            out += c;
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            out += c;
        } else if (c == QLatin1Char('?')) {
            out += QLatin1Char('$') + QString::number(++n);
        } else {
            out += c;
        }
    }
    return out;
}

PostgresDriver::PostgresDriver(pg_conn* conn, QString location) : m_conn(conn), m_location(std::move(location)) {}

PostgresDriver::~PostgresDriver() {
    if (m_conn)
        PQfinish(m_conn);
}

std::unique_ptr<PostgresDriver> PostgresDriver::open(const QString& conninfo) {
    PGconn* conn = PQconnectdb(conninfo.toUtf8().constData());
    QString where = conninfo;
    if (conn) {
        where = QStringLiteral("database \"%1\" on %2:%3")
                    .arg(QString::fromUtf8(PQdb(conn)), QString::fromUtf8(PQhost(conn)), QString::fromUtf8(PQport(conn)));
    }
    std::unique_ptr<PostgresDriver> d(new PostgresDriver(conn, where));
    if (!conn || PQstatus(conn) != CONNECTION_OK) {
        const QString why = conn ? QString::fromUtf8(PQerrorMessage(conn)).trimmed() : QStringLiteral("out of memory");
        throw DatabaseError(QStringLiteral("The database server cannot be reached (%1):\n%2").arg(where, why),
                            DatabaseError::Kind::NotFound);
    }
    PQsetClientEncoding(conn, "UTF8");
    d->execute(QStringLiteral("SET client_min_messages = warning"), {});
    d->execute(QStringLiteral("SET datestyle = 'ISO, YMD'"), {});
    d->execute(QStringLiteral("SET synchronous_commit = on"), {});
    return d;
}

PostgresDriver::Result PostgresDriver::run(const QString& sql, const QVariantList& params) {
    const QByteArray text = NumberPlaceholders(sql).toUtf8();
    std::vector<QByteArray> values(static_cast<size_t>(params.size()));
    std::vector<const char*> pointers(static_cast<size_t>(params.size()), nullptr);
    for (qsizetype i = 0; i < params.size(); ++i) {
        bool isNull = false;
        values[size_t(i)] = paramText(params[i], &isNull);
        pointers[size_t(i)] = isNull ? nullptr : values[size_t(i)].constData();
    }
    Result r;
    r.res = PQexecParams(m_conn, text.constData(), static_cast<int>(params.size()), nullptr, pointers.data(), nullptr,
                         nullptr, 0);
    const ExecStatusType status = r.res ? PQresultStatus(r.res) : PGRES_FATAL_ERROR;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        const QString msg = QString::fromUtf8(r.res ? PQresultErrorMessage(r.res) : PQerrorMessage(m_conn)).trimmed();
        const char* state = r.res ? PQresultErrorField(r.res, PG_DIAG_SQLSTATE) : nullptr;
        if (PQstatus(m_conn) != CONNECTION_OK)
            throw DatabaseError(QStringLiteral("The connection to the database server %1 was lost:\n%2").arg(m_location, msg));
        throw DatabaseError(QStringLiteral("Database error: %1\n(%2)").arg(msg, sql), kindOf(state));
    }
    return r;
}

Rows PostgresDriver::query(const QString& sql, const QVariantList& params) {
    Result r = run(sql, params);
    const int cols = PQnfields(r.res);
    QStringList names;
    std::vector<Oid> types;
    for (int c = 0; c < cols; ++c) {
        names << QString::fromUtf8(PQfname(r.res, c));
        types.push_back(PQftype(r.res, c));
    }
    auto index = std::make_shared<const ColumnIndex>(names);
    Rows rows;
    const int n = PQntuples(r.res);
    rows.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        std::vector<QVariant> values;
        values.reserve(size_t(cols));
        for (int c = 0; c < cols; ++c) {
            if (PQgetisnull(r.res, i, c)) {
                values.emplace_back();
                continue;
            }
            const char* v = PQgetvalue(r.res, i, c);
            switch (types[size_t(c)]) {
            case kBool:
                values.emplace_back(v[0] == 't');
                break;
            case kInt2:
            case kInt4:
            case kInt8:
                values.emplace_back(QByteArray(v).toLongLong());
                break;
            case kNumeric: {
                // Sums of whole units stay whole; anything else is a floating-point figure.
                bool ok = false;
                const qint64 whole = QByteArray(v).toLongLong(&ok);
                values.emplace_back(ok ? QVariant(whole) : QVariant(QByteArray(v).toDouble()));
                break;
            }
            case kFloat4:
            case kFloat8:
                values.emplace_back(QByteArray(v).toDouble());
                break;
            case kBytea: {
                size_t len = 0;
                unsigned char* bytes = PQunescapeBytea(reinterpret_cast<const unsigned char*>(v), &len);
                values.emplace_back(QByteArray(reinterpret_cast<const char*>(bytes), qsizetype(len)));
                PQfreemem(bytes);
                break;
            }
            default:
                values.emplace_back(QString::fromUtf8(v, PQgetlength(r.res, i, c)));
                break;
            }
        }
        rows.emplace_back(index, std::move(values));
    }
    return rows;
}

qint64 PostgresDriver::execute(const QString& sql, const QVariantList& params) {
    Result r = run(sql, params);
    return QByteArray(PQcmdTuples(r.res)).toLongLong();
}

qint64 PostgresDriver::lastInsertId() {
    const Rows rows = query(QStringLiteral("SELECT lastval()"), {});
    return rows.empty() ? 0 : rows.front().integer(QStringLiteral("lastval"));
}

void PostgresDriver::begin() {
    execute(QStringLiteral("BEGIN"), {});
    m_inTransaction = true;
    execute(QStringLiteral("SELECT pg_advisory_xact_lock(?)"), {kWriterLockKey});
}

void PostgresDriver::commit() {
    m_inTransaction = false;
    execute(QStringLiteral("COMMIT"), {});
}

void PostgresDriver::rollback() {
    if (PQtransactionStatus(m_conn) != PQTRANS_IDLE)
        execute(QStringLiteral("ROLLBACK"), {});
    m_inTransaction = false;
}

QString PostgresDriver::createName(const QString& name) const { return SqlName(name); }

QString PostgresDriver::columnDefinition(const ColumnDef& column) const {
    const QString name = createName(column.name);
    switch (column.type) {
    case ColumnType::Text:
        return name + QStringLiteral(" citext DEFAULT ''");
    case ColumnType::Integer:
        return name + QStringLiteral(" integer DEFAULT 0");
    case ColumnType::Money:
        return name + QStringLiteral(" bigint DEFAULT 0");
    case ColumnType::Number:
        return name + QStringLiteral(" double precision DEFAULT 0");
    case ColumnType::Boolean:
        return name + QStringLiteral(" boolean DEFAULT false");
    case ColumnType::DateTime:
        return name + QStringLiteral(" timestamp(0) without time zone DEFAULT '%1'").arg(toStorageText(EmptyDate()));
    case ColumnType::AutoNumber:
        return name + QStringLiteral(" integer GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY");
    }
    return name;
}

QStringList PostgresDriver::tableNames() {
    QStringList names;
    for (const Row& r : query(QStringLiteral("SELECT table_name FROM information_schema.tables WHERE table_schema = "
                                             "current_schema() AND table_type = 'BASE TABLE' ORDER BY table_name"),
                              {}))
        names << r.text(QStringLiteral("table_name"));
    return names;
}

QStringList PostgresDriver::columnNames(const QString& table) {
    QStringList names;
    for (const Row& r : query(QStringLiteral("SELECT column_name FROM information_schema.columns WHERE table_schema = "
                                             "current_schema() AND lower(table_name) = lower(?) ORDER BY "
                                             "ordinal_position"),
                              {table}))
        names << r.text(QStringLiteral("column_name"));
    return names;
}

// The version is kept as the comment of the settings table, so the schema holds the program's tables only.
int PostgresDriver::schemaVersion() {
    const Rows rows = query(QStringLiteral("SELECT obj_description(to_regclass('utility'), 'pg_class') AS v"), {});
    if (rows.empty())
        return 0;
    const QString v = rows.front().text(QStringLiteral("v"));
    return v.startsWith(QStringLiteral("vantorel schema ")) ? v.mid(16).toInt() : 0;
}

void PostgresDriver::setSchemaVersion(int version) {
    execute(QStringLiteral("COMMENT ON TABLE utility IS 'vantorel schema %1'").arg(version), {});
}

void PostgresDriver::prepareNewDatabase() { execute(QStringLiteral("CREATE EXTENSION IF NOT EXISTS citext"), {}); }

// A temporary table of the same name hides the shared one for this connection only.
void PostgresDriver::makeScratchTablesPrivate() {
    const Rows schema = query(QStringLiteral("SELECT current_schema() AS s"), {});
    const QString owner = QuoteIdentifier(schema.front().text(QStringLiteral("s")));
    for (const char* table : {"barslip", "report", "reportb", "reportc"}) {
        const QString t = QString::fromLatin1(table);
        execute(QStringLiteral("CREATE TEMPORARY TABLE IF NOT EXISTS %1 (LIKE %2.%1 INCLUDING DEFAULTS)").arg(t, owner),
                {});
    }
}

void PostgresDriver::continueAutoNumber(const QString& table, const QString& column) {
    execute(QStringLiteral("SELECT setval(pg_get_serial_sequence(?, ?), GREATEST(COALESCE(MAX(%1), 0), 1), "
                           "MAX(%1) IS NOT NULL) FROM %2")
                .arg(SqlName(column), SqlName(table)),
            {SqlName(table).remove(QLatin1Char('"')), column.toLower()});
}

} // namespace vantorel
