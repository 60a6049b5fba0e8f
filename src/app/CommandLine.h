#pragma once

#include <QString>
#include <QStringList>

namespace vantorel {

struct CommandLine {
    QString dataFolder; // absolute, ends with "/"
};

// The data folder: --data-folder DIR, or the XDG data home + "Vantorel/".
CommandLine ParseCommandLine(const QStringList& arguments);

} // namespace vantorel
