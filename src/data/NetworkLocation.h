#pragma once

#include <QString>

namespace vantorel {

// Whether the data folder is reached over the network (a UNC-style path or a network file system), where
// the live database is shared with other workstations and some utilities are blocked.
bool IsNetworkDataFolder(const QString& dataFolder);

} // namespace vantorel
