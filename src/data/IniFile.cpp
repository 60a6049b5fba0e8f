#include "IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <stdexcept>

namespace vantorel {

namespace {

QStringList readLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QString text = QString::fromUtf8(f.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& l : lines) {
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    }
    return lines;
}

bool isSectionLine(const QString& line, QString* name) {
    const QString t = line.trimmed();
    if (t.size() < 2 || !t.startsWith(QLatin1Char('[')) || !t.endsWith(QLatin1Char(']')))
        return false;
    *name = t.mid(1, t.size() - 2).trimmed();
    return true;
}

bool isKeyLine(const QString& line, QString* key, QString* value) {
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#')))
        return false;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    *key = t.left(eq).trimmed();
    if (value)
        *value = t.mid(eq + 1).trimmed();
    return true;
}

} // namespace

QString IniFile::read(const QString& section, const QString& key) const {
    QString current;
    bool inSection = false;
    for (const QString& line : readLines(m_path)) {
        QString name, k, v;
        if (isSectionLine(line, &name)) {
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (inSection && isKeyLine(line, &k, &v) && k.compare(key, Qt::CaseInsensitive) == 0)
            return v;
    }
    return {};
}

void IniFile::write(const QString& section, const QString& key, const QString& value) const {
    QStringList lines = readLines(m_path);
    const QString entry = key + QLatin1Char('=') + value;
    qsizetype sectionStart = -1; // line after the header
    qsizetype sectionEnd = -1;   // first line of the next section
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString name;
        if (isSectionLine(lines[i], &name)) {
            if (sectionStart >= 0 && sectionEnd < 0)
                sectionEnd = i;
            if (sectionStart < 0 && name.compare(section, Qt::CaseInsensitive) == 0)
                sectionStart = i + 1;
        }
    }
    bool done = false;
    if (sectionStart >= 0) {
        if (sectionEnd < 0)
            sectionEnd = lines.size();
        for (qsizetype i = sectionStart; i < sectionEnd; ++i) {
            QString k;
            if (isKeyLine(lines[i], &k, nullptr) && k.compare(key, Qt::CaseInsensitive) == 0) {
                lines[i] = entry;
                done = true;
                break;
            }
        }
        if (!done) {
            qsizetype at = sectionEnd;
            while (at > sectionStart && lines[at - 1].trimmed().isEmpty())
                --at;
            lines.insert(at, entry);
            done = true;
        }
    }
    if (!done) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines << QString();
        lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
    }
    QSaveFile out(m_path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text))
        throw std::runtime_error(QStringLiteral("Cannot write %1: %2").arg(m_path, out.errorString()).toStdString());
    out.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    if (!out.commit())
        throw std::runtime_error(QStringLiteral("Cannot write %1: %2").arg(m_path, out.errorString()).toStdString());
}

} // namespace vantorel
