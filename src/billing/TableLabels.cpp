#include "TableLabels.h"

#include "Database.h"
#include "SqlNames.h"

namespace vantorel {

namespace {

int digitCount(const QString& label) {
    int n = 0;
    while (n < label.size() && label[n].isDigit() && label[n].unicode() < 128)
        ++n;
    return n;
}

QChar firstFreeLetter(const QString& used) {
    for (char c = 'a'; c <= 'z'; ++c) {
        if (!used.contains(QLatin1Char(c)))
            return QLatin1Char(c);
    }
    return {};
}

} // namespace

QString TableOfLabel(const QString& label) {
    return label.left(digitCount(label));
}

QChar LetterOfLabel(const QString& label) {
    const int n = digitCount(label);
    if (n == 0 || n >= label.size() || !label[n].isLetter())
        return {};
    return label[n].toLower();
}

QString TableDisplayLabel(const QString& label) {
    const QString table = TableOfLabel(label);
    if (table.isEmpty())
        return label;
    QString shown = QString::number(table.toInt());
    const QChar letter = LetterOfLabel(label);
    if (!letter.isNull())
        shown += letter;
    return shown;
}

TableInput ParseTableInput(const QString& typed) {
    TableInput result;
    QString text = typed.trimmed();
    if (text.isEmpty()) {
        result.problem = TableInput::Problem::Empty;
        return result;
    }
    if (text.size() > 1 && text.back().isLetter())
        text.chop(1);
    QString digits;
    for (QChar c : std::as_const(text)) {
        if (c.isDigit() && c.unicode() < 128)
            digits += c;
    }
    if (digits.isEmpty()) {
        result.problem = TableInput::Problem::NotANumber;
        return result;
    }
    if (text.size() >= 4) {
        result.problem = TableInput::Problem::TooLong;
        return result;
    }
    const int number = digits.toInt();
    if (number == 0) {
        result.problem = TableInput::Problem::Zero;
        return result;
    }
    result.table = QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
    return result;
}

TablePlacement PlaceOnTable(const QStringList& openLabels, const QString& table) {
    bool plainTaken = false;
    QString used;
    for (const QString& label : openLabels) {
        if (TableOfLabel(label).compare(table, Qt::CaseInsensitive) != 0)
            continue;
        const QChar letter = LetterOfLabel(label);
        if (letter.isNull())
            plainTaken = true;
        else
            used += letter;
    }
    TablePlacement placement;
    if (!plainTaken && used.isEmpty()) {
        placement.label = table;
        return placement;
    }
    if (plainTaken) {
        const QChar forPlain = firstFreeLetter(used);
        if (forPlain.isNull())
            return placement;
        used += forPlain;
        placement.renamePlainTo = table + forPlain;
    }
    const QChar forNew = firstFreeLetter(used);
    if (forNew.isNull()) {
        placement.renamePlainTo.clear();
        return placement;
    }
    placement.label = table + forNew;
    return placement;
}

QString GetTableNum(const QStringList& openLabels, const QString& table) {
    return PlaceOnTable(openLabels, table).label;
}

QString GetTableNum(Database& db, const QString& table) {
    return GetTableNum(OpenTableLabels(db), table);
}

QStringList OpenTableLabels(Database& db) {
    QStringList labels;
    for (const Row& r :
         db.query(QStringLiteral("SELECT %1 FROM BillA WHERE PayMode = ? AND %1 <> ? AND %2 = ?")
                      .arg(SqlName(QStringLiteral("Table")), SqlName(QStringLiteral("Void"))),
                  {QStringLiteral("Pend"), QStringLiteral("SB"), false}))
        labels << r.text(QStringLiteral("Table"));
    return labels;
}

} // namespace vantorel
