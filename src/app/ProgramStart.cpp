#include "ProgramStart.h"

#include "BillApprovalHandler.h"
#include "Clock.h"
#include "CommandLine.h"
#include "DataFolderSetup.h"
#include "DatabaseError.h"
#include "Formats.h"
#include "ProgramState.h"
#include "SingleInstance.h"
#include "StandInScreens.h"
#include "TFMain.h"
#include "WidgetPrompter.h"

#include <QApplication>

namespace vantorel {

namespace {

// A database or file failure inside any screen's action is shown, the action stops and the program goes on.
class VantorelApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const DatabaseError& e) {
            showError(e.message());
        } catch (const std::exception& e) {
            showError(QString::fromStdString(e.what()));
        }
        return false;
    }

    static void showError(const QString& text) {
        WidgetPrompter().showMessage(text, QStringLiteral("  Vantorel"), Prompter::Icon::Error);
    }
};

} // namespace

int RunVantorel(int argc, char* argv[]) {
    VantorelApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantorel"));
    QApplication::setQuitOnLastWindowClosed(false);
    ApplyFormatSettings();
    const CommandLine commandLine = ParseCommandLine(QApplication::arguments());

    const SingleInstance instance(SingleInstance::defaultLockPath(QStringLiteral("vantorel")));
    if (!instance.isFirst())
        return 0;

    ProgramState state;
    state.dataFolder = commandLine.dataFolder;
    WidgetPrompter prompter;
    if (DatabaseMissing(state)) {
        prompter.showMessage(StartupText::NoDatabase, StartupText::NoDatabaseCaption,
                             Prompter::Icon::Exclamation);
        return 1;
    }
    PrepareDataFolder(state.dataFolder);

    const Clock& clock = SystemClock::instance();
    TFMain main(state, clock, prompter,
                MainScreenOptions{QCoreApplication::applicationFilePath(), QString()});
    prompter.setParentWidget(&main);
    prompter.setApprovalHandler(MakeBillApprovalHandler(&main, state, clock, prompter));
    main.setOpeners(StandInOpeners());
    QObject::connect(&main, &TFMain::programEnded, &app, [](int code) { QCoreApplication::exit(code); });
    try {
        if (!main.start())
            return main.exitCode();
    } catch (const DatabaseError& e) {
        VantorelApplication::showError(e.message());
        return 1;
    } catch (const std::exception& e) {
        VantorelApplication::showError(QString::fromStdString(e.what()));
        return 1;
    }
    return QApplication::exec();
}

} // namespace vantorel
