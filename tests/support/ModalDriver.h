#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace vantorel::test {

// Runs an action on the next modal window of type T once it is open (a dialog's exec(), a screen's
// execModal()), from inside its event loop. done() tells whether it ran.
class ModalDriver {
public:
    template <typename T> void whenOpen(std::function<void(T*)> action, int attempts = 200) {
        QTimer::singleShot(5, [this, action, attempts] {
            if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
                ++m_ran;
                action(w);
            } else if (attempts > 0) {
                whenOpen<T>(action, attempts - 1);
            }
        });
    }
    int ran() const { return m_ran; }

private:
    int m_ran = 0;
};

} // namespace vantorel::test
