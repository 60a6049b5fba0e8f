#include "ReportTemplate.h"

#include "TemplateValues.h"

#include <QHash>
#include <QRegularExpression>

namespace vantorel {

namespace {

struct ParseFailure {
    QString message;
};

bool isNumericFormat(FieldFormat::Kind k) {
    return k == FieldFormat::Kind::Money || k == FieldFormat::Kind::Number || k == FieldFormat::Kind::Integer;
}

FieldFormat parseFormat(const QString& text) {
    static const QHash<QString, FieldFormat::Kind> kinds = {
        {QStringLiteral("text"), FieldFormat::Kind::Text},
        {QStringLiteral("upper"), FieldFormat::Kind::Upper},
        {QStringLiteral("money"), FieldFormat::Kind::Money},
        {QStringLiteral("amount"), FieldFormat::Kind::Money},
        {QStringLiteral("number"), FieldFormat::Kind::Number},
        {QStringLiteral("qty"), FieldFormat::Kind::Number},
        {QStringLiteral("int"), FieldFormat::Kind::Integer},
        {QStringLiteral("date"), FieldFormat::Kind::Date},
        {QStringLiteral("time"), FieldFormat::Kind::Time},
        {QStringLiteral("datetime"), FieldFormat::Kind::DateTime},
        {QStringLiteral("yesno"), FieldFormat::Kind::YesNo},
    };
    FieldFormat f;
    if (text.isEmpty())
        return f;
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    const QString name = (eq < 0 ? text : text.left(eq)).trimmed().toLower();
    if (!kinds.contains(name))
        throw ParseFailure{QStringLiteral("unknown format \"%1\"").arg(name)};
    f.kind = kinds.value(name);
    if (eq >= 0) {
        if (f.kind != FieldFormat::Kind::Date && f.kind != FieldFormat::Kind::Time &&
            f.kind != FieldFormat::Kind::DateTime)
            throw ParseFailure{QStringLiteral("only date and time formats take a pattern")};
        f.pattern = text.mid(eq + 1);
    }
    return f;
}

Segment parseField(const QString& inside) {
    Segment s;
    const QString body = inside.trimmed();
    if (body == QLatin1String(">")) {
        s.kind = Segment::Kind::Fill;
        return s;
    }
    s.kind = Segment::Kind::Field;
    QString expr = body;
    QString format;
    QString sizing;
    const qsizetype colon = body.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        expr = body.left(colon).trimmed();
        QString rest = body.mid(colon + 1);
        static const QRegularExpression sizingPattern(QStringLiteral("^[<>^]?[0-9]*$"));
        const qsizetype last = rest.lastIndexOf(QLatin1Char(':'));
        const QString tail = last >= 0 ? rest.mid(last + 1) : rest;
        if (!tail.isEmpty() && sizingPattern.match(tail).hasMatch()) {
            sizing = tail;
            format = last >= 0 ? rest.left(last) : QString();
        } else {
            format = rest;
        }
    }
    if (expr.isEmpty())
        throw ParseFailure{QStringLiteral("a field without a column name")};

    static const QRegularExpression call(QStringLiteral("^(\\w+)\\s*\\(\\s*([^)]*?)\\s*\\)$"));
    const QRegularExpressionMatch m = call.match(expr);
    if (expr.compare(QLatin1String("#page"), Qt::CaseInsensitive) == 0) {
        s.source = Segment::Source::Page;
    } else if (expr.compare(QLatin1String("#now"), Qt::CaseInsensitive) == 0) {
        s.source = Segment::Source::Now;
    } else if (m.hasMatch()) {
        const QString fn = m.captured(1).toLower();
        if (fn == QLatin1String("sum") && !m.captured(2).isEmpty()) {
            s.source = Segment::Source::Sum;
            s.text = m.captured(2);
        } else if (fn == QLatin1String("count") && m.captured(2).isEmpty()) {
            s.source = Segment::Source::Count;
        } else {
            throw ParseFailure{QStringLiteral("unknown function \"%1\"").arg(expr)};
        }
    } else if (expr.startsWith(QLatin1Char('#'))) {
        throw ParseFailure{QStringLiteral("unknown value \"%1\"").arg(expr)};
    } else {
        s.text = expr;
    }
    s.format = parseFormat(format.trimmed());

