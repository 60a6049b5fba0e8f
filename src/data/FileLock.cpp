#include "FileLock.h"

#include <QElapsedTimer>
#include <QFile>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vantorel {

FileLock::FileLock(const QString& databasePath, Mode mode, int waitMs) {
    const QByteArray path = QFile::encodeName(databasePath + QStringLiteral(".lock"));
    m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0660);
    if (m_fd < 0)
        return;
    const int op = (mode == Mode::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
    QElapsedTimer timer;
    timer.start();
    while (!(m_locked = ::flock(m_fd, op) == 0) && timer.elapsed() < waitMs)
        ::usleep(20000);
}

FileLock::~FileLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace vantorel
