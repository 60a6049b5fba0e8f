#include "WidgetPrompter.h"

#include "FullScreenForm.h"
#include "WindowHelpers.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

namespace vantorel {

namespace {

QMessageBox::Icon boxIcon(Prompter::Icon icon) {
    switch (icon) {
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::Exclamation:
        return QMessageBox::Warning;
    case Prompter::Icon::Error:
        return QMessageBox::Critical;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(Prompter::Buttons buttons) {
    switch (buttons) {
    case Prompter::Buttons::Ok:
        return QMessageBox::Ok;
    case Prompter::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompter::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Prompter::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Prompter::Answer answerOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return Prompter::Answer::Yes;
    case QMessageBox::No:
        return Prompter::Answer::No;
    case QMessageBox::Ok:
        return Prompter::Answer::Ok;
    default:
        return Prompter::Answer::Cancel;
    }
}

// Boxes over a scaled screen are drawn in proportion to it.
void scaleToScreen(QWidget* box, QWidget* parent) {
    const auto* form = qobject_cast<const FullScreenForm*>(parent);
    const qreal scale = form ? form->scaleFactor() : 1.0;
    box->setFont(FullScreenForm::designFont(qRound(13 * scale)));
}

} // namespace

WidgetPrompter::WidgetPrompter(QWidget* parent) : m_parent(parent) {}

QString WidgetPrompter::displayText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
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
    QWidget* parent = parentWindow();
    QMessageBox box(boxIcon(icon), caption, displayText(text), boxButtons(buttons), parent);
    box.setWindowModality(Qt::ApplicationModal);
    scaleToScreen(&box, parent);
    if (buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel)
        box.setDefaultButton(QMessageBox::Yes);
    return answerOf(box.exec());
}

std::optional<QString> WidgetPrompter::askText(const QString& prompt, const QString& caption, int maxLength,
                                               bool masked) {
    QWidget* parent = parentWindow();
    QDialog dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.setWindowModality(Qt::ApplicationModal);
    scaleToScreen(&dialog, parent);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(displayText(prompt), &dialog));
    auto* edit = new QLineEdit(&dialog);
    edit->setObjectName(QStringLiteral("answer"));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    edit->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
    layout->addWidget(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    edit->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return edit->text();
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
