#include "DesktopShortcut.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace vantorel {

namespace {

// A desktop entry's Exec key takes the program as a quoted argument when it holds blanks or quotes.
QString execArgument(const QString& path) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString arg = path;
    arg.replace(QLatin1Char('%'), QStringLiteral("%%")); // "%" starts a field code
    bool quote = false;
    for (const QChar c : arg)
        quote = quote || reserved.contains(c);
    if (!quote)
        return arg;
    QString escaped;
    for (const QChar c : arg) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    // Inside the key's string value every backslash is itself escaped once more.
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString stringValue(const QString& s) {
    QString v = s;
    v.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return v;
}

} // namespace

QString DesktopEntryText(const QString& programPath) {
    const QFileInfo program(programPath);
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.0\n"
                          "Name=Vantorel\n"
                          "Comment=Point of sale and back office for bars and restaurants\n"
                          "Exec=%1\n"
                          "Path=%2\n"
                          "Terminal=false\n"
                          "Categories=Office;Finance;\n")
        .arg(execArgument(program.absoluteFilePath()), stringValue(program.absolutePath()));
}

bool CreateShortcut(const QString& programPath, const QString& applicationsFolder) {
    QString folder = applicationsFolder;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    const QString path =
        QDir(folder).filePath(QFileInfo(programPath).completeBaseName() + QStringLiteral(".desktop"));
    const QByteArray text = DesktopEntryText(programPath).toUtf8();
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == text)
        return true;
    existing.close();
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(text);
    return out.commit();
}

} // namespace vantorel
