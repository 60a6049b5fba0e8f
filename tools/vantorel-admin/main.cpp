#include "ConnectionString.h"
#include "DatabaseCopy.h"
#include "DatabaseError.h"
#include "NewDataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

namespace {

QTextStream& out() {
    static QTextStream s(stdout);
    return s;
}
QTextStream& err() {
    static QTextStream s(stderr);
    return s;
}

const char* kUsage =
    "Usage:\n"
    "  vantorel-admin create [--demo] [--owner NAME] [--owner-id ID] [--server CONNINFO] DIR\n"
    "      Make a new data folder DIR with an empty database (or, with --demo, a small bar and\n"
    "      restaurant). With --server the database is made on that PostgreSQL server (a libpq\n"
    "      connection string such as \"host=db1 port=5432 dbname=vantorel user=till\"; the password\n"
    "      comes from ~/.pgpass) and DIR's Vantorel.ini names it. An existing database is never\n"
    "      overwritten.\n"
    "  vantorel-admin copy [--switch] SOURCE TARGET\n"
    "      Copy every row of one database into a new one. SOURCE and TARGET are a data folder (its\n"
    "      Vantorel.vtd) or postgresql:CONNINFO. The target must not hold a database yet. With\n"
    "      --switch, a source folder's Vantorel.ini is changed to use the target server afterwards.\n"
    "  vantorel-admin help\n";

int usageError(const QString& message) {
    err() << "vantorel-admin: " << message << "\n\n" << kUsage;
    err().flush();
    return 2;
}

int create(const QStringList& args) {
    vantorel::NewDataFolderOptions options;
    QString folder;
    bool ownerGiven = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--demo")) {
            options.demo = true;
        } else if (a == QLatin1String("--owner") || a == QLatin1String("--owner-id") ||
                   a == QLatin1String("--server")) {
            if (i + 1 >= args.size())
                return usageError(QStringLiteral("%1 needs a value.").arg(a));
            const QString value = args[++i];
            if (a == QLatin1String("--server")) {
                options.server = vantorel::ServerSettings::fromConninfo(value);
                if (options.server.isEmpty())
                    return usageError(QStringLiteral("--server needs host=..., dbname=... or service=...."));
            } else {
                (a == QLatin1String("--owner") ? options.ownerName : options.ownerId) = value;
            }
            ownerGiven = ownerGiven || a == QLatin1String("--owner");
        } else if (a.startsWith(QLatin1Char('-'))) {
            return usageError(QStringLiteral("Unknown option %1.").arg(a));
        } else if (folder.isEmpty()) {
            folder = a;
        } else {
            return usageError(QStringLiteral("Only one folder may be given."));
        }
    }
    if (folder.isEmpty())
        return usageError(QStringLiteral("create needs the folder to make."));
    if (options.demo && !ownerGiven)
        options.ownerName = QStringLiteral("Maria");
    try {
        vantorel::CreateDataFolder(folder, options);
    } catch (const vantorel::SetupError& e) {
        err() << "vantorel-admin: " << e.message() << "\n";
        return 1;
    }
    out() << "Created " << QDir(folder).absolutePath() << (options.demo ? " with the demo business" : "") << ".\n"
          << "Owner: " << options.ownerName << ", user ID " << options.ownerId << ".\n";
    if (options.demo)
        out() << "Other users: Tom (manager) 2345, Anna (waiter, billing only) 3456.\n";
    return 0;
}

const QString kServerPrefix = QStringLiteral("postgresql:");

vantorel::ConnectionString location(const QString& arg) {
    if (arg.startsWith(kServerPrefix))
        return vantorel::ConnectionString::onServer(vantorel::ServerSettings::fromConninfo(arg.mid(kServerPrefix.size())));
    return vantorel::ConnectionString::file(vantorel::LiveDatabasePath(arg));
}

int copy(const QStringList& args) {
    bool doSwitch = false;
    QStringList places;
    for (const QString& a : args) {
        if (a == QLatin1String("--switch"))
            doSwitch = true;
        else if (a.startsWith(QLatin1String("--")))
            return usageError(QStringLiteral("Unknown option %1.").arg(a));
        else
            places << a;
    }
    if (places.size() != 2)
        return usageError(QStringLiteral("copy needs a source and a target."));
    const vantorel::ConnectionString from = location(places[0]);
    const vantorel::ConnectionString to = location(places[1]);
    if ((from.engine == vantorel::ConnectionString::Engine::Postgres && from.server.isEmpty()) ||
        (to.engine == vantorel::ConnectionString::Engine::Postgres && to.server.isEmpty()))
        return usageError(QStringLiteral("A server needs host=..., dbname=... or service=...."));
    if (doSwitch && (from.engine != vantorel::ConnectionString::Engine::SqlCipher ||
                     to.engine != vantorel::ConnectionString::Engine::Postgres))
        return usageError(QStringLiteral("--switch needs a data folder as source and a server as target."));
    try {
        vantorel::CopyDatabase(from, to, [](const QString& table, qint64 rows) {
            out() << table << ": " << rows << " rows\n";
            out().flush();
        });
        if (to.engine == vantorel::ConnectionString::Engine::SqlCipher)
            vantorel::MakeDataFolderLayout(places[1], {});
        if (doSwitch)
            vantorel::WriteServerSettings(places[0], to.server);
    } catch (const vantorel::DatabaseError& e) {
        err() << "vantorel-admin: " << e.message() << "\n";
        return 1;
    } catch (const vantorel::SetupError& e) {
        err() << "vantorel-admin: " << e.message() << "\n";
        return 1;
    }
    out() << "Copied " << from.toString() << " to " << to.toString() << ".\n";
    if (doSwitch)
        out() << places[0] << " now uses " << to.toString() << ".\n";
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usageError(QStringLiteral("No command given."));
    const QString command = args.takeFirst();
    if (command == QLatin1String("create"))
        return create(args);
    if (command == QLatin1String("copy"))
        return copy(args);
    if (command == QLatin1String("help") || command == QLatin1String("--help")) {
        out() << kUsage;
        return 0;
    }
    return usageError(QStringLiteral("Unknown command %1.").arg(command));
}
