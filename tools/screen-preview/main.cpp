// Opens one screen on its own, checked in as a given user, so that screens can be tried before the main
// menu that opens them exists.
#include "BillApprovalHandler.h"
#include "Clock.h"
#include "ConnectionString.h"
#include "Database.h"
#include "DatabaseError.h"
#include "FolderPrintSink.h"
#include "ProgramState.h"
#include "Settings.h"
#include "SqlNames.h"
#include "TF02.h"
#include "TF03.h"
#include "TF06.h"
#include "TF07.h"
#include "TF16.h"
#include "TextHelpers.h"
#include "WidgetPrompter.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <functional>
#include <map>
#include <memory>

namespace {

using namespace vantorel;

using ScreenFactory =
    std::function<std::unique_ptr<FullScreenForm>(Database&, ProgramState&, Prompter&, const Clock&)>;

const std::map<QString, ScreenFactory>& screens() {
    static const std::map<QString, ScreenFactory> all = {
        {QStringLiteral("TF02"),
         [](Database& db, ProgramState& state, Prompter& prompter, const Clock& clock) {
             return std::make_unique<TF02>(db, state, prompter, clock);
         }},
        {QStringLiteral("TF03"),
         [](Database& db, ProgramState& state, Prompter& prompter, const Clock& clock) {
             return std::make_unique<TF03>(db, state, prompter, clock);
         }},
        {QStringLiteral("TF06"),
         [](Database& db, ProgramState& state, Prompter& prompter, const Clock& clock) {
             return std::make_unique<TF06>(db, state, prompter, clock);
         }},
        {QStringLiteral("TF07"),
         [](Database& db, ProgramState& state, Prompter& prompter, const Clock& clock) {
             return std::make_unique<TF07>(db, state, prompter, clock);
         }},
        {QStringLiteral("TF16"),
         [](Database& db, ProgramState& state, Prompter& prompter, const Clock& clock) {
             return std::make_unique<TF16>(db, state, prompter, clock);
         }},
    };
    return all;
}

int usage(const QString& problem) {
    QTextStream err(stderr);
    QStringList names;
    for (const auto& [name, factory] : screens())
        names << name;
    err << "vantorel-screen-preview: " << problem << "\n\n"
        << "Usage: vantorel-screen-preview --data-folder DIR --user-id NNNN [--print-to DIR] SCREEN\n"
        << "  Opens SCREEN over the data folder's database, checked in as the user with that ID.\n"
        << "  --print-to writes what the screen prints into files in DIR instead of printing it.\n"
        << "  Screens: " << names.join(QStringLiteral(", ")) << "\n";
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantorel"));
    QStringList args = QApplication::arguments().mid(1);
    QString folder, userId, screen, printTo;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--data-folder") || a == QLatin1String("--user-id") ||
            a == QLatin1String("--print-to")) {
            if (i + 1 >= args.size())
                return usage(QStringLiteral("%1 needs a value.").arg(a));
            (a == QLatin1String("--data-folder") ? folder
             : a == QLatin1String("--user-id")   ? userId
                                                 : printTo) = args[++i];
        } else if (a.startsWith(QLatin1Char('-'))) {
            return usage(QStringLiteral("Unknown option %1.").arg(a));
        } else if (screen.isEmpty()) {
            screen = a;
        } else {
            return usage(QStringLiteral("Only one screen may be given."));
        }
    }
    if (folder.isEmpty() || userId.isEmpty() || screen.isEmpty())
        return usage(QStringLiteral("The data folder, the user ID and the screen are all needed."));
    const auto factory = screens().find(screen.toUpper());
    if (factory == screens().end())
        return usage(QStringLiteral("No screen %1.").arg(screen));

    ProgramState state;
    state.dataFolder = QDir(folder).absolutePath() + QLatin1Char('/');
    const ConnectionString where = BuildConnectionString(state);
    if (!QFileInfo::exists(where.filePath))
        return usage(QStringLiteral("No database in %1.").arg(state.dataFolder));
    try {
        auto db = Database::open(where);
        const auto user = db->queryOne(
            QStringLiteral("SELECT UserName FROM Pswd WHERE %1 = ?").arg(SqlName(QStringLiteral("Password"))),
            {userId});
        if (!user)
            return usage(QStringLiteral("No user has the ID %1.").arg(userId));
        state.currentUserId = userId;
        state.currentUserName = CapitalizeName(user->text(QStringLiteral("UserName")));
        // As the main screen would have them: the settings screens refresh these copies.
        LoadSettingsCopies(*db, state.settings);

        WidgetPrompter prompter;
        std::unique_ptr<FullScreenForm> form = factory->second(*db, state, prompter, SystemClock::instance());
        prompter.setParentWidget(form.get());
        prompter.setApprovalHandler(
            MakeBillApprovalHandler(form.get(), state, SystemClock::instance(), prompter));
        std::unique_ptr<FolderPrintSink> sink;
        if (!printTo.isEmpty()) {
            sink = std::make_unique<FolderPrintSink>(QDir(printTo).absolutePath());
            if (auto* billing = dynamic_cast<TF02*>(form.get()))
                billing->setPrintSink(*sink);
        }
        form->execModal();
    } catch (const DatabaseError& e) {
        QTextStream(stderr) << "vantorel-screen-preview: " << e.message() << "\n";
        return 1;
    }
    return 0;
}
