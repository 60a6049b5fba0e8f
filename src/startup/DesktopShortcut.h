#pragma once

#include <QString>

namespace vantorel {

// The launcher text for the program file (no arguments, started in the program's folder).
QString DesktopEntryText(const QString& programPath);

// (Re)creates the launcher "<program name>.desktop" in the applications folder (the XDG one when empty).
// An unchanged launcher is left alone. Returns false when it cannot be written.
bool CreateShortcut(const QString& programPath, const QString& applicationsFolder = QString());

} // namespace vantorel
