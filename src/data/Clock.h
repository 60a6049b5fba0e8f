#pragma once

#include <QDateTime>

namespace vantorel {

// The time as the program sees it. Screens use the system clock; tests fix it, so that business days,
// 05:45 and month ends can be tested at any hour.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    static const SystemClock& instance() {
        static const SystemClock clock;
        return clock;
    }
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime at) : m_now(std::move(at)) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& at) { m_now = at; }
    void advanceSeconds(qint64 s) { m_now = m_now.addSecs(s); }

private:
    QDateTime m_now;
};

} // namespace vantorel
