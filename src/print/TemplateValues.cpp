#include "TemplateValues.h"

#include "AmountText.h"
#include "Money.h"
#include "SqlDateTime.h"

#include <cmath>

namespace vantorel {

namespace {

bool isMoney(const QVariant& v) {
    return v.typeId() == qMetaTypeId<Money>();
}

bool isNumberType(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

QString numberText(double value) {
    // Up to four decimals, without trailing zeros: quantities "2", "1.5"; percents "12.5".
    QString s = QString::number(value, 'f', 4);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

// ---- conditions ----

enum class Op { None, Eq, Ne, Lt, Le, Gt, Ge };

struct Operand {
    enum class Kind { Column, Number, Text, Sum, Count, Page } kind = Kind::Column;
    QString name;
    double number = 0;

    QVariant evaluate(const ValueScope& s) const {
        switch (kind) {
        case Kind::Column:
            return s.column(name);
        case Kind::Number:
            return number;
        case Kind::Text:
            return name;
        case Kind::Sum:
            return s.sum(name);
        case Kind::Count:
            return s.count();
        case Kind::Page:
            return s.page();
        }
        return QVariant();
    }
};

class Comparison final : public Condition {
public:
    Comparison(Operand left, Op op, Operand right)
        : m_left(std::move(left)), m_op(op), m_right(std::move(right)) {}
    bool test(const ValueScope& s) const override {
        const QVariant a = m_left.evaluate(s);
        if (m_op == Op::None)
            return IsTruthy(a);
        const QVariant b = m_right.evaluate(s);
        int cmp = 0;
        const auto na = NumericValue(a);
        const auto nb = NumericValue(b);
        const bool numeric = na && nb &&
                             (m_left.kind == Operand::Kind::Number || m_right.kind == Operand::Kind::Number ||
                              (isNumberType(a) || isMoney(a)) || (isNumberType(b) || isMoney(b)));
        if (numeric) {
            const double d = *na - *nb;
            cmp = std::fabs(d) < 1e-9 ? 0 : (d < 0 ? -1 : 1);
        } else {
            cmp = text(a).compare(text(b), Qt::CaseInsensitive);
        }
        switch (m_op) {
        case Op::Eq:
            return cmp == 0;
        case Op::Ne:
            return cmp != 0;
        case Op::Lt:
            return cmp < 0;
        case Op::Le:
            return cmp <= 0;
        case Op::Gt:
            return cmp > 0;
        case Op::Ge:
            return cmp >= 0;
        case Op::None:
            break;
        }
        return false;
    }

private:
    static QString text(const QVariant& v) {
        if (v.typeId() == QMetaType::QDateTime)
            return v.toDateTime().toString(Qt::ISODate);
        return FormatFieldValue(v, FieldFormat{}).trimmed();
    }
    Operand m_left;
    Op m_op;
    Operand m_right;
};

class Not final : public Condition {
public:
    explicit Not(std::shared_ptr<const Condition> inner) : m_inner(std::move(inner)) {}
    bool test(const ValueScope& s) const override { return !m_inner->test(s); }

private:
    std::shared_ptr<const Condition> m_inner;
};

class Both final : public Condition {
public:
    Both(std::shared_ptr<const Condition> a, std::shared_ptr<const Condition> b, bool any)
        : m_a(std::move(a)), m_b(std::move(b)), m_any(any) {}
    bool test(const ValueScope& s) const override {
        return m_any ? (m_a->test(s) || m_b->test(s)) : (m_a->test(s) && m_b->test(s));
    }

private:
    std::shared_ptr<const Condition> m_a;
    std::shared_ptr<const Condition> m_b;
    bool m_any;
};

struct Token {
    enum class Kind { Word, Number, Text, Op, Open, Close, End } kind = Kind::End;
    QString text;
};

class ConditionParser {
public:
    explicit ConditionParser(const QString& source) : m_src(source) { next(); }

    std::shared_ptr<const Condition> parse(QString* error) {
        auto c = parseOr();
        if (c && m_tok.kind != Token::Kind::End)
            fail(QStringLiteral("unexpected \"%1\"").arg(m_tok.text));
        if (!m_error.isEmpty()) {
            if (error)
                *error = m_error;
            return nullptr;
        }
        return c;
    }

private:
    void fail(const QString& message) {
        if (m_error.isEmpty())
            m_error = message;
    }

    bool isWord(const char* word) const {
        return m_tok.kind == Token::Kind::Word &&
               m_tok.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }

    void next() {
        while (m_pos < m_src.size() && m_src[m_pos].isSpace())
            ++m_pos;
        m_tok = Token{};
        if (m_pos >= m_src.size())
            return;
        const QChar c = m_src[m_pos];
        if (c == QLatin1Char('(') || c == QLatin1Char(')')) {
            m_tok = {c == QLatin1Char('(') ? Token::Kind::Open : Token::Kind::Close, QString(c)};
            ++m_pos;
            return;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype end = m_src.indexOf(c, m_pos + 1);
            if (end < 0) {
                fail(QStringLiteral("a quoted text has no closing quote"));
                m_pos = m_src.size();
                return;
            }
            m_tok = {Token::Kind::Text, m_src.mid(m_pos + 1, end - m_pos - 1)};
            m_pos = end + 1;
            return;
        }
        if (QStringLiteral("=!<>").contains(c)) {
            QString op(c);
            ++m_pos;
            if (m_pos < m_src.size() && QStringLiteral("=>").contains(m_src[m_pos])) {
                op += m_src[m_pos];
                ++m_pos;
            }
            m_tok = {Token::Kind::Op, op};
            return;
        }
        if (c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('.')) {
            qsizetype end = m_pos + 1;
            while (end < m_src.size() && (m_src[end].isDigit() || m_src[end] == QLatin1Char('.')))
                ++end;
            m_tok = {Token::Kind::Number, m_src.mid(m_pos, end - m_pos)};
            m_pos = end;
            return;
        }
        if (c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('#') || c == QLatin1Char('[')) {
            if (c == QLatin1Char('[')) { // a column name with blanks or a slash: [Price/UOP]
                const qsizetype end = m_src.indexOf(QLatin1Char(']'), m_pos);
                if (end < 0) {
                    fail(QStringLiteral("a [column name] has no closing bracket"));
                    m_pos = m_src.size();
                    return;
                }
                m_tok = {Token::Kind::Word, m_src.mid(m_pos + 1, end - m_pos - 1)};
                m_pos = end + 1;
                return;
            }
            qsizetype end = m_pos + 1;
            while (end < m_src.size() && (m_src[end].isLetterOrNumber() || m_src[end] == QLatin1Char('_')))
                ++end;
            m_tok = {Token::Kind::Word, m_src.mid(m_pos, end - m_pos)};
            m_pos = end;
            return;
        }
        fail(QStringLiteral("unexpected \"%1\"").arg(c));
        m_pos = m_src.size();
    }

    std::shared_ptr<const Condition> parseOr() {
        auto left = parseAnd();
        while (left && isWord("or")) {
            next();
            auto right = parseAnd();
            if (!right)
                return nullptr;
            left = std::make_shared<Both>(left, right, true);
        }
        return left;
    }

    std::shared_ptr<const Condition> parseAnd() {
        auto left = parseUnary();
        while (left && isWord("and")) {
            next();
            auto right = parseUnary();
            if (!right)
                return nullptr;
            left = std::make_shared<Both>(left, right, false);
        }
        return left;
    }

    std::shared_ptr<const Condition> parseUnary() {
        if (isWord("not")) {
            next();
            auto inner = parseUnary();
            return inner ? std::make_shared<Not>(inner) : nullptr;
        }
        if (m_tok.kind == Token::Kind::Open) {
            next();
            auto inner = parseOr();
            if (m_tok.kind != Token::Kind::Close) {
                fail(QStringLiteral("\"(\" without \")\""));
                return nullptr;
            }
            next();
            return inner;
        }
        auto left = parseOperand();
        if (!left)
            return nullptr;
        if (m_tok.kind != Token::Kind::Op)
            return std::make_shared<Comparison>(*left, Op::None, Operand{});
        static const QHash<QString, Op> ops = {
            {QStringLiteral("="), Op::Eq},  {QStringLiteral("=="), Op::Eq}, {QStringLiteral("!="), Op::Ne},
            {QStringLiteral("<>"), Op::Ne}, {QStringLiteral("<"), Op::Lt},  {QStringLiteral("<="), Op::Le},
            {QStringLiteral(">"), Op::Gt},  {QStringLiteral(">="), Op::Ge}};
        if (!ops.contains(m_tok.text)) {
            fail(QStringLiteral("unknown comparison \"%1\"").arg(m_tok.text));
            return nullptr;
        }
        const Op op = ops.value(m_tok.text);
        next();
        auto right = parseOperand();
        if (!right)
            return nullptr;
        return std::make_shared<Comparison>(*left, op, *right);
    }

    std::optional<Operand> parseOperand() {
        Operand o;
        switch (m_tok.kind) {
        case Token::Kind::Number: {
            bool ok = false;
            o.kind = Operand::Kind::Number;
            o.number = m_tok.text.toDouble(&ok);
            if (!ok) {
                fail(QStringLiteral("\"%1\" is not a number").arg(m_tok.text));
                return std::nullopt;
            }
            next();
            return o;
        }
        case Token::Kind::Text:
            o.kind = Operand::Kind::Text;
            o.name = m_tok.text;
            next();
            return o;
        case Token::Kind::Word: {
            const QString word = m_tok.text;
            next();
            if (word.compare(QLatin1String("#page"), Qt::CaseInsensitive) == 0) {
                o.kind = Operand::Kind::Page;
                return o;
            }
            if (m_tok.kind == Token::Kind::Open) {
                next();
                QString arg;
                if (m_tok.kind == Token::Kind::Word) {
                    arg = m_tok.text;
                    next();
                }
                if (m_tok.kind != Token::Kind::Close) {
                    fail(QStringLiteral("\"%1(\" without \")\"").arg(word));
                    return std::nullopt;
                }
                next();
                if (word.compare(QLatin1String("sum"), Qt::CaseInsensitive) == 0 && !arg.isEmpty()) {
                    o.kind = Operand::Kind::Sum;
                    o.name = arg;
                    return o;
                }
                if (word.compare(QLatin1String("count"), Qt::CaseInsensitive) == 0 && arg.isEmpty()) {
                    o.kind = Operand::Kind::Count;
                    return o;
                }
                fail(QStringLiteral("unknown function \"%1\"").arg(word));
                return std::nullopt;
            }
            o.kind = Operand::Kind::Column;
            o.name = word;
            return o;
        }
        default:
            fail(m_tok.kind == Token::Kind::End ? QStringLiteral("the condition ends too early")
                                                : QStringLiteral("unexpected \"%1\"").arg(m_tok.text));
            return std::nullopt;
        }
    }

    QString m_src;
    qsizetype m_pos = 0;
    Token m_tok;
    QString m_error;
};

} // namespace

std::shared_ptr<const Condition> ParseCondition(const QString& text, QString* error) {
    if (text.trimmed().isEmpty()) {
        if (error)
            *error = QStringLiteral("the condition is empty");
        return nullptr;
    }
    return ConditionParser(text).parse(error);
}

bool IsTruthy(const QVariant& v) {
    if (!v.isValid() || v.isNull())
        return false;
    if (isMoney(v))
        return !v.value<Money>().isZero();
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    if (isNumberType(v))
        return v.toDouble() != 0.0;
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().isValid() && !isEmptyDate(v.toDateTime());
    return !v.toString().trimmed().isEmpty();
}

std::optional<double> NumericValue(const QVariant& v) {
    if (!v.isValid() || v.isNull())
        return std::nullopt;
    if (isMoney(v))
        return v.value<Money>().toDouble();
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? 1.0 : 0.0;
    if (isNumberType(v))
        return v.toDouble();
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const double d = v.toString().trimmed().toDouble(&ok);
        if (ok)
            return d;
    }
    return std::nullopt;
}

QVariant AddForSum(const QVariant& total, const QVariant& value) {
    if (isMoney(value)) {
        const Money base = isMoney(total) ? total.value<Money>() : Money();
        return QVariant::fromValue(base + value.value<Money>());
    }
    const auto n = NumericValue(value);
    if (!n)
        return total;
    if (isMoney(total))
        return QVariant::fromValue(total.value<Money>() + Money::fromDouble(*n));
    return NumericValue(total).value_or(0.0) + *n;
}

QString FormatFieldValue(const QVariant& v, const FieldFormat& f) {
    using K = FieldFormat::Kind;
    if (!v.isValid() || v.isNull())
        return f.kind == K::Money ? FormatAmount(Money()) : QString();
    switch (f.kind) {
    case K::Money: {
        if (isMoney(v))
            return FormatAmount(v.value<Money>());
        const auto n = NumericValue(v);
        return n ? FormatAmount(Money::fromDouble(*n).roundTo(2)) : v.toString();
    }
    case K::Number: {
        const auto n = NumericValue(v);
        return n ? numberText(*n) : v.toString();
    }
    case K::Integer: {
        const auto n = NumericValue(v);
        return n ? QString::number(std::llround(*n)) : v.toString();
    }
    case K::Date:
    case K::Time:
    case K::DateTime: {
        const QDateTime dt = v.toDateTime();
        if (!dt.isValid() || isEmptyDate(dt))
            return QString();
        QString pattern = f.pattern;
        if (pattern.isEmpty())
            pattern = f.kind == K::Date   ? QStringLiteral("dd/MM/yyyy")
                      : f.kind == K::Time ? QStringLiteral("hh:mm")
                                          : QStringLiteral("dd/MM/yyyy hh:mm");
        return dt.toString(pattern);
    }
    case K::YesNo:
        return IsTruthy(v) ? QStringLiteral("Yes") : QStringLiteral("No");
    case K::Upper:
        return FormatFieldValue(v, FieldFormat{}).toUpper();
    case K::Text:
    case K::Auto:
        break;
    }
    // Auto: each type in its natural form.
    if (isMoney(v))
        return FormatAmount(v.value<Money>());
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("Yes") : QStringLiteral("No");
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float)
        return numberText(v.toDouble());
    if (v.typeId() == QMetaType::QDateTime)
        return FormatFieldValue(v, FieldFormat{K::DateTime, QString()});
    return v.toString();
}

} // namespace vantorel
