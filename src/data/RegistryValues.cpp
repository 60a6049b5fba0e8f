#include "RegistryValues.h"

#include "IniFile.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

namespace vantorel {

namespace {
const QString Section = QStringLiteral("Software\\Vantorel");
}

QString RegistryStore::standardPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Vantorel/Vantorel.conf");
}

QString RegistryStore::read(const QString& valueName) const {
    return IniFile(m_path).read(Section, valueName);
}

void RegistryStore::write(const QString& valueName, const QString& value) const {
    const QString folder = QFileInfo(m_path).absolutePath();
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(folder.toStdString()), ec);
    if (ec) {
        throw RegistryError(QStringLiteral("Cannot write the value \"%1\": %2 (%3)")
                                .arg(valueName, QString::fromStdString(ec.message()), folder));
    }
    try {
        IniFile(m_path).write(Section, valueName, value);
    } catch (const std::runtime_error& e) {
        throw RegistryError(QStringLiteral("Cannot write the value \"%1\": %2")
                                .arg(valueName, QString::fromStdString(e.what())));
    }
}

QString ReadRegistryValue(const QString& valueName) {
    return RegistryStore::standard().read(valueName);
}

void WriteRegistryValue(const QString& valueName, const QString& value) {
    RegistryStore::standard().write(valueName, value);
}

} // namespace vantorel
