#pragma once

#include "ConnectionString.h"

#include <QDateTime>
#include <QString>
#include <stdexcept>

namespace vantorel {

class Database;

class SetupError : public std::runtime_error {
public:
    explicit SetupError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

struct NewDataFolderOptions {
    bool demo = false;
    QString ownerName = QStringLiteral("Owner");
    QString ownerId = QStringLiteral("1234");
    QDateTime now = QDateTime::currentDateTime();
    // When set, the database is made on this server instead of the folder's own file, and the folder's
    // Vantorel.ini names it.
    ServerSettings server;
};

// Makes a new data folder: the database with its starter rows (and the demo business when asked),
// Vantorel.ini and the working folders. Refuses an existing database (a file in the folder, or a server
// database that already holds tables) and bad owner details with a SetupError; on any failure nothing of
// the new database is left behind.
void CreateDataFolder(const QString& folder, const NewDataFolderOptions& options);

// The working folders and Vantorel.ini of a data folder (existing ones are kept); with a server, the INI
// names it.
void MakeDataFolderLayout(const QString& folder, const ServerSettings& server);

// The rows every new database starts with: settings, taxes, card companies, function codes, the owner.
void InsertStarterRows(Database& db, const NewDataFolderOptions& options);
// A small bar and restaurant to try the program with.
void InsertDemoRows(Database& db, const QDateTime& now);

} // namespace vantorel
