#pragma once

#include <QString>

namespace vantorel {

// Rewrites the database file compactly: the copy is written to path + "x" and then renamed over the
// original in one step, so a failure at any point leaves a usable database. Returns false, leaving the
// file untouched, when another connection (in this or another process) holds the file open or any step
// fails. Every connection of the caller must be closed first.
bool CompactDatabaseFile(const QString& path);

} // namespace vantorel
