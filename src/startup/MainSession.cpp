#include "MainSession.h"

#include "CheckIn.h"
#include "Clock.h"
#include "ConnectionHolder.h"
#include "DayChange.h"
#include "LanWarning.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "Rights.h"
#include "Settings.h"
#include "StartupCash.h"

namespace vantorel {

MainSession::MainSession(ProgramState& state, ConnectionHolder& connection, const Clock& clock,
                         Prompter& prompter)
    : m_state(state), m_connection(connection), m_clock(clock), m_prompter(prompter) {}

void MainSession::create() {
    Database& db = m_connection.db();
    EnsureSalesTodayFunction(db);
    m_welcome = WelcomeText(db);
    LoadSettingsCopies(db, m_state.settings);
    const FirstStartOutcome first = ActionOnFirstStartUp(db, m_state, m_clock);
    m_startupCashKnown = first.startupCashKnown;
    m_startupCash = first.startupCash;
}

void MainSession::activate() {
    Database& db = m_connection.db();
    LoadSettingsCopies(db, m_state.settings);
    m_newMonth = NewMonthFlag(db, m_clock);
}

MainSession::CheckIn MainSession::checkInByKeyboard(const QString& name, const QString& id) {
    switch (m_keyboard.attempt(m_connection.db(), m_state, m_clock, m_prompter, name, id)) {
    case KeyboardCheckIn::Result::MissingName:
        return CheckIn::MissingName;
    case KeyboardCheckIn::Result::MissingId:
        return CheckIn::MissingId;
    case KeyboardCheckIn::Result::TryAgain:
        return CheckIn::TryAgain;
    case KeyboardCheckIn::Result::Failed:
        return CheckIn::EndProgram;
    case KeyboardCheckIn::Result::Verified:
        break;
    }
    return enter();
}

MainSession::CheckIn MainSession::checkInByTouch(const QString& reply) {
    if (TouchCheckIn(m_connection.db(), m_state, m_clock, reply) != TouchCheckInResult::Verified)
        return CheckIn::EndProgram;
    return enter();
}

MainSession::CheckIn MainSession::enter() {
    switch (CompleteCheckIn(m_connection.db(), m_state, m_clock, m_prompter)) {
    case Entry::Refused:
        return CheckIn::EndProgram;
    case Entry::BillingOnly:
        m_checkedIn = true;
        return CheckIn::BillingOnly;
    case Entry::MainMenu:
        break;
    }
    m_checkedIn = true;
    return CheckIn::MainMenu;
}

bool MainSession::billingOnlyBlocked() {
    const bool touch = m_state.settings.touchMode;
    if (!SetupChecks::read(m_connection.db()).menuIncomplete(touch))
        return false;
    m_prompter.showMessage(SetupText::MenuNeedsMaintenance(touch), SetupText::BillingNotAvailableCaption,
                           Prompter::Icon::Exclamation);
    return true;
}

SetupWarnings MainSession::setupWarnings() {
    return GetMessages(SetupChecks::read(m_connection.db()), m_state.settings.touchMode, m_newMonth);
}

bool MainSession::cashInputOffered() {
    return StartupCashOffered(m_connection.db());
}

bool MainSession::lastDayOfMonth() const {
    return IsLastDayOfMonth(m_clock.now().date());
}

bool MainSession::billingMenuReady() {
    const bool touch = m_state.settings.touchMode;
    if (!SetupChecks::read(m_connection.db()).menuIncomplete(touch))
        return true;
    m_prompter.showMessage(SetupText::MenuNeedsService(touch), SetupText::ServiceCaption,
                           Prompter::Icon::Exclamation);
    return false;
}

bool MainSession::authorizedForBilling() {
    return AuthorizedForBilling(m_connection.db(), m_state, m_prompter, QStringLiteral("TF02"));
}

bool MainSession::billingShowsSalesSummary() const {
    return BillingBlockedOverNetwork(m_state);
}

QString MainSession::receiptPrinter() {
    return ReadUtility(m_connection.db()).printer;
}

std::optional<Money> MainSession::enterStartupCash(const QString& reply) {
    const auto amount = StartupCashFromReply(reply);
    if (!amount)
        return std::nullopt;
    EnterStartupCash(m_connection.db(), m_state, m_clock, *amount);
    return amount;
}

void MainSession::checkOut() {
    if (m_checkedIn)
        RecordCheckOut(m_connection.db(), m_state, m_clock);
}

} // namespace vantorel
