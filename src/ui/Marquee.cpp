#include "Marquee.h"

#include "SchemeColor.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTimerEvent>

namespace vantorel {

namespace {
// One pixel every 25 ms: slow enough to read the clock as it passes.
constexpr int StepMs = 25;
} // namespace

Marquee::Marquee(QWidget* parent) : QWidget(parent), m_background(SchemeColor(4)) {}

void Marquee::setText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void Marquee::setScrolling(bool on) {
    m_scrolling = on;
    if (!on)
        m_offset = 0;
    updateTimer();
    update();
}

void Marquee::setBackgroundColor(const QColor& color) {
    m_background = color;
    update();
}

void Marquee::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_background);
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    p.drawText(QRect(m_offset, 0, QFontMetrics(font()).horizontalAdvance(m_text) + 4, height()),
               Qt::AlignLeft | Qt::AlignVCenter, m_text);
}

void Marquee::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_timer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    const int textWidth = QFontMetrics(font()).horizontalAdvance(m_text);
    if (--m_offset < -textWidth)
        m_offset = width();
    update();
}

void Marquee::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_scrolling)
        m_offset = width();
    updateTimer();
}

void Marquee::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    updateTimer();
}

void Marquee::updateTimer() {
    if (m_scrolling && isVisible())
        m_timer.start(StepMs, this);
    else
        m_timer.stop();
}

} // namespace vantorel
