#pragma once

#include <QString>
#include <QStringList>

namespace vantorel {

struct CommandLine {
    QString dataFolder; // absolute, ends with "/"
};

// The data folder: --data-folder DIR, or the XDG data home + "Vantorel/". Ends the process on --help or a bad
// option, as command-line programs do.
CommandLine ParseCommandLine(const QStringList& arguments);

// The data folder named by the option, or the default one when the option is empty; absolute, ends with "/".
QString DataFolderFor(const QString& option);

} // namespace vantorel
