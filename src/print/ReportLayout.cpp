#include "ReportLayout.h"

#include "TemplateValues.h"

namespace vantorel {

namespace {

class RangeScope final : public ValueScope {
public:
    RangeScope(const ReportDataset& data, int row, int first, int last, int page, QDateTime now)
        : m_data(data), m_row(row), m_first(first), m_last(last), m_page(page), m_now(std::move(now)) {}

    QVariant column(const QString& name) const override { return m_data.value(m_row, name); }
    QVariant sum(const QString& column) const override {
        QVariant total;
        const int c = m_data.columnIndex(column);
        if (c < 0)
            return total;
        for (int r = m_first; r <= m_last; ++r)
            total = AddForSum(total, m_data.value(r, c));
        return total.isValid() ? total : QVariant(0.0);
    }
    int count() const override { return m_last >= m_first ? m_last - m_first + 1 : 0; }
    int page() const override { return m_page; }
    QDateTime now() const override { return m_now; }

private:
    const ReportDataset& m_data;
    int m_row;
    int m_first;
    int m_last;
    int m_page;
    QDateTime m_now;
};

QString fieldText(const Segment& s, const ValueScope& scope) {
    QVariant v;
    switch (s.source) {
    case Segment::Source::Column:
        v = scope.column(s.text);
        break;
    case Segment::Source::Sum:
        v = scope.sum(s.text);
        break;
    case Segment::Source::Count:
        v = scope.count();
        break;
    case Segment::Source::Page:
        v = scope.page();
        break;
    case Segment::Source::Now:
        v = scope.now();
        break;
    }
    return FormatFieldValue(v, s.format);
}

QString fitted(const QString& text, const Segment& s) {
    if (s.width <= 0)
        return text;
    const bool numeric = s.format.kind == FieldFormat::Kind::Money ||
                         s.format.kind == FieldFormat::Kind::Number ||
                         s.format.kind == FieldFormat::Kind::Integer;
    if (text.size() >= s.width)
        return numeric ? text : text.left(s.width); // an amount is never cut short
    switch (s.align) {
    case Segment::Align::Left:
        return text.leftJustified(s.width);
    case Segment::Align::Right:
        return text.rightJustified(s.width);
    case Segment::Align::Center: {
        const qsizetype before = (s.width - text.size()) / 2;
        return (QString(before, QLatin1Char(' ')) + text).leftJustified(s.width);
    }
    }
    return text;
}

QString trimEnd(QString s) {
    while (!s.isEmpty() && s.back().isSpace())
        s.chop(1);
    return s;
}

QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

ReportLayout::ReportLayout(const ReportTemplate& tmpl, const ReportDataset& data, QDateTime printedAt)
    : m_tmpl(tmpl), m_data(data), m_printedAt(std::move(printedAt)) {
    const int rows = m_data.rowCount();
    const int lastRow = rows - 1;
    auto add = [this](const Band* band, const Range& range) {
        if (band)
            m_body.push_back(layBand(*band, range, 1));
    };
    add(m_tmpl.band(Band::Kind::ReportHeader), Range{rows > 0 ? 0 : -1, 0, lastRow});

    const QStringList groups = m_tmpl.groupColumns();
    auto key = [&](int row, int level) {
        return FormatFieldValue(m_data.value(row, groups[level]), FieldFormat{}).toLower();
    };
    auto groupEnd = [&](int start, int level) {
        int r = start;
        while (r + 1 < rows) {
            bool same = true;
            for (int l = 0; l <= level && same; ++l)
                same = key(r + 1, l) == key(start, l);
            if (!same)
                break;
            ++r;
        }
        return r;
    };
    std::vector<int> starts(static_cast<size_t>(groups.size()), 0);
    auto closeGroups = [&](int fromLevel, int endRow) {
        for (int l = static_cast<int>(groups.size()) - 1; l >= fromLevel; --l)
            add(m_tmpl.band(Band::Kind::GroupFooter, groups[l]),
                Range{endRow, starts[static_cast<size_t>(l)], endRow});
    };
    const Band* detail = m_tmpl.band(Band::Kind::Detail);
    for (int r = 0; r < rows; ++r) {
        int level = static_cast<int>(groups.size());
        if (r == 0) {
            level = 0;
        } else {
            for (int l = 0; l < groups.size(); ++l) {
                if (key(r, l) != key(r - 1, l)) {
                    level = l;
                    break;
                }
            }
            closeGroups(level, r - 1);
        }
        for (int l = level; l < groups.size(); ++l) {
            starts[static_cast<size_t>(l)] = r;
            add(m_tmpl.band(Band::Kind::GroupHeader, groups[l]), Range{r, r, groupEnd(r, l)});
        }
        add(detail, Range{r, r, r});
    }
    if (rows > 0)
        closeGroups(0, lastRow);
    add(m_tmpl.band(Band::Kind::Summary), Range{lastRow, 0, lastRow});
}

LaidBlock ReportLayout::pageHeader(int page) const {
    const Band* b = m_tmpl.band(Band::Kind::PageHeader);
    return b ? layBand(*b, Range{m_data.isEmpty() ? -1 : 0, 0, m_data.rowCount() - 1}, page)
             : LaidBlock{Band::Kind::PageHeader, {}};
}

LaidBlock ReportLayout::pageFooter(int page) const {
    const Band* b = m_tmpl.band(Band::Kind::PageFooter);
    return b ? layBand(*b, Range{m_data.rowCount() - 1, 0, m_data.rowCount() - 1}, page)
             : LaidBlock{Band::Kind::PageFooter, {}};
}

LaidBlock ReportLayout::layBand(const Band& band, const Range& range, int page) const {
    LaidBlock block;
    block.band = band.kind;
    const RangeScope scope(m_data, range.row, range.first, range.last, page, m_printedAt);
    for (const TemplateLine& line : band.lines) {
        if (line.condition && !line.condition->test(scope))
            continue;
        const std::vector<LaidLine> laid = layLine(line, range, page);
        block.lines.insert(block.lines.end(), laid.begin(), laid.end());
    }
    return block;
}

std::vector<LaidLine> ReportLayout::layLine(const TemplateLine& line, const Range& range, int page) const {
    const RangeScope scope(m_data, range.row, range.first, range.last, page, m_printedAt);
    LaidLine out;
    out.bold = line.bold;
    out.big = line.big;
    out.ruleChar = line.ruleChar;
    const int width = m_tmpl.width;
    if (line.kind == TemplateLine::Kind::Rule) {
        out.kind = LaidLine::Kind::Rule;
        out.text = QString(width, line.ruleChar);
        return {out};
    }
    if (line.kind == TemplateLine::Kind::Blank) {
        out.kind = LaidLine::Kind::Blank;
        return {out};
    }

    QString left;
    QString right;
    bool fill = false;
    for (const Segment& s : line.segments) {
        QString piece;
        if (s.kind == Segment::Kind::Fill) {
            fill = true;
            continue;
        }
        piece = s.kind == Segment::Kind::Literal ? s.text : fitted(fieldText(s, scope), s);
        const QString cell = piece.trimmed();
        if (!cell.isEmpty())
            out.cells << cell;
        (fill ? right : left) += piece;
    }

    if (fill) {
        left = trimEnd(left);
        // The right side (an amount, as a rule) is kept whole; the left side gives way.
        const qsizetype room = width - right.size() - 1;
        if (left.size() > room)
            left = trimEnd(left.left(std::max<qsizetype>(room, 0)));
        const qsizetype gap = std::max<qsizetype>(width - left.size() - right.size(), left.isEmpty() ? 0 : 1);
        out.text = trimEnd((left + QString(gap, QLatin1Char(' ')) + right).left(width));
        return {out};
    }

    // Text that does not fit goes on to further lines rather than being lost: a remark line on a narrow roll.
    QString text = line.kind == TemplateLine::Kind::Text ? trimEnd(left) : left.trimmed();
    QStringList pieces;
    while (text.size() > width) {
        qsizetype cut = text.lastIndexOf(QLatin1Char(' '), width);
        if (cut <= 0)
            cut = width;
        pieces << trimEnd(text.left(cut));
        text = text.mid(cut).trimmed();
    }
    pieces << text;
    std::vector<LaidLine> result;
    for (const QString& piece : pieces) {
        LaidLine l = out;
        if (line.kind == TemplateLine::Kind::Center)
            l.text = QString(std::max<qsizetype>((width - piece.size()) / 2, 0), QLatin1Char(' ')) + piece;
        else if (line.kind == TemplateLine::Kind::Right)
            l.text = piece.rightJustified(width);
        else
            l.text = piece;
        l.text = trimEnd(l.text);
        if (&piece != &pieces.front())
            l.cells.clear(); // the pieces were exported with the first line
        result.push_back(l);
    }
    return result;
}

std::vector<LaidLine> ReportLayout::continuousLines() const {
    std::vector<LaidLine> lines;
    auto append = [&lines](const LaidBlock& b) { lines.insert(lines.end(), b.lines.begin(), b.lines.end()); };
    bool headerPlaced = false;
    const LaidBlock header = pageHeader(1);
    for (const LaidBlock& b : m_body) {
        if (!headerPlaced && b.band != Band::Kind::ReportHeader) {
            append(header);
            headerPlaced = true;
        }
        append(b);
    }
    if (!headerPlaced)
        append(header);
    append(pageFooter(1));
    return lines;
}

QString ReportLayout::toText() const {
    QString out;
    for (const LaidLine& l : continuousLines())
        out += l.text + QLatin1Char('\n');
    return out;
}

QString ReportLayout::toCsv() const {
    QString out;
    for (const LaidLine& l : continuousLines()) {
        if (l.kind != LaidLine::Kind::Text || l.cells.isEmpty())
            continue;
        QStringList fields;
        for (const QString& c : l.cells)
            fields << csvField(c);
        out += fields.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    return out;
}

} // namespace vantorel
