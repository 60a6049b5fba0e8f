#include "PagedReport.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace vantorel {

namespace {

// Advance of one character of Liberation Mono in ems.
constexpr double kMonoAdvance = 0.6;

QSizeF paperMm(PageSize size, bool landscape) {
    QSizeF s;
    switch (size) {
    case PageSize::A5:
        s = QSizeF(148, 210);
        break;
    case PageSize::A6:
        s = QSizeF(105, 148);
        break;
    case PageSize::Roll80:
        s = QSizeF(80, 0);
        break;
    case PageSize::Roll58:
        s = QSizeF(58, 0);
        break;
    }
    return landscape ? s.transposed() : s;
}

int lineUnits(const LaidLine& l) {
    return l.big ? 2 : 1;
}

int blockUnits(const std::vector<LaidLine>& lines) {
    int n = 0;
    for (const LaidLine& l : lines)
        n += lineUnits(l);
    return n;
}

QFont reportFont(bool bold) {
    QFont f(QStringLiteral("Liberation Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setBold(bold);
    f.setKerning(false);
    return f;
}

} // namespace

PagedReport::PagedReport(const ReportLayout& layout) {
    const ReportTemplate& t = layout.reportTemplate();
    const QSizeF paper = paperMm(t.pageSize, t.landscape);
    const bool roll = t.isRoll();
    m_marginXMm = roll ? 4 : (t.pageSize == PageSize::A6 ? 8 : 10);
    m_marginYMm = roll ? 4 : (t.pageSize == PageSize::A6 ? 8 : 10);
    const double printableWidth = paper.width() - 2 * m_marginXMm;
    m_charMm = printableWidth / t.width;
    m_emMm = m_charMm / kMonoAdvance;

    const LaidBlock footer = layout.pageFooter(1);
    const int footerUnits = blockUnits(footer.lines);

    if (roll) {
        std::vector<LaidLine> all = layout.continuousLines();
        const int units = blockUnits(all);
        m_pageMm = QSizeF(paper.width(), 2 * m_marginYMm + std::max(units, 1) * lineHeightMm());
        m_pages.push_back(std::move(all));
        return;
    }

    m_pageMm = paper;
    const int perPage =
        std::max(1, static_cast<int>(std::floor((paper.height() - 2 * m_marginYMm) / lineHeightMm())));
    const std::vector<LaidBlock>& body = layout.body();

    std::vector<LaidLine> page;
    int used = 0;
    int pageNumber = 1;
    size_t next = 0;
    auto startPage = [&] {
        page.clear();
        used = 0;
        if (pageNumber == 1 && next < body.size() && body[next].band == Band::Kind::ReportHeader) {
            page = body[next].lines;
            used = blockUnits(page);
            ++next;
        }
        const LaidBlock header = layout.pageHeader(pageNumber);
        page.insert(page.end(), header.lines.begin(), header.lines.end());
        used += blockUnits(header.lines);
    };
    auto finishPage = [&] {
        const int room = perPage - footerUnits;
        if (!footer.lines.empty()) {
            for (int i = used; i < room; ++i)
                page.push_back(LaidLine{LaidLine::Kind::Blank, {}, false, false, QLatin1Char('-'), {}});
            const LaidBlock f = layout.pageFooter(pageNumber);
            page.insert(page.end(), f.lines.begin(), f.lines.end());
        }
        m_pages.push_back(page);
        ++pageNumber;
    };

    startPage();
    const int headerUnits = used;
    bool bodyOnPage = false;
    for (; next < body.size(); ++next) {
        const std::vector<LaidLine>& lines = body[next].lines;
        const int units = blockUnits(lines);
        const int room = perPage - footerUnits - used;
        if (units <= room) {
            page.insert(page.end(), lines.begin(), lines.end());
            used += units;
            bodyOnPage = bodyOnPage || !lines.empty();
            continue;
        }
        if (bodyOnPage && units <= perPage - footerUnits - headerUnits) {
            finishPage();
            startPage();
            bodyOnPage = false;
            --next; // place the block on the new page
            continue;
        }
        // A block taller than a page is split line by line.
        for (const LaidLine& l : lines) {
            if (used + lineUnits(l) > perPage - footerUnits && bodyOnPage) {
                finishPage();
                startPage();
                bodyOnPage = false;
            }
            page.push_back(l);
            used += lineUnits(l);
            bodyOnPage = true;
        }
    }
    finishPage();
}

void PagedReport::paintPage(QPainter& painter, int pageIndex, double dpi) const {
    const double k = dpi / 25.4; // device units per millimetre
    const double lineH = lineHeightMm() * k;
    const double x0 = m_marginXMm * k;
    double y = m_marginYMm * k;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(QPen(Qt::black, std::max(1.0, 0.25 * k)));
    const int pixelSize = std::max(1, static_cast<int>(std::lround(m_emMm * k)));
    for (const LaidLine& line : m_pages.at(static_cast<size_t>(pageIndex))) {
        const double height = lineH * lineUnits(line);
        if (line.kind == LaidLine::Kind::Rule &&
            (line.ruleChar == QLatin1Char('-') || line.ruleChar == QLatin1Char('='))) {
            const double width = m_charMm * line.text.size() * k;
            const double mid = y + height / 2;
            if (line.ruleChar == QLatin1Char('=')) {
                painter.drawLine(QPointF(x0, mid - 0.4 * k), QPointF(x0 + width, mid - 0.4 * k));
                painter.drawLine(QPointF(x0, mid + 0.4 * k), QPointF(x0 + width, mid + 0.4 * k));
            } else {
                painter.drawLine(QPointF(x0, mid), QPointF(x0 + width, mid));
            }
        } else if (!line.text.isEmpty()) {
            QFont font = reportFont(line.bold || line.big);
            font.setPixelSize(pixelSize);
            painter.setFont(font);
            const QFontMetricsF fm(font, painter.device());
            const double advance = fm.horizontalAdvance(QLatin1Char('0'));
            // Stretch the font's own advance to the template's pitch, and double the height of big lines.
            const double sx = advance > 0 ? (m_charMm * k) / advance : 1.0;
            const double sy = line.big ? 2.0 : 1.0;
            painter.save();
            painter.translate(x0, y + (lineH - fm.height()) / 2 * sy + fm.ascent() * sy);
            painter.scale(sx, sy);
            painter.drawText(QPointF(0, 0), line.text);
            painter.restore();
        }
        y += height;
    }
    painter.restore();
}

QRectF PagedReport::lineRect(int page, int line, double dpi) const {
    const double k = dpi / 25.4;
    const auto& lines = m_pages.at(static_cast<size_t>(page));
    double y = m_marginYMm;
    for (int i = 0; i < line && i < static_cast<int>(lines.size()); ++i)
        y += lineHeightMm() * lineUnits(lines[static_cast<size_t>(i)]);
    const int units = line < static_cast<int>(lines.size()) ? lineUnits(lines[static_cast<size_t>(line)]) : 1;
    return QRectF(m_marginXMm * k, y * k, (m_pageMm.width() - 2 * m_marginXMm) * k,
                  lineHeightMm() * units * k);
}

QImage PagedReport::pageImage(int page, double dpi) const {
    const double k = dpi / 25.4;
    QImage image(QSize(static_cast<int>(std::ceil(m_pageMm.width() * k)),
                       static_cast<int>(std::ceil(m_pageMm.height() * k))),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page, dpi);
    return image;
}

bool PagedReport::print(QPagedPaintDevice& device) const {
    const QPageLayout layout(QPageSize(m_pageMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                             QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    device.setPageLayout(layout);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double dpi = device.logicalDpiX();
    // A printer draws from its own printable area; move the origin back to the paper's corner.
    const QRectF paper = device.pageLayout().fullRectPixels(device.logicalDpiX());
    const QRectF paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
    painter.translate(paper.topLeft() - paint.topLeft());
    for (int i = 0; i < pageCount(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, i, dpi);
    }
    return painter.end();
}

QByteArray PagedReport::toPdf(const QString& title) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Vantorel"));
        if (!print(writer))
            return QByteArray();
    }
    buffer.close();
    return bytes;
}

} // namespace vantorel
