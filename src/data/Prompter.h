#pragma once

#include <QString>
#include <optional>

namespace vantorel {

// How engine code talks to the person at the screen: fixed messages, Yes/No questions, a typed value,
// and a superior's approval. Screens answer with message boxes and dialogs; tests with scripted answers.
class Prompter {
public:
    enum class Icon { None, Information, Exclamation, Error, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };
    // What a bill-authorization dialog answers: refused or cancelled, approved for one item, for all items.
    enum class Approval { Refused = 0, OneItem = 1, AllItems = 2 };

    virtual ~Prompter() = default;

    virtual void showMessage(const QString& text, const QString& caption, Icon icon) = 0;
    virtual Answer ask(const QString& text, const QString& caption, Buttons buttons, Icon icon) = 0;
    // A typed value (at most maxLength characters); nullopt when cancelled.
    virtual std::optional<QString> askText(const QString& prompt, const QString& caption, int maxLength,
                                           bool masked) = 0;
    // Asks a superior to approve an action on a bill or account by typing his user ID.
    virtual Approval requestApproval(const QString& billOrAccount, const QString& action) = 0;
    // The message beep: 1 information, 2 exclamation, 3 error, any other value the simple beep.
    virtual void beep(int kind) = 0;
};

} // namespace vantorel
