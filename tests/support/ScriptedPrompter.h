#pragma once

#include "Prompter.h"

#include <QStringList>
#include <deque>

namespace vantorel::test {

// Answers the engine's questions from a script and records everything it was shown.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        QString text;
        QString caption;
        Icon icon;
    };

    // Queued answers, taken in order; when a queue is empty: Yes/Ok, no text, refusal.
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> texts;
    std::deque<Approval> approvals;

    std::vector<Shown> messages;  // showMessage calls
    std::vector<Shown> questions; // ask calls
    QStringList approvalRequests; // "subject|action"
    std::vector<int> beeps;

    void showMessage(const QString& text, const QString& caption, Icon icon) override {
        messages.push_back({text, caption, icon});
    }
    Answer ask(const QString& text, const QString& caption, Buttons buttons, Icon icon) override {
        questions.push_back({text, caption, icon});
        if (!answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
    }
    std::optional<QString> askText(const QString& prompt, const QString& caption, int, bool) override {
        questions.push_back({prompt, caption, Icon::Question});
        if (texts.empty())
            return std::nullopt;
        const bool cancelled = !texts.front().has_value();
        const QString typed = cancelled ? QString() : texts.front().value_or(QString());
        texts.pop_front();
        if (cancelled)
            return std::nullopt;
        return typed;
    }
    Approval requestApproval(const QString& billOrAccount, const QString& action) override {
        approvalRequests << billOrAccount + QLatin1Char('|') + action;
        if (approvals.empty())
            return Approval::Refused;
        const Approval a = approvals.front();
        approvals.pop_front();
        return a;
    }
    void beep(int kind) override { beeps.push_back(kind); }

    QString lastMessage() const { return messages.empty() ? QString() : messages.back().text; }
};

} // namespace vantorel::test
