#include "Compaction.h"

#include "ConnectionString.h"
#include "DatabaseError.h"
#include "PostgresDriver.h"
#include "DatabaseKey.h"
#include "FileLock.h"
#include "SqlCipherDriver.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace vantorel {

namespace {

bool syncPath(const QString& path, bool directory) {
    const int fd = ::open(QFile::encodeName(path).constData(), (directory ? O_RDONLY | O_DIRECTORY : O_RDWR));
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

void removeWithSideFiles(const QString& path) {
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
    QFile::remove(path + QStringLiteral("-journal"));
}

} // namespace

bool CompactDatabaseFile(const QString& path) {
    if (!QFileInfo(path).isFile())
        return false;
    FileLock exclusive(path, FileLock::Mode::Exclusive);
    if (!exclusive.isLocked())
        return false;

    const QString target = path + QStringLiteral("x");
    removeWithSideFiles(target);
    try {
        auto source = SqlCipherDriver::openUnlocked(path);
        const int version = source->schemaVersion();
        source->execute(QStringLiteral("ATTACH DATABASE ? AS compacted KEY ?"), {target, DatabaseRawKeyText()});
        source->query(QStringLiteral("SELECT sqlcipher_export('compacted')"), {});
        source->execute(QStringLiteral("PRAGMA compacted.user_version = %1").arg(version), {});
        source->execute(QStringLiteral("DETACH DATABASE compacted"), {});
        source.reset(); // the last connection closes: its write-ahead log is folded into the file
    } catch (const DatabaseError& e) {
        qWarning("compaction of %s failed: %s", qPrintable(path), qPrintable(e.message()));
        removeWithSideFiles(target);
        return false;
    }
    // A log left beside the original would be replayed onto the new file.
    if (QFileInfo::exists(path + QStringLiteral("-wal")) || !syncPath(target, false)) {
        removeWithSideFiles(target);
        return false;
    }
    if (std::rename(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) != 0) {
        removeWithSideFiles(target);
        return false;
    }
    syncPath(QFileInfo(path).absolutePath(), true);
    return true;
}

bool CompactDatabase(const ConnectionString& where) {
    if (where.engine == ConnectionString::Engine::SqlCipher)
        return CompactDatabaseFile(where.filePath);
    try {
        auto pg = PostgresDriver::open(where.server.conninfo());
        pg->execute(QStringLiteral("VACUUM ANALYZE"), {});
        return true;
    } catch (const DatabaseError&) {
        return false;
    }
}

BackupResult BackupDatabase(const ConnectionString& where, const QString& target) {
    const QString partial = target + QStringLiteral(".partial");
    QFile::remove(partial);
    if (where.engine == ConnectionString::Engine::SqlCipher) {
        FileLock exclusive(where.filePath, FileLock::Mode::Exclusive);
        if (!exclusive.isLocked() || !QFile::copy(where.filePath, partial) || !syncPath(partial, false)) {
            QFile::remove(partial);
            return BackupResult::Failed;
        }
    } else {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pg_dump"));
        if (tool.isEmpty())
            return BackupResult::SkippedNoTool;
        QProcess dump;
        dump.start(tool, {QStringLiteral("--format=custom"), QStringLiteral("--file=") + partial,
                          QStringLiteral("--dbname=") + where.server.conninfo()});
        if (!dump.waitForFinished(-1) || dump.exitStatus() != QProcess::NormalExit || dump.exitCode() != 0) {
            QFile::remove(partial);
            return BackupResult::Failed;
        }
    }
    QFile::remove(target);
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(partial);
        return BackupResult::Failed;
    }
    return BackupResult::Written;
}

} // namespace vantorel
