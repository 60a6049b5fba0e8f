#pragma once

#include <QBasicTimer>
#include <QColor>
#include <QWidget>

namespace vantorel {

// A one-line text that scrolls from right to left across the strip, over a plain background.
class Marquee : public QWidget {
    Q_OBJECT
public:
    explicit Marquee(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return m_text; }
    void setScrolling(bool on);
    bool isScrolling() const { return m_scrolling; }
    void setBackgroundColor(const QColor& color);
    // Where the text starts, in the strip's own coordinates (moves while scrolling).
    int textOffset() const { return m_offset; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void updateTimer();

    QString m_text;
    QColor m_background;
    bool m_scrolling = true;
    int m_offset = 0;
    QBasicTimer m_timer;
};

} // namespace vantorel
