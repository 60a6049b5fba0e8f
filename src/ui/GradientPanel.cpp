#include "GradientPanel.h"

#include "SchemeColor.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace vantorel {

GradientPanel::GradientPanel(QWidget* parent)
    : QWidget(parent), m_start(SchemeColor(2)), m_end(SchemeColor(4)) {}

void GradientPanel::setColors(const QColor& start, const QColor& end) {
    m_start = start;
    m_end = end;
    update();
}

void GradientPanel::setHorizontal(bool horizontal) {
    m_horizontal = horizontal;
    update();
}

void GradientPanel::setText(const QString& text) {
    m_text = text;
    update();
}

void GradientPanel::setTextAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

void GradientPanel::setTextColor(const QColor& color) {
    m_textColor = color;
    update();
}

void GradientPanel::setTextMargin(int pixels) {
    m_textMargin = pixels;
    update();
}

void GradientPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(0, 0, m_horizontal ? width() : 0, m_horizontal ? 0 : height());
    g.setColorAt(0, m_start);
    g.setColorAt(1, m_end);
    p.fillRect(rect(), g);
    if (m_text.isEmpty())
        return;
    p.setPen(m_textColor);
    p.setFont(font());
    QString text = m_text;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    p.drawText(rect().adjusted(m_textMargin, 0, -m_textMargin, 0), int(m_alignment) | Qt::TextWordWrap, text);
}

void GradientPanel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    // Accepting the press makes this panel receive the release too (an ignored press goes to the parent).
    if (m_pressed)
        event->accept();
    else
        QWidget::mousePressEvent(event);
}

void GradientPanel::mouseReleaseEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    const bool wasPressed = m_pressed;
    m_pressed = false;
    QWidget::mouseReleaseEvent(event);
    if (wasPressed && inside && event->button() == Qt::LeftButton)
        emit clicked();
}

} // namespace vantorel
