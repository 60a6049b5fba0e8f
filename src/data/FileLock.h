#pragma once

#include <QString>

namespace vantorel {

// An advisory lock on the side file path + ".lock", shared by every open connection and taken
// exclusively by compaction and file replacement. A side file is used so that the engine's own locks
// on the database file are never disturbed by opening and closing another descriptor on it.
class FileLock {
public:
    enum class Mode { Shared, Exclusive };
    // Tries for up to waitMs milliseconds (0: once); isLocked() tells whether it succeeded.
    FileLock(const QString& databasePath, Mode mode, int waitMs = 0);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool isLocked() const { return m_locked; }

private:
    int m_fd = -1;
    bool m_locked = false;
};

} // namespace vantorel
