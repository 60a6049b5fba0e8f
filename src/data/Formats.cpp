#include "Formats.h"

namespace vantorel {

namespace {

// Literal text in a Qt pattern: runs holding letters or quotes are quoted, the rest passes as it is.
void appendLiteral(QString& out, const QString& literal) {
    if (literal.isEmpty())
        return;
    bool needsQuotes = false;
    for (const QChar c : literal) {
        if (c.isLetter() || c == QLatin1Char('\'')) {
            needsQuotes = true;
            break;
        }
    }
    if (!needsQuotes) {
        out += literal;
        return;
    }
    QString quoted = literal;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    out += QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

bool startsWithNoCase(const QString& text, qsizetype at, QLatin1String what) {
    return QStringView(text).mid(at).startsWith(what, Qt::CaseInsensitive);
}

} // namespace

QLocale ProgramLocale() {
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

void ApplyFormatSettings() {
    QLocale::setDefault(ProgramLocale());
}

QString FormatCurrency(Money amount) {
    return ProgramFormat::CurrencySymbol + QLatin1Char(' ') + amount.toDisplayString();
}

QString VclToQtDateTimeFormat(const QString& vcl) {
    QString out;
    QString literal;
    QChar lastToken; // the last letter seen, upper case: decides whether "m" means minutes
    auto put = [&](const QString& field) {
        appendLiteral(out, literal);
        literal.clear();
        out += field;
    };
    qsizetype i = 0;
    while (i < vcl.size()) {
        const QChar c = vcl.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            qsizetype close = vcl.indexOf(c, i + 1);
            if (close < 0)
                close = vcl.size();
            literal += vcl.mid(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        if (!c.isLetter() || c.unicode() > 0x7f) {
            literal += c; // "/" and ":" are the program's own separators, the same characters
            ++i;
            continue;
        }
        const QChar upper = c.toUpper();
        if (upper == QLatin1Char('A')) {
            if (startsWithNoCase(vcl, i, QLatin1String("am/pm"))) {
                put(c.isUpper() ? QStringLiteral("AP") : QStringLiteral("ap"));
                i += 5;
            } else if (startsWithNoCase(vcl, i, QLatin1String("a/p"))) {
                put(c.isUpper() ? QStringLiteral("AP") : QStringLiteral("ap"));
                i += 3;
            } else if (startsWithNoCase(vcl, i, QLatin1String("ampm"))) {
                put(QStringLiteral("AP"));
                i += 4;
            } else {
                literal += c;
                ++i;
            }
            lastToken = upper;
            continue;
        }
        qsizetype count = 1;
        while (i + count < vcl.size() && vcl.at(i + count).toUpper() == upper)
            ++count;
        const char token = static_cast<char>(upper.unicode());
        const bool minutes = token == 'N' || (token == 'M' && lastToken == QLatin1Char('H'));
        if (minutes) {
            put(count == 1 ? QStringLiteral("m") : QStringLiteral("mm"));
        } else {
            switch (token) {
            case 'C':
                put(ProgramFormat::ShortDateFormat + QLatin1Char(' ') + ProgramFormat::LongTimeFormat);
                break;
            case 'D':
                if (count <= 4)
                    put(QString(count, QLatin1Char('d')));
                else if (count == 5)
                    put(ProgramFormat::ShortDateFormat);
                else
                    put(ProgramFormat::LongDateFormat);
                break;
            case 'M':
                put(QString(std::min<qsizetype>(count, 4), QLatin1Char('M')));
                break;
            case 'Y':
                put(count <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy"));
                break;
            case 'H':
                put(count == 1 ? QStringLiteral("h") : QStringLiteral("hh"));
                break;
            case 'S':
                put(count == 1 ? QStringLiteral("s") : QStringLiteral("ss"));
                break;
            case 'Z':
                put(QStringLiteral("zzz"));
                break;
            case 'T':
                put(count == 1 ? ProgramFormat::ShortTimeFormat : ProgramFormat::LongTimeFormat);
                break;
            default:
                literal += vcl.mid(i, count);
                break;
            }
        }
        lastToken = minutes ? QLatin1Char('N') : upper;
        i += count;
    }
    appendLiteral(out, literal);
    return out;
}

QString FormatDateTimeVcl(const QDateTime& at, const QString& vclPattern) {
    return QLocale::c().toString(at, VclToQtDateTimeFormat(vclPattern));
}

QString FormatDateVcl(const QDate& day, const QString& vclPattern) {
    return QLocale::c().toString(day.startOfDay(), VclToQtDateTimeFormat(vclPattern));
}

} // namespace vantorel
