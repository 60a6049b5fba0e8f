#include "DataFolderSetup.h"

#include "ConnectionString.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace vantorel {

QString FindPathNoCase(const QString& base, const QString& relative) {
    QString current = QDir(base).absolutePath();
    for (const QString& part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const QDir dir(current);
        QString found;
        if (QFileInfo::exists(dir.filePath(part))) {
            found = part;
        } else {
            for (const QString& entry :
                 dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    found = entry;
                    break;
                }
            }
        }
        if (found.isEmpty())
            return {};
        current = dir.filePath(found);
    }
    return current;
}

bool DatabaseMissing(const ProgramState& state) {
    const ConnectionString where = BuildConnectionString(state);
    return where.engine == ConnectionString::Engine::SqlCipher && !QFileInfo::exists(where.filePath);
}

namespace {

bool tidyReceiptFolder(const QString& folder) {
    bool ok = true;
    const QString card = FindPathNoCase(folder, QStringLiteral("Card/Plain"));
    if (!card.isEmpty() && QFileInfo(card).isDir()) {
        const QDir from(card);
        for (const QString& name : from.entryList(QDir::Files | QDir::Hidden)) {
            const QString target = QDir(folder).filePath(name);
            const QString existing = FindPathNoCase(folder, name);
            // rename() replaces a file of the same name in one step, so the older copy is never lost first.
            if (std::rename(QFile::encodeName(from.filePath(name)).constData(),
                            QFile::encodeName(target).constData()) != 0) {
                ok = false;
                continue;
            }
            if (!existing.isEmpty() && existing != target && QFileInfo(existing).isFile())
                QFile::remove(existing);
        }
    }
    const QString cash = FindPathNoCase(folder, QStringLiteral("Cash/Plain"));
    if (!cash.isEmpty() && QFileInfo(cash).isDir())
        ok = QDir(cash).removeRecursively() && ok;
    return ok;
}

} // namespace

bool PrepareDataFolder(const QString& dataFolder) {
    bool ok = true;
    const QString archive = FindPathNoCase(dataFolder, QStringLiteral("Backup/Archive"));
    if (archive.isEmpty() || !QFileInfo(archive).isDir()) {
        const QString backup = FindPathNoCase(dataFolder, QStringLiteral("Backup"));
        const QString parent =
            backup.isEmpty() ? QDir(dataFolder).filePath(QStringLiteral("Backup")) : backup;
        ok = QDir().mkpath(QDir(parent).filePath(QStringLiteral("Archive")));
    }
    for (const char* sub : {"Print/RP", "Print/RPT"}) {
        const QString folder = FindPathNoCase(dataFolder, QString::fromLatin1(sub));
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            ok = tidyReceiptFolder(folder) && ok;
    }
    return ok;
}

} // namespace vantorel
