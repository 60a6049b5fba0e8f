#pragma once

#include <QString>

namespace vantorel {

// Rewrites the database file compactly: the copy is written to path + "x" and then renamed over the
// original in one step, so a failure at any point leaves a usable database. Returns false, leaving the
// file untouched, when another connection (in this or another process) holds the file open or any step
// fails. Every connection of the caller must be closed first.
bool CompactDatabaseFile(const QString& path);

struct ConnectionString;

// The engine's own maintenance: the file is compacted as above; a server database is vacuumed.
bool CompactDatabase(const ConnectionString& where);

enum class BackupResult { Written, SkippedNoTool, Failed };
// A copy of the whole database at target: the file's bytes (every connection must be closed), or a dump
// made with the server's own pg_dump when it is installed.
BackupResult BackupDatabase(const ConnectionString& where, const QString& target);

} // namespace vantorel
