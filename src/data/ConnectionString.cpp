#include "ConnectionString.h"

#include "IniFile.h"
#include "ProgramState.h"

#include <QDir>
#include <QStringList>

namespace vantorel {

namespace {

const QString kSection = QStringLiteral("Database");
const QString kEngine = QStringLiteral("Engine");
const QString kPostgres = QStringLiteral("PostgreSQL");

QString iniPath(const QString& dataFolder) { return QDir(dataFolder).filePath(QStringLiteral("Vantorel.ini")); }

QString quoted(const QString& value) {
    QString v = value;
    v.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    v.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + v + QLatin1Char('\'');
}

} // namespace

QString ServerSettings::conninfo() const {
    QStringList parts;
    auto add = [&](const char* key, const QString& value) {
        if (!value.isEmpty())
            parts << QString::fromLatin1(key) + QLatin1Char('=') + quoted(value);
    };
    add("service", service);
    add("host", host);
    add("port", port);
    add("dbname", database);
    add("user", user);
    add("connect_timeout", QStringLiteral("10"));
    return parts.join(QLatin1Char(' '));
}

ServerSettings ServerSettings::fromConninfo(const QString& conninfo) {
    ServerSettings s;
    for (const QString& part : conninfo.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = part.left(eq).trimmed().toLower();
        QString value = part.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('\'')) && value.endsWith(QLatin1Char('\'')))
            value = value.mid(1, value.size() - 2);
        if (key == QLatin1String("host"))
            s.host = value;
        else if (key == QLatin1String("port"))
            s.port = value;
        else if (key == QLatin1String("dbname"))
            s.database = value;
        else if (key == QLatin1String("user"))
            s.user = value;
        else if (key == QLatin1String("service"))
            s.service = value;
    }
    return s;
}

QString ConnectionString::toString() const {
    if (engine == Engine::SqlCipher)
        return filePath;
    return QStringLiteral("PostgreSQL %1%2%3")
        .arg(server.database, server.host.isEmpty() ? QString() : QStringLiteral(" on ") + server.host,
             server.port.isEmpty() ? QString() : QLatin1Char(':') + server.port);
}

QString LiveDatabasePath(const QString& dataFolder) { return QDir(dataFolder).filePath(DatabaseFileName); }

ServerSettings ReadServerSettings(const QString& dataFolder) {
    const IniFile ini(iniPath(dataFolder));
    if (ini.read(kSection, kEngine).compare(kPostgres, Qt::CaseInsensitive) != 0)
        return {};
    ServerSettings s;
    s.host = ini.read(kSection, QStringLiteral("Host"));
    s.port = ini.read(kSection, QStringLiteral("Port"));
    s.database = ini.read(kSection, QStringLiteral("Database"));
    s.user = ini.read(kSection, QStringLiteral("User"));
    s.service = ini.read(kSection, QStringLiteral("Service"));
    return s;
}

void WriteServerSettings(const QString& dataFolder, const ServerSettings& server) {
    const IniFile ini(iniPath(dataFolder));
    ini.write(kSection, kEngine, kPostgres);
    ini.write(kSection, QStringLiteral("Host"), server.host);
    ini.write(kSection, QStringLiteral("Port"), server.port);
    ini.write(kSection, QStringLiteral("Database"), server.database);
    ini.write(kSection, QStringLiteral("User"), server.user);
    if (!server.service.isEmpty())
        ini.write(kSection, QStringLiteral("Service"), server.service);
}

ConnectionString BuildConnectionString(const ProgramState& state) {
    if (!state.archivePath.isEmpty())
        return ConnectionString::file(state.archivePath);
    const ServerSettings server = ReadServerSettings(state.dataFolder);
    if (!server.isEmpty())
        return ConnectionString::onServer(server);
    return ConnectionString::file(LiveDatabasePath(state.dataFolder));
}

} // namespace vantorel
