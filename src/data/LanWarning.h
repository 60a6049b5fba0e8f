#pragma once

#include <QString>

namespace vantorel {

class Prompter;
struct ProgramState;

// Whether the data folder is reached over the network: a UNC-style path ("\\server\..." or "//server/...")
// or a folder on a network file system mount. The one place that decides it.
bool IsNetworkDataFolder(const QString& path);

// Whether this workstation works on the business's database over the network: its data folder is on the
// network, or its database is on a PostgreSQL server on another machine (the workstation on the server's own
// machine counts as the local one, as the computer that held the database file did).
bool IsNetworkDatabase(const ProgramState& state);

// Whether billing is refused on this workstation: its database is a file reached over the network, which is
// no place for a till to write. A till on a shared server is what the server is for, so it bills.
bool BillingBlockedOverNetwork(const ProgramState& state);

inline const QString LanWarningText = QStringLiteral(
    "You are connected to the active Database of Vantorel via LAN!  \n\nAny changes you make, will "
    "become effective immediately and\nmay interfere with the proper operation of Vantorel.  ");
inline const QString LanWarningCaption = QStringLiteral("LAN Connection");

// Warns that changes take effect on the shared database at once; silent for a local database.
// Returns whether the warning was given.
bool WarnIfLan(const ProgramState& state, Prompter& prompter);

} // namespace vantorel
