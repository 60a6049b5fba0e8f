#include "LanWarning.h"

#include "ConnectionString.h"
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

bool IsNetworkDatabase(const ProgramState& state) {
    if (IsNetworkDataFolder(state.dataFolder))
        return true;
    const ConnectionString where = BuildConnectionString(state);
    if (where.engine != ConnectionString::Engine::Postgres)
        return false;
    const QString host = where.server.host.toLower();
    const bool local = host.isEmpty() || host.startsWith(QLatin1Char('/')) || host == QLatin1String("localhost") ||
                       host == QLatin1String("127.0.0.1") || host == QLatin1String("::1");
    return !local;
}

bool BillingBlockedOverNetwork(const ProgramState& state) {
    return BuildConnectionString(state).engine == ConnectionString::Engine::SqlCipher &&
           IsNetworkDataFolder(state.dataFolder);
}

bool WarnIfLan(const ProgramState& state, Prompter& prompter) {
    if (!IsNetworkDatabase(state))
        return false;
    prompter.showMessage(LanWarningText, LanWarningCaption, Prompter::Icon::Exclamation);
    return true;
}

} // namespace vantorel
