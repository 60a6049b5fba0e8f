#pragma once

#include "ConnectionString.h"
#include "Database.h"
#include "NewDataFolder.h"

#include <QTemporaryDir>
#include <memory>

namespace vantorel::test {

// A temporary data folder with a fresh database, removed when the fixture ends.
class TempDataFolder {
public:
    explicit TempDataFolder(bool demo = false);

    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    QString databasePath() const { return LiveDatabasePath(m_dir.path()); }
    // A new connection to the folder's database.
    std::unique_ptr<Database> open() const { return Database::open(ConnectionString{databasePath()}); }

private:
    QTemporaryDir m_dir;
};

} // namespace vantorel::test
