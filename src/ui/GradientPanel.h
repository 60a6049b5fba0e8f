#pragma once

#include <QColor>
#include <QWidget>

namespace vantorel {

// A panel painted with a two-colour gradient and an optional caption; used for title bars, large
// touch buttons and pop-up panels. Emits clicked() when pressed and released inside.
class GradientPanel : public QWidget {
    Q_OBJECT
public:
    explicit GradientPanel(QWidget* parent = nullptr);

    void setColors(const QColor& start, const QColor& end);
    QColor startColor() const { return m_start; }
    QColor endColor() const { return m_end; }
    void setHorizontal(bool horizontal);

    void setText(const QString& text);
    QString text() const { return m_text; }
    void setTextAlignment(Qt::Alignment alignment);
    void setTextColor(const QColor& color);
    // Space kept free between the caption and the panel's edge.
    void setTextMargin(int pixels);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor m_start;
    QColor m_end;
    bool m_horizontal = false;
    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    QColor m_textColor = Qt::black;
    int m_textMargin = 8;
    bool m_pressed = false;
};

} // namespace vantorel
