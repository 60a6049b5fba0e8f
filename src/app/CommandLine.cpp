#include "CommandLine.h"

#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>

namespace vantorel {

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Vantorel point of sale"));
    parser.addHelpOption();
    const QCommandLineOption folder(QStringLiteral("data-folder"),
                                    QStringLiteral("Use DIR as the data folder instead of the default."),
                                    QStringLiteral("DIR"));
    parser.addOption(folder);
    parser.process(arguments);
    CommandLine cl;
    QString dir = parser.value(folder);
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Vantorel");
    cl.dataFolder = QDir(dir).absolutePath() + QLatin1Char('/');
    return cl;
}

} // namespace vantorel