    s.align = isNumericFormat(s.format.kind) ? Segment::Align::Right : Segment::Align::Left;
    if (!sizing.isEmpty()) {
        const QChar a = sizing[0];
        if (a == QLatin1Char('<'))
            s.align = Segment::Align::Left;
        else if (a == QLatin1Char('>'))
            s.align = Segment::Align::Right;
        else if (a == QLatin1Char('^'))
            s.align = Segment::Align::Center;
        const QString digits = a.isDigit() ? sizing : sizing.mid(1);
        s.width = digits.isEmpty() ? 0 : digits.toInt();
    }
    return s;
}

std::vector<Segment> parsePicture(const QString& picture) {
    std::vector<Segment> out;
    QString literal;
    auto flush = [&] {
        if (!literal.isEmpty()) {
            Segment s;
            s.text = literal;
            out.push_back(s);
            literal.clear();
        }
    };
    for (qsizetype i = 0; i < picture.size(); ++i) {
        const QChar c = picture[i];
        if (c == QLatin1Char('{')) {
            if (i + 1 < picture.size() && picture[i + 1] == QLatin1Char('{')) {
                literal += c;
                ++i;
                continue;
            }
            const qsizetype end = picture.indexOf(QLatin1Char('}'), i + 1);
            if (end < 0)
                throw ParseFailure{QStringLiteral("\"{\" without \"}\"")};
            flush();
            out.push_back(parseField(picture.mid(i + 1, end - i - 1)));
            i = end;
        } else if (c == QLatin1Char('}')) {
            if (i + 1 < picture.size() && picture[i + 1] == QLatin1Char('}'))
                ++i;
            literal += c;
        } else {
            literal += c;
        }
    }
    flush();
    return out;
}

TemplateLine parseLine(QString text) {
    TemplateLine line;
    if (text.startsWith(QLatin1String("if "), Qt::CaseInsensitive)) {
        // The condition ends at the first colon outside quotes.
        QChar quote;
        qsizetype colon = -1;
        for (qsizetype i = 3; i < text.size(); ++i) {
            const QChar c = text[i];
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                quote = c;
            } else if (c == QLatin1Char(':')) {
                colon = i;
                break;
            }
        }
        if (colon < 0)
            throw ParseFailure{QStringLiteral("\"if\" without \":\" after its condition")};
        QString error;
        line.condition = ParseCondition(text.mid(3, colon - 3), &error);
        if (!line.condition)
            throw ParseFailure{QStringLiteral("condition: %1").arg(error)};
        text = text.mid(colon + 1);
        while (text.startsWith(QLatin1Char(' ')))
            text.remove(0, 1);
    }
    static const QHash<QString, TemplateLine::Kind> kinds = {
        {QStringLiteral("text"), TemplateLine::Kind::Text},
        {QStringLiteral("center"), TemplateLine::Kind::Center},
        {QStringLiteral("right"), TemplateLine::Kind::Right},
        {QStringLiteral("rule"), TemplateLine::Kind::Rule},
        {QStringLiteral("blank"), TemplateLine::Kind::Blank},
    };
    for (;;) {
        const qsizetype space = text.indexOf(QLatin1Char(' '));
        const QString word = (space < 0 ? text : text.left(space)).toLower();
        const QString rest = space < 0 ? QString() : text.mid(space + 1);
        if (word == QLatin1String("bold")) {
            line.bold = true;
        } else if (word == QLatin1String("big")) {
            line.big = true;
        } else if (kinds.contains(word)) {
            line.kind = kinds.value(word);
            if (line.kind == TemplateLine::Kind::Rule) {
                const QString c = rest.trimmed();
                if (c.size() > 1)
                    throw ParseFailure{QStringLiteral("a rule takes one character")};
                if (c.size() == 1)
                    line.ruleChar = c[0];
            } else if (line.kind == TemplateLine::Kind::Blank) {
                if (!rest.trimmed().isEmpty())
                    throw ParseFailure{QStringLiteral("\"blank\" takes nothing after it")};
            } else {
                line.segments = parsePicture(rest);
            }
            return line;
        } else {
            throw ParseFailure{QStringLiteral("a line must start with text, center, right, rule or blank, "
                                              "not \"%1\"")
                                   .arg(word)};
        }
        text = rest;
    }
}

Band startBand(const QString& header) {
    static const QHash<QString, Band::Kind> kinds = {
        {QStringLiteral("reportheader"), Band::Kind::ReportHeader},
        {QStringLiteral("pageheader"), Band::Kind::PageHeader},
        {QStringLiteral("groupheader"), Band::Kind::GroupHeader},
        {QStringLiteral("detail"), Band::Kind::Detail},
        {QStringLiteral("groupfooter"), Band::Kind::GroupFooter},
        {QStringLiteral("summary"), Band::Kind::Summary},
        {QStringLiteral("pagefooter"), Band::Kind::PageFooter},
    };
    const QStringList words = header.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty() || !kinds.contains(words[0].toLower()))
        throw ParseFailure{QStringLiteral("unknown band [%1]").arg(header)};
    Band b;
    b.kind = kinds.value(words[0].toLower());
    const bool group = b.kind == Band::Kind::GroupHeader || b.kind == Band::Kind::GroupFooter;
    if (group && words.size() != 2)
        throw ParseFailure{QStringLiteral("[%1] needs the column to group by").arg(words[0])};
    if (!group && words.size() != 1)
        throw ParseFailure{QStringLiteral("[%1] takes no column").arg(words[0])};
    if (group)
        b.groupColumn = words[1];
    return b;
}

} // namespace

