#pragma once

#include <QString>

namespace vantorel {

class Prompter;
struct ProgramState;

// Whether the data folder is reached over the network: a UNC-style path ("\\server\..." or "//server/...")
// or a folder on a network file system mount. The one place that decides it.
bool IsNetworkDataFolder(const QString& path);

inline const QString LanWarningText = QStringLiteral(
    "You are connected to the active Database of Vantorel via LAN!  \n\nAny changes you make, will "
    "become effective immediately and\nmay interfere with the proper operation of Vantorel.  ");
inline const QString LanWarningCaption = QStringLiteral("LAN Connection");

// Warns that changes take effect on the shared database at once; silent for a local data folder.
// Returns whether the warning was given.
bool WarnIfLan(const ProgramState& state, Prompter& prompter);

} // namespace vantorel
