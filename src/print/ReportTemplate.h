#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace vantorel {

class Condition;

// Paper a template is laid out for. Rolls are as long as what is printed on them.
enum class PageSize { A5, A6, Roll80, Roll58 };

// How a field's value is written.
struct FieldFormat {
    enum class Kind { Auto, Text, Upper, Money, Number, Integer, Date, Time, DateTime, YesNo };
    Kind kind = Kind::Auto;
    QString pattern; // Qt date/time pattern for Date, Time and DateTime when given
};

// One piece of a line: literal text, a field, or the point after which the rest is pushed to the right edge.
struct Segment {
    enum class Kind { Literal, Field, Fill };
    enum class Align { Left, Right, Center };
    enum class Source { Column, Sum, Count, Page, Now };
    Kind kind = Kind::Literal;
    QString text; // the literal, or the column name of a field
    Source source = Source::Column;
    FieldFormat format;
    int width = 0; // 0: as long as the value
    Align align = Align::Left;
};

struct TemplateLine {
    enum class Kind { Text, Center, Right, Rule, Blank };
    Kind kind = Kind::Text;
    bool bold = false;
    bool big = false; // double height
    QChar ruleChar = QLatin1Char('-');
    std::vector<Segment> segments;
    std::shared_ptr<const Condition> condition; // null: always printed
};

struct Band {
    enum class Kind { ReportHeader, PageHeader, GroupHeader, Detail, GroupFooter, Summary, PageFooter };
    Kind kind = Kind::Detail;
    QString groupColumn; // group bands only
    std::vector<TemplateLine> lines;
};

// A parsed template: the page, the characters per line and the bands.
struct ReportTemplate {
    QString title;
    PageSize pageSize = PageSize::A5;
    bool landscape = false;
    int width = 0; // characters per line; 0 until the page sets it
    std::vector<Band> bands;

    // Bands of one kind in file order (group bands: the one for that column).
    const Band* band(Band::Kind kind, const QString& groupColumn = QString()) const;
    // Group columns from outermost to innermost, in the order their bands first appear.
    QStringList groupColumns() const;
    bool isRoll() const { return pageSize == PageSize::Roll80 || pageSize == PageSize::Roll58; }
};

struct TemplateError {
    int line = 0;
    QString message;
    QString toString() const;
};

// Reads a template text. Returns the template or the first error (with its line number).
std::optional<ReportTemplate> ParseTemplate(const QString& text, TemplateError* error = nullptr);

// Width a page is given when the template does not set one.
int DefaultWidth(PageSize size, bool landscape);

} // namespace vantorel
