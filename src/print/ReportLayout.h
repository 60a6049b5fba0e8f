#pragma once

#include "ReportDataset.h"
#include "ReportTemplate.h"

#include <QDateTime>
#include <QStringList>
#include <vector>

namespace vantorel {

// One printed line: its fixed-width text, and the pieces it was made of for the CSV export.
struct LaidLine {
    enum class Kind { Text, Rule, Blank };
    Kind kind = Kind::Text;
    QString text; // never longer than the template's width, no trailing blanks
    bool bold = false;
    bool big = false;
    QChar ruleChar = QLatin1Char('-');
    QStringList cells;
};

// The lines of one band instance; kept on one page where they fit.
struct LaidBlock {
    Band::Kind band = Band::Kind::Detail;
    std::vector<LaidLine> lines;
};

// Lays a template out over a dataset: every band with its fields filled in and its conditional lines
// decided, as fixed-width lines. Page and text renderers both start from here.
class ReportLayout {
public:
    ReportLayout(const ReportTemplate& tmpl, const ReportDataset& data, QDateTime printedAt);

    const ReportTemplate& reportTemplate() const { return m_tmpl; }
    // Report header, group headers, details, group footers and summary, in order.
    const std::vector<LaidBlock>& body() const { return m_body; }
    // The page bands for a page (numbered from 1); empty when the template has none.
    LaidBlock pageHeader(int page) const;
    LaidBlock pageFooter(int page) const;

    // Every line of the report as one continuous text: report header, page header once, body,
    // page footer once. Lines end with "\n".
    QString toText() const;
    // The same lines as CSV: the pieces of each line separated by ";", rules and blank lines left out.
    QString toCsv() const;
    // All lines in continuous order (as toText).
    std::vector<LaidLine> continuousLines() const;

private:
    struct Range {
        int row = -1;  // the row whose columns the band reads
        int first = 0; // rows that sums and counts cover
        int last = -1;
    };
    LaidBlock layBand(const Band& band, const Range& range, int page) const;
    // Usually one line; a centred, right-aligned or plain line too long for the width is wrapped at blanks.
    std::vector<LaidLine> layLine(const TemplateLine& line, const Range& range, int page) const;

    ReportTemplate m_tmpl;
    ReportDataset m_data;
    QDateTime m_printedAt;
    std::vector<LaidBlock> m_body;
};

} // namespace vantorel
