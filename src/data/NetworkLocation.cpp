#include "NetworkLocation.h"

#include <QStorageInfo>

namespace vantorel {

bool IsNetworkDataFolder(const QString& dataFolder) {
    if (dataFolder.startsWith(QStringLiteral("\\\\")) || dataFolder.startsWith(QStringLiteral("//")))
        return true;
    if (dataFolder.isEmpty())
        return false;
    const QStorageInfo storage(dataFolder);
    if (!storage.isValid())
        return false;
    const QByteArray type = storage.fileSystemType().toLower();
    static const QByteArray kNetworkTypes[] = {
        "nfs", "nfs4", "cifs",      "smb3",  "smbfs",      "ncpfs",      "afs",
        "9p",  "ceph", "glusterfs", "davfs", "fuse.sshfs", "fuse.davfs", "fuse.smbnetfs"};
    for (const QByteArray& t : kNetworkTypes) {
        if (type == t)
            return true;
    }
    return false;
}

} // namespace vantorel