int DefaultWidth(PageSize size, bool landscape) {
    switch (size) {
    case PageSize::A5:
        return landscape ? 96 : 64;
    case PageSize::A6:
        return landscape ? 64 : 44;
    case PageSize::Roll80:
        return 42;
    case PageSize::Roll58:
        return 32;
    }
    return 64;
}

const Band* ReportTemplate::band(Band::Kind kind, const QString& groupColumn) const {
    for (const Band& b : bands) {
        if (b.kind == kind && b.groupColumn.compare(groupColumn, Qt::CaseInsensitive) == 0)
            return &b;
    }
    return nullptr;
}

QStringList ReportTemplate::groupColumns() const {
    QStringList columns;
    for (const Band& b : bands) {
        if (!b.groupColumn.isEmpty() && !columns.contains(b.groupColumn, Qt::CaseInsensitive))
            columns << b.groupColumn;
    }
    return columns;
}

QString TemplateError::toString() const {
    return QStringLiteral("line %1: %2").arg(line).arg(message);
}

std::optional<ReportTemplate> ParseTemplate(const QString& text, TemplateError* error) {
    ReportTemplate t;
    bool widthGiven = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    int number = 0;
    try {
        for (QString raw : lines) {
            ++number;
            if (raw.endsWith(QLatin1Char('\r')))
                raw.chop(1);
            const QString trimmed = raw.trimmed();
            if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
                continue;
            if (trimmed.startsWith(QLatin1Char('['))) {
                if (!trimmed.endsWith(QLatin1Char(']')))
                    throw ParseFailure{QStringLiteral("a band name must end with \"]\"")};
                Band b = startBand(trimmed.mid(1, trimmed.size() - 2));
                if (t.band(b.kind, b.groupColumn))
                    throw ParseFailure{QStringLiteral("the band %1 appears twice").arg(trimmed)};
                t.bands.push_back(b);
                continue;
            }
            // Leading blanks only indent the file; a picture keeps the blanks after its keyword.
            QString content = raw;
            while (!content.isEmpty() && content[0].isSpace())
                content.remove(0, 1);
            if (t.bands.empty()) {
                const QString word = content.section(QLatin1Char(' '), 0, 0).toLower();
                const QString rest = content.section(QLatin1Char(' '), 1).trimmed();
                if (word == QLatin1String("title")) {
                    t.title = rest;
                } else if (word == QLatin1String("page")) {
                    const QStringList parts = rest.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
                    static const QHash<QString, PageSize> sizes = {
                        {QStringLiteral("a5"), PageSize::A5},
                        {QStringLiteral("a6"), PageSize::A6},
                        {QStringLiteral("80mm"), PageSize::Roll80},
                        {QStringLiteral("58mm"), PageSize::Roll58}};
                    if (parts.isEmpty() || !sizes.contains(parts[0]))
                        throw ParseFailure{QStringLiteral("page must be A5, A6, 80mm or 58mm")};
                    t.pageSize = sizes.value(parts[0]);
                    t.landscape = parts.size() > 1 && parts[1] == QLatin1String("landscape");
                    if (parts.size() > 2 || (parts.size() == 2 && !t.landscape))
                        throw ParseFailure{
                            QStringLiteral("after the page size only \"landscape\" may follow")};
                    if (t.landscape && t.isRoll())
                        throw ParseFailure{QStringLiteral("a roll cannot be landscape")};
                } else if (word == QLatin1String("width")) {
                    bool ok = false;
                    t.width = rest.toInt(&ok);
                    if (!ok || t.width < 16 || t.width > 240)
                        throw ParseFailure{
                            QStringLiteral("width must be a number of characters from 16 to 240")};
                    widthGiven = true;
                } else {
                    throw ParseFailure{
                        QStringLiteral("\"%1\" before the first band; expected title, page, width "
                                       "or a [band]")
                            .arg(word)};
                }
                continue;
            }
            t.bands.back().lines.push_back(parseLine(content));
        }
    } catch (const ParseFailure& f) {
        if (error)
            *error = TemplateError{number, f.message};
        return std::nullopt;
    }
    if (!widthGiven)
        t.width = DefaultWidth(t.pageSize, t.landscape);
    if (!t.band(Band::Kind::Detail) && t.bands.empty()) {
        if (error)
            *error = TemplateError{number, QStringLiteral("the template has no bands")};
        return std::nullopt;
    }
    return t;
}

} // namespace vantorel
