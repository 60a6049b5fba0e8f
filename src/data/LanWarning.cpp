#include "LanWarning.h"

#include "ProgramState.h"
#include "Prompter.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace vantorel {

bool IsNetworkDataFolder(const QString& path) {
    if (path.startsWith(QStringLiteral("\\\\")) || path.startsWith(QStringLiteral("//")))
        return true;
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;
    const QByteArray type = QStorageInfo(path).fileSystemType().toLower();
    static const QByteArrayList networkTypes = {"nfs",   "nfs4",  "cifs", "smb", "smb2",      "smb3",
                                                "smbfs", "ncpfs", "afs",  "9p",  "fuse.sshfs"};
    return networkTypes.contains(type);
}

bool WarnIfLan(const ProgramState& state, Prompter& prompter) {
    if (!IsNetworkDataFolder(state.dataFolder))
        return false;
    prompter.showMessage(LanWarningText, LanWarningCaption, Prompter::Icon::Exclamation);
    return true;
}

} // namespace vantorel
