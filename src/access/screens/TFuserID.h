#pragma once

#include "ScaledDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vantorel {

class Clock;
class Prompter;
struct ProgramState;

// Keyboard billing's user-ID prompt: whoever types a valid ID becomes the current user. Answers in
// DialogAnswer() "ToBilling" or "CloseBilling".
class TFuserID : public ScaledDialog {
    Q_OBJECT
public:
    static constexpr int Width = 380;
    static constexpr int Height = 240;

    TFuserID(QWidget* parent, ProgramState& state, const Clock& clock, Prompter& prompter);

    void setExitVisible(bool visible);
    QLineEdit* idField() const { return m_id; }
    QPushButton* toBillingButton() const { return m_toBilling; }
    QPushButton* exitButton() const { return m_exit; }
    QLabel* usersLabel() const { return m_users; }

    void toBilling();
    void exitBilling();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override {}

private:
    bool holdsValidId();
    void showInvalid();

    ProgramState& m_state;
    const Clock& m_clock;
    Prompter& m_prompter;
    QLabel* m_prompt = nullptr;
    QLabel* m_users = nullptr;
    QLineEdit* m_id = nullptr;
    QPushButton* m_toBilling = nullptr;
    QPushButton* m_exit = nullptr;
    bool m_exitVisible = true;
};

} // namespace vantorel
