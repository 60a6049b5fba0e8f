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

const char* kUsage = "Usage:\n"
                     "  vantorel-admin create [--demo] [--owner NAME] [--owner-id ID] DIR\n"
                     "      Make a new data folder DIR with an empty database (or, with --demo, a small\n"
                     "      bar and restaurant). An existing database is never overwritten.\n"
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
        } else if (a == QLatin1String("--owner") || a == QLatin1String("--owner-id")) {
            if (i + 1 >= args.size())
                return usageError(QStringLiteral("%1 needs a value.").arg(a));
            (a == QLatin1String("--owner") ? options.ownerName : options.ownerId) = args[++i];
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

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usageError(QStringLiteral("No command given."));
    const QString command = args.takeFirst();
    if (command == QLatin1String("create"))
        return create(args);
    if (command == QLatin1String("help") || command == QLatin1String("--help")) {
        out() << kUsage;
        return 0;
    }
    return usageError(QStringLiteral("Unknown command %1.").arg(command));
}
