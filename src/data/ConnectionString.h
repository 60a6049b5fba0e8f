#pragma once

#include <QString>

namespace vantorel {

struct ProgramState;

inline const QString DatabaseFileName = QStringLiteral("Vantorel.vtd");

// What a new connection opens.
struct ConnectionString {
    QString filePath;

    QString toString() const { return filePath; }
    bool operator==(const ConnectionString&) const = default;
};

// The one place that decides which database a new connection opens: the archive while ArchivePath is set,
// the live file in the data folder otherwise.
ConnectionString BuildConnectionString(const ProgramState& state);

// The live database file of a data folder.
QString LiveDatabasePath(const QString& dataFolder);

} // namespace vantorel
