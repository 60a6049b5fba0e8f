#pragma once

#include <QString>
#include <stdexcept>

namespace vantorel {

// A database or storage failure. The action's transaction rolls back; the top-level handler shows it.
class DatabaseError : public std::runtime_error {
public:
    enum class Kind { General, WrongKey, Busy, Constraint, NotFound };
    explicit DatabaseError(const QString& message, Kind kind = Kind::General)
        : std::runtime_error(message.toStdString()), m_kind(kind), m_message(message) {}
    Kind kind() const { return m_kind; }
    const QString& message() const { return m_message; }

private:
    Kind m_kind;
    QString m_message;
};

} // namespace vantorel
