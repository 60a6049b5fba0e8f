#include "FileHelpers.h"

#include <QFileInfo>

namespace vantorel {

qint64 FileSizeOf(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() ? info.size() : 0;
}

QDateTime FileDateOf(const QString& path) {
    const QFileInfo info(path);
    return info.exists() ? info.lastModified() : QDateTime();
}

} // namespace vantorel
