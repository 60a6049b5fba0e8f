#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vantorel {

QString SingleInstance::defaultLockPath(const QString& programName) {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return QDir(dir).filePath(programName + QStringLiteral(".lock"));
}

SingleInstance::SingleInstance(const QString& lockPath) {
    m_fd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return; // no lock file can be made: do not keep the program from running
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0)
        m_first = errno != EWOULDBLOCK;
}

SingleInstance::~SingleInstance() {
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace vantorel
