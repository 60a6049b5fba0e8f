#pragma once

#include <QObject>
#include <QPointer>
#include <deque>
#include <memory>

class QKeyEvent;
class QWidget;

namespace vantorel {

// Blocks a screen's keyboard and mouse while an action writes to the database. Keys typed meanwhile are
// kept in order and handed, once the action and everything it shows are over, to the control that then has
// the focus, so typing ahead loses nothing; mouse input is dropped. Message boxes the action opens are other
// windows and work as usual.
class InputGate : public QObject {
    Q_OBJECT
public:
    // The form and the surface its controls live on (the canvas of a full-screen form).
    InputGate(QWidget* form, QWidget* surface);
    ~InputGate() override;

    bool isClosed() const { return m_depth > 0 || m_replayPending; }
    int pendingKeys() const { return static_cast<int>(m_keys.size()); }

    // Closes the gate for the lifetime of the object; the last one to end replays the kept keys.
    class Hold {
    public:
        explicit Hold(InputGate& gate);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        InputGate& m_gate;
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongsToScreen(QObject* object) const;
    void release();
    void replay();

    QPointer<QWidget> m_form;
    QPointer<QWidget> m_surface;
    int m_depth = 0;
    bool m_replayPending = false;
    const QEvent* m_passing = nullptr;
    std::deque<std::unique_ptr<QKeyEvent>> m_keys;
};

} // namespace vantorel
