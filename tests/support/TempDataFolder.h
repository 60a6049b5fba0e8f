#pragma once

#include "ConnectionString.h"
#include "Database.h"
#include "NewDataFolder.h"

#include <QTemporaryDir>
#include <memory>

namespace vantorel::test {

// A temporary data folder with a fresh database, removed when the fixture ends. When the environment
// variable VANTOREL_TEST_PG holds a libpq connection string, the database is a fresh one on that server
// instead of the folder's own file, so the same tests run on both engines.
class TempDataFolder {
public:
    enum class Engine { AsConfigured, EmbeddedFile };
    explicit TempDataFolder(bool demo = false, Engine engine = Engine::AsConfigured);
    ~TempDataFolder();

    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    bool onServer() const { return !m_server.isEmpty(); }
    // The live file (only meaningful when !onServer()).
    QString databasePath() const { return LiveDatabasePath(m_dir.path()); }
    ConnectionString connectionString() const;
    // A new connection to the folder's database.
    std::unique_ptr<Database> open() const { return Database::open(connectionString()); }

    // The test server's connection string, empty when tests run on the embedded engine only.
    static QString testServer();

private:
    QTemporaryDir m_dir;
    ServerSettings m_server;
};

} // namespace vantorel::test
