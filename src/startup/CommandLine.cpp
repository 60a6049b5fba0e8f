#include "CommandLine.h"

#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>

namespace vantorel {

QString DataFolderFor(const QString& option) {
    QString dir = option;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
              QStringLiteral("/Vantorel");
    return QDir(dir).absolutePath() + QLatin1Char('/');
}

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
    cl.dataFolder = DataFolderFor(parser.value(folder));
    return cl;
}

} // namespace vantorel
