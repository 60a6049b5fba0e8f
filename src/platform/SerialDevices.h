#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vantorel {

class Prompter;

// The customer pole display and the cash drawer on serial ports (9600 baud, 8 data bits, no parity,
// 1 stop bit). A port that fails is reported once and skipped for as long as this object lives: the
// billing screen keeps one for its lifetime, so billing goes on without a broken device.
class SerialDevices {
public:
    // The drawer's usual command: 39 zeros, written unchanged.
    static QString drawerString() { return QString(39, QLatin1Char('0')); }
    // ESC "@": clears the pole display.
    static QString clearString() { return QStringLiteral("\x1b@"); }
    static constexpr const char* CreditCard = "Credit Card";

    explicit SerialDevices(Prompter& prompter) : m_prompter(prompter) {}

    // Writes text to the port. Without extra the display shows text and "Thank you"; with a change amount
    // as extra, "Cash   " text and "Change " extra; with extra "Credit Card", text and "Credit Card".
    // The drawer string and the clear bytes are written unchanged. Returns true when written; nothing is
    // opened for an empty port, "None" or a port that failed before.
    bool writeToCommPort(const QString& port, const QString& text, const std::optional<QString>& extra = {});

    // Pole display port (Utility.A300): clear it.
    bool clearPole(const QString& polePort) { return writeToCommPort(polePort, clearString()); }
    // Cash drawer port and command (Utility.Comport, Utility.Command).
    bool openCashDrawer(const QString& drawerPort, const QString& command) {
        return writeToCommPort(drawerPort, command);
    }

    bool hasFailed(const QString& port) const;
    const QStringList& failedPorts() const { return m_failed; }

    // The device a port setting names: a path as typed, "COM1" style names as the first serial ports.
    static QString devicePath(const QString& port);

private:
    void fail(const QString& port, const QString& message, const QString& caption);

    Prompter& m_prompter;
    QStringList m_failed;
};

} // namespace vantorel
