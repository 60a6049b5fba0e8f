#pragma once

#include "Prompter.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace vantorel {

class GradientPanel;

// The program's modal message box: its own title bar carries the caption (the screens run without window
// decorations), then the icon, the text, an optional input field and the buttons. Enter answers with the
// first button, Esc with the last.
class PromptDialog : public QDialog {
    Q_OBJECT
public:
    PromptDialog(const QString& caption, const QString& text, Prompter::Icon icon, Prompter::Buttons buttons,
                 QWidget* parent = nullptr);

    QString caption() const;
    QString text() const;
    Prompter::Icon icon() const { return m_icon; }
    // Adds an input field (at most maxLength characters, shown as dots when masked) above the buttons.
    void addInput(int maxLength, bool masked);
    QString input() const;

    Prompter::Answer answer() const { return m_answer; }
    // Closes the box with that answer, as if its button had been pressed.
    void answerWith(Prompter::Answer answer);

    int exec() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QList<Prompter::Answer> m_answers;
    Prompter::Answer m_answer = Prompter::Answer::Cancel;
    Prompter::Icon m_icon;
    GradientPanel* m_titleBar = nullptr;
    QLabel* m_text = nullptr;
    QLineEdit* m_input = nullptr;
    qreal m_scale = 1.0;
};

} // namespace vantorel
