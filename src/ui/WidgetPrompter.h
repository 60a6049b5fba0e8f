#pragma once

#include "Prompter.h"

#include <QPointer>
#include <QWidget>
#include <functional>

namespace vantorel {

// The Prompter of the screens: modal message boxes and a small input dialog over the active screen.
class WidgetPrompter : public Prompter {
public:
    using ApprovalHandler =
        std::function<Prompter::Approval(const QString& billOrAccount, const QString& action)>;

    // Boxes open over the given window, or over the active window when none is given.
    explicit WidgetPrompter(QWidget* parent = nullptr);

    void setParentWidget(QWidget* parent) { m_parent = parent; }
    // Who answers approval requests; without one every request is refused.
    void setApprovalHandler(ApprovalHandler handler) { m_approval = std::move(handler); }

    void showMessage(const QString& text, const QString& caption, Icon icon) override;
    Answer ask(const QString& text, const QString& caption, Buttons buttons, Icon icon) override;
    std::optional<QString> askText(const QString& prompt, const QString& caption, int maxLength,
                                   bool masked) override;
    Approval requestApproval(const QString& billOrAccount, const QString& action) override;
    void beep(int kind) override;

    // The fixed texts use CR for line breaks; a box shows them as line feeds.
    static QString displayText(const QString& text);

private:
    QWidget* parentWindow() const;

    QPointer<QWidget> m_parent;
    ApprovalHandler m_approval;
};

} // namespace vantorel
