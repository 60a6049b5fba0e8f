#include "StandInScreens.h"

#include "PendingScreen.h"
#include "ProgramState.h"
#include "Rights.h"
#include "TF02.h"
#include "TF03.h"
#include "TF06.h"
#include "TF07.h"
#include "TF16.h"
#include "TF05.h"

#include <QPushButton>

namespace vantorel {

namespace {

void showPending(TFMain& main, const QString& title, const QString& text) {
    PendingScreen screen(main.clock(), title, text, &main);
    screen.execModal();
}

} // namespace

// A settings screen behind its function code, opened on the main screen's connection settings.
template <typename Screen>
void addSettingsEntry(TFMain& main, PendingScreen& screen, const QString& caption, const QString& code) {
    screen.addEntry(caption, [&main, &screen, code] {
        ConnectionHolder connection(main.state());
        if (!Authorized(connection.db(), main.state(), main.prompter(), code))
            return;
        Screen form(connection.db(), main.state(), main.prompter(), main.clock(), &screen);
        form.execModal();
    })->setObjectName(code + QStringLiteral("Entry"));
}

MainScreenOpeners StandInOpeners() {
    MainScreenOpeners o;
    o.billing = [](TFMain& main) {
        if (!main.state().settings.touchMode) {
            // The billing screen works on a connection of its own, as every screen does.
            ConnectionHolder connection(main.state());
            TF02 billing(connection.db(), main.state(), main.prompter(), main.clock(), &main);
            billing.execModal();
            return;
        }
        showPending(main, QStringLiteral("Touch Billing"),
                    QStringLiteral("Billing is not part of this version of Vantorel yet."));
    };
    o.salesSummary = [](TFMain& main) {
        showPending(main, QStringLiteral("Today's Sales"),
                    QStringLiteral("Today's sales summary is not part of this version of Vantorel yet."));
    };
    o.utilities = [](TFMain& main) {
        PendingScreen screen(
            main.clock(), QStringLiteral("Utilities"),
            QStringLiteral("The utilities menu is not part of this version of Vantorel yet."), &main);
        QPushButton* rights = screen.addEntry(QStringLiteral("Authorization"), [&main, &screen] {
            ConnectionHolder connection(main.state());
            if (!Authorized(connection.db(), main.state(), main.prompter(), QStringLiteral("TF05")))
                return;
            connection.close();
            TF05 tf05(main.state(), main.clock(), main.prompter(), &screen);
            tf05.run();
        });
        rights->setObjectName(QStringLiteral("AuthorizationEntry"));
        QPushButton* users = screen.addEntry(QStringLiteral("User ID"), [&main, &screen] {
            ConnectionHolder connection(main.state());
            if (!Authorized(connection.db(), main.state(), main.prompter(), QStringLiteral("TF03")))
                return;
            TF03 tf03(connection.db(), main.state(), main.prompter(), main.clock(), &screen);
            tf03.execModal();
        });
        users->setObjectName(QStringLiteral("UserIdEntry"));
        addSettingsEntry<TF06>(main, screen, QStringLiteral("Credit Cards"), QStringLiteral("TF06"));
        addSettingsEntry<TF07>(main, screen, QStringLiteral("Tax & Charges"), QStringLiteral("TF07"));
        addSettingsEntry<TF16>(main, screen, QStringLiteral("Bill Rounding"), QStringLiteral("TF16"));
        screen.execModal();
    };
    return o;
}

} // namespace vantorel
