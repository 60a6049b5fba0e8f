#include "CommandLine.h"
#include "ConnectionString.h"
#include "Database.h"
#include "DatabaseError.h"
#include "ProgramState.h"
#include "StartupWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantorel"));
    const vantorel::CommandLine cl = vantorel::ParseCommandLine(QApplication::arguments());
    vantorel::ProgramState state;
    state.dataFolder = cl.dataFolder;
    const vantorel::ConnectionString where = vantorel::BuildConnectionString(state);
    if (!QFileInfo::exists(where.filePath)) {
        QMessageBox::critical(nullptr, QStringLiteral("Vantorel"),
                              QStringLiteral("Cannot locate the Database file     \nwithout which the program "
                                             "cannot run!"));
        return 1;
    }
    std::unique_ptr<vantorel::Database> db;
    try {
        db = vantorel::Database::open(where);
    } catch (const vantorel::DatabaseError& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Vantorel"), e.message());
        return 1;
    }
    const QString name = db->scalar(QStringLiteral("SELECT Name FROM Utility")).toString();
    vantorel::StartupWindow window(state.dataFolder,
                                   QStringLiteral("Database: %1 (%2)\nBusiness: %3")
                                       .arg(where.filePath, db->driver().engineName(), name));
    window.show();
    return QApplication::exec();
}
