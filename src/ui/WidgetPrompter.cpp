#include "WidgetPrompter.h"

#include "PromptDialog.h"
#include "WindowHelpers.h"

#include <QApplication>

namespace vantorel {

WidgetPrompter::WidgetPrompter(QWidget* parent) : m_parent(parent) {}

QString WidgetPrompter::displayText(const QString& text) {
    return WithLineFeeds(text);
}

QWidget* WidgetPrompter::parentWindow() const {
    if (m_parent)
        return m_parent->window();
    return QApplication::activeWindow();
}

void WidgetPrompter::showMessage(const QString& text, const QString& caption, Icon icon) {
    ask(text, caption, Buttons::Ok, icon);
}

Prompter::Answer WidgetPrompter::ask(const QString& text, const QString& caption, Buttons buttons,
                                     Icon icon) {
    PromptDialog box(caption, text, icon, buttons, parentWindow());
    box.exec();
    return box.answer();
}

std::optional<QString> WidgetPrompter::askText(const QString& prompt, const QString& caption, int maxLength,
                                               bool masked) {
    PromptDialog box(caption, prompt, Icon::None, Buttons::OkCancel, parentWindow());
    box.addInput(maxLength, masked);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.input();
}

Prompter::Approval WidgetPrompter::requestApproval(const QString& billOrAccount, const QString& action) {
    if (!m_approval)
        return Approval::Refused;
    return m_approval(billOrAccount, action);
}

void WidgetPrompter::beep(int kind) {
    BeepKind(kind);
}

} // namespace vantorel
