#pragma once

#include <QString>

namespace vantorel {

struct ProgramState;

namespace StartupText {
inline const QString NoDatabaseCaption = QStringLiteral("No Database");
inline const QString NoDatabase =
    QStringLiteral("Cannot locate the Database file     \nwithout which the program cannot run!");
} // namespace StartupText

// The path of an existing file or folder under base whose relative path matches without regard to case
// ("Print/RP" finds "PRINT/RP"); empty when there is none.
QString FindPathNoCase(const QString& base, const QString& relative);

// Whether the database file the workstation would open is missing (a workstation on a shared server has
// none).
bool DatabaseMissing(const ProgramState& state);

// Folder work at start: makes "Backup/Archive", and in the receipt folders of the roll printers ("Print/RP",
// "Print/RPT") moves the files of "Card/Plain" up into the folder and removes "Cash/Plain".
// Returns false when something could not be done (the program still starts).
bool PrepareDataFolder(const QString& dataFolder);

} // namespace vantorel
