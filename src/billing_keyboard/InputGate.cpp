#include "InputGate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
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
        m_gate.release();
}

void InputGate::release() {
    if (m_keys.empty() || m_replayPending)
        return;
    // The kept keys go on once the screen has shown the action's result (the focus may move), and in
    // order: keys arriving meanwhile queue behind them.
    m_replayPending = true;
    QTimer::singleShot(0, this, &InputGate::replay);
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
    if ((m_depth == 0 && !m_replayPending) || event == m_passing)
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
        return m_depth > 0 && belongsToScreen(watched);
    default:
        return false;
    }
}

void InputGate::replay() {
    m_replayPending = false;
    while (m_depth == 0 && !m_replayPending && !m_keys.empty()) {
        std::unique_ptr<QKeyEvent> key = std::move(m_keys.front());
        m_keys.pop_front();
        QWidget* target = m_surface ? m_surface->focusWidget() : nullptr;
        if (!target)
            target = m_form;
        if (!target)
            continue;
        // A key that starts another action holds the rest until that one is over.
        m_passing = key.get();
        QApplication::sendEvent(target, key.get());
        m_passing = nullptr;
    }
    if (m_depth == 0 && !m_replayPending && !m_keys.empty())
        release();
}

} // namespace vantorel
