#pragma once

#include "Prompter.h"
#include "ScaledDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vantorel {

class Clock;
struct ProgramState;

// The touch billing screen's bill authorization: a superior holding TF33 types his ID on the pad. Answers in
// DialogAnswer() "0" (refused or cancelled), "1" (this item) or "2" (all items).
class TTSFAuthorize : public ScaledDialog {
    Q_OBJECT
public:
    static constexpr int Width = 400;
    static constexpr int Height = 440;
    static constexpr int MaxDigits = 30;

    TTSFAuthorize(QWidget* parent, const ProgramState& state, const Clock& clock, Prompter& prompter);

    void setAccount(const QString& account);
    void setComments(const QString& action);

    const QString& entry() const { return m_entry; }
    QLabel* titleLine() const { return m_header; }
    QPushButton* key(const QString& caption) const;

    void pressDigit(QChar digit);
    void clear();
    void confirm(Prompter::Approval wanted);
    void cancel();

    static Prompter::Approval ask(QWidget* parent, const ProgramState& state, const Clock& clock,
                                  Prompter& prompter, const QString& account, const QString& action);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    const ProgramState& m_state;
    const Clock& m_clock;
    Prompter& m_prompter;
    QString m_entry;
    QLabel* m_header = nullptr;
    QLabel* m_question = nullptr;
    QLabel* m_actionLabel = nullptr;
    QLabel* m_accountLabel = nullptr;
    QLabel* m_comments = nullptr;
    QLabel* m_account = nullptr;
    QLineEdit* m_display = nullptr;
    bool m_done = false;
};

} // namespace vantorel
