#pragma once

#include "Prompter.h"
#include "ScaledDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vantorel {

class Clock;
struct ProgramState;

// The keyboard billing screen's bill authorization: a superior holding TF36 types his ID (the last four
// characters typed count). Answers in DialogAnswer() "0" (refused or cancelled), "1" (this item) or "2"
// (all).
class TFAuthorize : public ScaledDialog {
    Q_OBJECT
public:
    static constexpr int Width = 380;
    static constexpr int Height = 230;

    TFAuthorize(QWidget* parent, const ProgramState& state, const Clock& clock, Prompter& prompter);

    // The bill number stands at characters 9 to 16 of the title.
    void setBill(const QString& billNumber);
    void setComments(const QString& action);

    QLabel* titleLine() const { return m_header; }
    QLineEdit* idField() const { return m_id; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* allButton() const { return m_all; }

    void confirm(Prompter::Approval wanted);
    void cancel();

    // Asks and returns the answer.
    static Prompter::Approval ask(QWidget* parent, const ProgramState& state, const Clock& clock,
                                  Prompter& prompter, const QString& billNumber, const QString& action);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    const ProgramState& m_state;
    const Clock& m_clock;
    Prompter& m_prompter;
    QLabel* m_header = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_comments = nullptr;
    QLineEdit* m_id = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_all = nullptr;
    bool m_done = false;
};

} // namespace vantorel
