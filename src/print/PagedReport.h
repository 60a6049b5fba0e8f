#pragma once

#include "ReportLayout.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>

class QPagedPaintDevice;
class QPainter;

namespace vantorel {

// A laid-out report cut into pages of its paper size, drawn in a fixed-pitch font so that the columns
// of the template line up exactly as on a receipt printer. A roll is one page as long as its lines.
class PagedReport {
public:
    explicit PagedReport(const ReportLayout& layout);

    int pageCount() const { return static_cast<int>(m_pages.size()); }
    QSizeF pageSizeMm() const { return m_pageMm; }
    const std::vector<LaidLine>& pageLines(int page) const { return m_pages.at(static_cast<size_t>(page)); }

    // Draws one page (from 0) onto a painter whose device has the given resolution, the page's top left at
    // the painter's origin.
    void paintPage(QPainter& painter, int page, double dotsPerInch) const;
    // Where a line of a page lies, in the units of a device of the given resolution.
    QRectF lineRect(int page, int line, double dotsPerInch) const;
    // One page as a picture (white paper) at the given resolution.
    QImage pageImage(int page, double dotsPerInch) const;
    // Every page onto a printer or PDF writer, whose page layout is set to this report's paper.
    bool print(QPagedPaintDevice& device) const;
    QByteArray toPdf(const QString& title) const;

private:
    double lineHeightMm() const { return m_emMm * 1.2; }

    std::vector<std::vector<LaidLine>> m_pages;
    QSizeF m_pageMm;
    double m_marginXMm = 0;
    double m_marginYMm = 0;
    double m_emMm = 0;
    double m_charMm = 0;
};

} // namespace vantorel
