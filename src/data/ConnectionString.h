#pragma once

#include <QString>

namespace vantorel {

struct ProgramState;

inline const QString DatabaseFileName = QStringLiteral("Vantorel.vtd");

// The workstation's choice of a shared server, kept in Vantorel.ini, section "Database". The password never
// is: libpq finds it in ~/.pgpass, a service file or the environment.
struct ServerSettings {
    QString host;
    QString port;
    QString database;
    QString user;
    QString service;

    bool isEmpty() const { return host.isEmpty() && database.isEmpty() && service.isEmpty(); }
    // A libpq connection string with every value quoted.
    QString conninfo() const;
    static ServerSettings fromConninfo(const QString& conninfo);
    bool operator==(const ServerSettings&) const = default;
};

// What a new connection opens.
struct ConnectionString {
    enum class Engine { SqlCipher, Postgres };
    Engine engine = Engine::SqlCipher;
    QString filePath;      // SqlCipher
    ServerSettings server; // Postgres

    static ConnectionString file(const QString& path) { return ConnectionString{Engine::SqlCipher, path, {}}; }
    static ConnectionString onServer(const ServerSettings& s) { return ConnectionString{Engine::Postgres, {}, s}; }
    QString toString() const;
    bool operator==(const ConnectionString&) const = default;
};

// The one place that decides which database a new connection opens: the archive file while ArchivePath is
// set; otherwise the server named in the data folder's Vantorel.ini, or the live file in the data folder.
ConnectionString BuildConnectionString(const ProgramState& state);

// The live database file of a data folder.
QString LiveDatabasePath(const QString& dataFolder);

// The server section of a data folder's Vantorel.ini (empty when the embedded file is used).
ServerSettings ReadServerSettings(const QString& dataFolder);
void WriteServerSettings(const QString& dataFolder, const ServerSettings& server);

} // namespace vantorel
