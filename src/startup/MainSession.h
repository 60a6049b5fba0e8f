#pragma once

#include "CheckIn.h"
#include "Money.h"
#include "SetupChecks.h"

#include <QString>
#include <optional>

namespace vantorel {

class Clock;
class ConnectionHolder;
class Prompter;
struct ProgramState;

// The main screen's work without its widgets: start-up data steps, check-in and the choice of entry, the
// checks behind the Billing entry, the startup cash and the check-out. The screen shows what it returns.
class MainSession {
public:
    MainSession(ProgramState& state, ConnectionHolder& connection, const Clock& clock, Prompter& prompter);

    // Start, database part: the "TR15" function, the welcome text, the settings copies, then the first-start
    // work.
    void create();
    const QString& welcomeText() const { return m_welcome; }
    bool startupCashKnown() const { return m_startupCashKnown; }
    const Money& startupCash() const { return m_startupCash; }

    // Every activation: the settings copies and the new-month flag.
    void activate();
    bool newMonth() const { return m_newMonth; }

    enum class CheckIn {
        MissingName, // message shown: focus the name
        MissingId,   // message shown: focus the ID
        TryAgain,    // wrong name or ID: clear both fields
        EndProgram,  // third failure, exit on the pad, unknown touch ID, or no rights (message shown)
        BillingOnly, // straight into billing; the program closes down when billing is left
        MainMenu
    };
    CheckIn checkInByKeyboard(const QString& name, const QString& id);
    CheckIn checkInByTouch(const QString& reply);
    int loginAttempt() const { return m_keyboard.attemptNumber(); }
    bool isCheckedIn() const { return m_checkedIn; }

    // A billing-only user cannot work while the menu is incomplete: message shown, the program ends.
    bool billingOnlyBlocked();
    SetupWarnings setupWarnings();
    bool cashInputOffered();
    bool lastDayOfMonth() const;

    // The Billing entry: the menu must be complete (message otherwise), the user must hold TF02.
    bool billingMenuReady();
    bool authorizedForBilling();
    // On a database reached over the network, Billing shows today's sales instead of billing.
    bool billingShowsSalesSummary() const;
    // The receipt printer, made the default printer while billing runs.
    QString receiptPrinter();

    // A reply of the startup cash pad: stored when it is an amount other than 0; returns the amount.
    std::optional<Money> enterStartupCash(const QString& reply);

    // Stamps the current user's open time-sheet row.
    void checkOut();

private:
    CheckIn enter();

    ProgramState& m_state;
    ConnectionHolder& m_connection;
    const Clock& m_clock;
    Prompter& m_prompter;
    KeyboardCheckIn m_keyboard;
    QString m_welcome;
    bool m_startupCashKnown = false;
    Money m_startupCash;
    bool m_newMonth = false;
    bool m_checkedIn = false;
};

} // namespace vantorel
