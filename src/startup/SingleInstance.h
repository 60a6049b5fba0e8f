#pragma once

#include <QString>

namespace vantorel {

// Holds an exclusive lock on a file for the life of the program, so that a second copy started by the same
// user can see that one runs already. The lock goes with the process, even when it is killed.
class SingleInstance {
public:
    // The lock file in the user's runtime folder, named after the program.
    static QString defaultLockPath(const QString& programName);

    explicit SingleInstance(const QString& lockPath);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another process (or another holder in this one) has the lock.
    bool isFirst() const { return m_first; }

private:
    int m_fd = -1;
    bool m_first = true;
};

} // namespace vantorel
