#include "ConnectionString.h"

#include "ProgramState.h"

#include <QDir>

namespace vantorel {

QString LiveDatabasePath(const QString& dataFolder) { return QDir(dataFolder).filePath(DatabaseFileName); }

ConnectionString BuildConnectionString(const ProgramState& state) {
    ConnectionString cs;
    cs.filePath = state.archivePath.isEmpty() ? LiveDatabasePath(state.dataFolder) : state.archivePath;
    return cs;
}

} // namespace vantorel
