#include "PercentField.h"

#include "FullScreenForm.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace vantorel {

PercentField::PercentField(const QString& objectName, int maxLength, QWidget* parent) : QLineEdit(parent) {
    setObjectName(objectName);
    setMaxLength(maxLength);
    setFont(FullScreenForm::designFont(16));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void PercentField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason)
        selectAll();
}

void PercentField::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (text() == QLatin1String("."))
            setText(QStringLiteral("0"));
        event->accept();
        emit entered();
        return;
    case Qt::Key_Escape:
        clear();
        event->accept();
        return;
    default:
        break;
    }
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
    if (printable && !(event->modifiers() & Qt::ControlModifier)) {
        const QChar c = typed.at(0);
        if (typed.size() != 1 ||
            !((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.'))) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace vantorel
