#pragma once

#include "ConnectionHolder.h"
#include "FullScreenForm.h"
#include "MainSession.h"

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vantorel {

class GradientPanel;
class PopupPanel;
class Prompter;
struct ProgramState;
class TFMain;

// The screens the main screen opens modally; each returns when its screen closes.
struct MainScreenOpeners {
    std::function<void(TFMain&)> billing;      // the keyboard or the touch billing screen
    std::function<void(TFMain&)> salesSummary; // today's sales, on a data folder reached over the network
    std::function<void(TFMain&)> utilities;    // the utilities menu
    std::function<void(TFMain&)> monthStartMaintenance; // after the first check-in of a new month
};

struct MainScreenOptions {
    QString programPath;        // the launcher is (re)written for it; empty: no launcher
    QString applicationsFolder; // where the launcher goes; empty: the XDG applications folder
};

// The main screen: check-in by name and ID or on the touch pad, then the Billing and Utilities entries and
// the startup cash; a user whose rights are all billing rights goes straight into billing.
class TFMain : public FullScreenForm {
    Q_OBJECT
public:
    TFMain(ProgramState& state, const Clock& clock, Prompter& prompter, MainScreenOptions options = {},
           QWidget* parent = nullptr);
    ~TFMain() override;

    void setOpeners(MainScreenOpeners openers) { m_openers = std::move(openers); }
    ProgramState& state() { return m_state; }
    const Clock& clock() const { return m_clock; }
    Prompter& prompter() { return m_prompter; }
    ConnectionHolder& connection() { return m_connection; }
    MainSession& session() { return *m_session; }

    // Start: the database steps of the screen's creation, colours and layout of the input mode, the window
    // covering the screen, the first activation. False when the program ended on the way.
    bool start();
    // Every time the screen becomes active again: settings copies, connection, check-in panel, launcher.
    void activate();

    bool hasEnded() const { return m_ended; }
    int exitCode() const { return m_exitCode; }

    // The screen's actions, as its controls run them.
    void checkInClick();      // "OK" (and Enter in the ID field)
    void touchCheckInClick(); // "Touch here!"
    void billingClick();
    void utilitiesClick();
    void cashInputClick();
    void closeClick();

signals:
    void programEnded(int exitCode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void applyInputMode();
    void showCheckInFailure();
    void resetCheckInPanel();
    void afterCheckIn(MainSession::CheckIn entry);
    void enterBillingOnly();
    void showMainMenu();
    void showDayNotices();
    void refreshCashEntry();
    void runMonthStartMaintenance();
    void useReceiptPrinter();
    void endProgram(int exitCode);

    ProgramState& m_state;
    const Clock& m_clock;
    Prompter& m_prompter;
    MainScreenOptions m_options;
    MainScreenOpeners m_openers;
    ConnectionHolder m_connection;
    std::unique_ptr<MainSession> m_session;

    GradientPanel* m_namePan = nullptr;
    QLabel* m_welcome = nullptr;
    GradientPanel* m_mainPan = nullptr;
    QLabel* m_checkInTitle = nullptr;
    GradientPanel* m_touchHere = nullptr;
    QLabel* m_nameLabel = nullptr;
    QLabel* m_idLabel = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_id = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_reset = nullptr;
    GradientPanel* m_billingPan = nullptr;
    GradientPanel* m_utilityPan = nullptr;
    QPushButton* m_dummyForBilling = nullptr;
    GradientPanel* m_cashInput = nullptr;
    QLabel* m_label20 = nullptr;
    QLabel* m_label9 = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_setupLab = nullptr;
    QListWidget* m_setupBox = nullptr;
    PopupPanel* m_lastDayOfMonth = nullptr;
    QWidget* m_hidePan = nullptr;
    QPushButton* m_closeBut = nullptr;

    QString m_cashText; // "Startup cash ..." once known
    bool m_billingGuard = false;
    bool m_ended = false;
    int m_exitCode = 0;
};

} // namespace vantorel
