#pragma once

#include <QString>
#include <stdexcept>

namespace vantorel {

// The values this computer keeps for the program, outside any data folder: an INI file in the user's
// configuration folder (XDG_CONFIG_HOME/Vantorel/Vantorel.conf), one section "Software\Vantorel",
// the value names as they are.
namespace RegistryValue {
inline const QString Bill = QStringLiteral("Bill");                                 // last bill number issued
inline const QString LocationExeFile = QStringLiteral("Location ExeFile");          // folder of the program
inline const QString LocationProgramData = QStringLiteral("Location Program Data"); // the data folder
inline const QString Licence = QStringLiteral("LIC");                               // tax licence number
inline const QString Lan = QStringLiteral("LAN"); // last network database folder
} // namespace RegistryValue

class RegistryError : public std::runtime_error {
public:
    explicit RegistryError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// The store behind the values; the path is given so that tests and a command-line option can use another.
class RegistryStore {
public:
    explicit RegistryStore(QString path) : m_path(std::move(path)) {}
    // The user's configuration folder + "/Vantorel/Vantorel.conf".
    static QString standardPath();
    static RegistryStore standard() { return RegistryStore(standardPath()); }

    const QString& path() const { return m_path; }
    // Empty when the file or the value is missing.
    QString read(const QString& valueName) const;
    // Creates the folder and the file when needed. Throws RegistryError with the system's reason when the
    // value cannot be written.
    void write(const QString& valueName, const QString& value) const;

private:
    QString m_path;
};

QString ReadRegistryValue(const QString& valueName);
void WriteRegistryValue(const QString& valueName, const QString& value);

} // namespace vantorel
