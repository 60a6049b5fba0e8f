#include "InputGate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace vantorel {

InputGate::InputGate(QWidget* form, QWidget* surface) : m_form(form), m_surface(surface) {
    qApp->installEventFilter(this);
}

InputGate::~InputGate() {
    qApp->removeEventFilter(this);
}

InputGate::Hold::Hold(InputGate& gate) : m_gate(gate) {
    ++m_gate.m_depth;
}

InputGate::Hold::~Hold() {
    if (--m_gate.m_depth == 0)
        m_gate.replay();
}

bool InputGate::belongsToScreen(QObject* object) const {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return false;
    if (m_surface && (widget == m_surface || m_surface->isAncestorOf(widget)))
        return true;
    return m_form && (widget == m_form || m_form->isAncestorOf(widget));
}

bool InputGate::eventFilter(QObject* watched, QEvent* event) {
    if (m_depth == 0)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        if (!belongsToScreen(watched))
            return false;
        if (event->type() != QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            m_keys.push_back(std::make_unique<QKeyEvent>(key->type(), key->key(), key->modifiers(),
                                                         key->text(), key->isAutoRepeat(), key->count()));
        }
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return belongsToScreen(watched);
    default:
        return false;
    }
}

void InputGate::replay() {
    if (m_replaying)
        return;
    m_replaying = true;
    // A replayed key may start another action, which closes the gate again: the rest waits for it.
    while (m_depth == 0 && !m_keys.empty()) {
        std::unique_ptr<QKeyEvent> key = std::move(m_keys.front());
        m_keys.pop_front();
        QWidget* target = m_surface ? m_surface->focusWidget() : nullptr;
        if (!target)
            target = m_form;
        if (target)
            QApplication::sendEvent(target, key.get());
    }
    m_replaying = false;
}

} // namespace vantorel
