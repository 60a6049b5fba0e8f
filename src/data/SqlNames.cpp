#include "SqlNames.h"

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
    // Names of the schema that are keywords in SQLite or PostgreSQL, or close enough to one to be risky.
    static const QSet<QString> words = {
        QStringLiteral("table"),    QStringLiteral("group"),  QStringLiteral("function"),
        QStringLiteral("number"),   QStringLiteral("month"),  QStringLiteral("year"),
        QStringLiteral("name"),     QStringLiteral("code"),   QStringLiteral("delay"),
        QStringLiteral("command"),  QStringLiteral("password"), QStringLiteral("event"),
        QStringLiteral("datetime"), QStringLiteral("convert"), QStringLiteral("void"),
        QStringLiteral("percent"),  QStringLiteral("change"), QStringLiteral("user"),
        QStringLiteral("order"),    QStringLiteral("functions"), QStringLiteral("item"),
    };
    return words;
}

} // namespace

bool NeedsQuoting(const QString& name) {
    return !isPlainIdentifier(name) || reservedWords().contains(name.toLower());
}

QString QuoteIdentifier(const QString& name) {
    QString escaped = name;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString SqlName(const QString& name) { return NeedsQuoting(name) ? QuoteIdentifier(name.toLower()) : name; }

} // namespace vantorel
