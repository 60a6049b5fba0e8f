#pragma once

#include <QDateTime>
#include <QFont>
#include <QRect>
#include <QWidget>

class QGraphicsProxyWidget;
class QGraphicsScene;
class QGraphicsView;
class QTimer;

namespace vantorel {

class Clock;
class GradientPanel;
class Marquee;

// A screen laid out at 800 x 600 and scaled uniformly to cover the whole screen (letter-boxed when the
// screen's aspect differs); the display mode is never changed. Subclasses place their controls with
// setGeometry() in 800 x 600 coordinates on canvas(), under the title bar (TitleBarHeight) and above the
// marquee (MarqueeTop). Geometry and fonts scale together, so a layout never changes with the screen.
class FullScreenForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int DesignWidth = 800;
    static constexpr int DesignHeight = 600;
    static constexpr int TitleBarHeight = 36;
    static constexpr int MarqueeHeight = 14;
    static constexpr int MarqueeTop = DesignHeight - MarqueeHeight;

    explicit FullScreenForm(const Clock& clock, QWidget* parent = nullptr);
    ~FullScreenForm() override;

    // The 800 x 600 surface the controls live on. It is drawn through a scaled view, so the controls are
    // children of the canvas, not of the form: find them with control(), and use the form (not a
    // control's window()) as the parent of dialogs.
    QWidget* canvas() const { return m_canvas; }
    template <typename T> T* control(const QString& objectName) const {
        return m_canvas->findChild<T*>(objectName);
    }
    // The control that has (or will get, once the screen is active) the keyboard focus.
    QWidget* focusedWidget() const;

    void setTitle(const QString& text);
    QString title() const;
    GradientPanel* titleBar() const { return m_titleBar; }
    Marquee* marquee() const { return m_marquee; }
    void setBackgroundColors(const QColor& start, const QColor& end);

    // The screen area the form covers: the screen it is shown on unless set (tests, previews).
    void setScreenGeometry(const QRect& area);
    QRect screenGeometry() const;

    // Shows the form covering the screen and returns at once.
    void showOnScreen();
    // Shows the form modally and returns its result when it closes.
    int execModal();
    // Closes the form with the given result.
    void done(int result);
    int result() const { return m_result; }

    // Screen pixels per 800 x 600 pixel, and where a rectangle of the canvas lands on the form.
    qreal scaleFactor() const { return m_scale; }
    QRect mapFromCanvas(const QRect& designRect) const;
    QPoint mapFromCanvas(const QPoint& designPoint) const;

    // The screens' font (Arial; Liberation Sans where Arial is missing) at a size in 800 x 600 pixels.
    static QFont designFont(int pixelSize, bool bold = false);
    // The marquee's weekday, date and time, e.g. "Saturday, 14 March  12:00:05".
    static QString clockText(const QDateTime& at);
    // Sets the marquee to the clock's time now (done every second while the form exists).
    void refreshClock();

signals:
    void finished(int result);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void applyScale();

    const Clock& m_clock;
    QGraphicsScene* m_scene = nullptr;
    QGraphicsView* m_view = nullptr;
    QGraphicsProxyWidget* m_proxy = nullptr;
    QWidget* m_canvas = nullptr;
    GradientPanel* m_titleBar = nullptr;
    Marquee* m_marquee = nullptr;
    QTimer* m_clockTimer = nullptr;
    QRect m_screenOverride;
    qreal m_scale = 1.0;
    QPointF m_offset;
    int m_result = 0;
    bool m_open = false;
};

} // namespace vantorel
