#include "SqlNames.h"

#include "Schema.h"

#include <QHash>
#include <QSet>

namespace vantorel {

namespace {

bool isPlainIdentifier(const QString& name) {
    if (name.isEmpty() || name[0].isDigit())
        return false;
    for (QChar c : name) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('_'))
            return false;
    }
    return true;
}

const QSet<QString>& reservedWords() {
    // Words reserved in SQLite or PostgreSQL that the schema uses as names.
    static const QSet<QString> words = {
        QStringLiteral("table"),  QStringLiteral("group"),    QStringLiteral("function"),
        QStringLiteral("number"), QStringLiteral("month"),    QStringLiteral("year"),
        QStringLiteral("name"),   QStringLiteral("code"),     QStringLiteral("delay"),
        QStringLiteral("command"), QStringLiteral("password"), QStringLiteral("event"),
        QStringLiteral("datetime"), QStringLiteral("convert"), QStringLiteral("void"),
        QStringLiteral("percent"), QStringLiteral("change"),  QStringLiteral("user"),
        QStringLiteral("order"),  QStringLiteral("functions"), QStringLiteral("item"),
    };
    return words;
}

const QHash<QString, QString>& canonicalNames() {
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> h;
        for (const TableDef& t : SchemaTables()) {
            h.insert(t.name.toLower(), t.name);
            for (const ColumnDef& c : t.columns)
                h.insert(c.name.toLower(), c.name);
        }
        return h;
    }();
    return names;
}

} // namespace

QString SqlName(const QString& name) {
    const QString lower = name.toLower();
    if (isPlainIdentifier(name) && !reservedWords().contains(lower))
        return name;
    const QString canonical = canonicalNames().value(lower, name);
    QString escaped = canonical;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace vantorel
