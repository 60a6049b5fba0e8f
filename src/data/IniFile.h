#pragma once

#include <QString>

namespace vantorel {

// A plain INI file read and written key by key. Section and key names are kept exactly as given
// (spaces stay spaces); other sections, keys and comments of the file are preserved. The file is opened
// for each access, so another program may edit it in between. A missing file or key reads as empty.
class IniFile {
public:
    explicit IniFile(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }
    QString read(const QString& section, const QString& key) const;
    // Throws std::runtime_error when the file cannot be written.
    void write(const QString& section, const QString& key, const QString& value) const;

private:
    QString m_path;
};

} // namespace vantorel
