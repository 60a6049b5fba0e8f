#include "DataFolderFiles.h"

#include <QDir>
#include <QFileInfo>

namespace vantorel {

QString FindInDataFolder(const QString& dataFolder, const QString& relativePath) {
    QString normalized = relativePath;
    normalized.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = normalized.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QDir dir(dataFolder);
    if (!dir.exists() || parts.isEmpty())
        return QString();
    QString current = dir.absolutePath();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part == QLatin1String("..") || part == QLatin1String("."))
            return QString(); // only names inside the data folder
        const QDir here(current);
        QString found;
        if (QFileInfo::exists(here.filePath(part))) {
            found = part;
        } else {
            const QStringList entries = here.entryList(
                QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    found = entry;
                    break;
                }
            }
        }
        if (found.isEmpty())
            return QString();
        current = here.filePath(found);
        if (i + 1 < parts.size() && !QFileInfo(current).isDir())
            return QString();
    }
    return current;
}

} // namespace vantorel
