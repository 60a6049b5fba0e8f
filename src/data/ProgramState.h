#pragma once

#include "SettingsCopies.h"

#include <QString>

namespace vantorel {

// Program-wide state shared by the screens and the engines of one workstation.
struct ProgramState {
    QString dataFolder;  // absolute, ends with "/"
    QString archivePath; // while set, every new connection opens this archive instead of the live file
    QString currentUserName;
    QString currentUserId;
    QString savedDefaultPrinter;
    SettingsCopies settings;
};

} // namespace vantorel
