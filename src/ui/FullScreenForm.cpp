#include "FullScreenForm.h"

#include "Clock.h"
#include "GradientPanel.h"
#include "Marquee.h"
#include "SchemeColor.h"

#include <QEventLoop>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QHideEvent>
#include <QLocale>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace vantorel {

namespace {

// The canvas is drawn through a scaled view: the controls keep their 800 x 600 geometry and are painted
// (text as outlines, not as stretched bitmaps) at the screen's size, and input is mapped back the same way.
class ScaledView : public QGraphicsView {
public:
    explicit ScaledView(QGraphicsScene* scene, QWidget* parent) : QGraphicsView(scene, parent) {
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setAlignment(Qt::AlignCenter);
        setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        setBackgroundBrush(SchemeColor(4));
        setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    }
};

} // namespace

FullScreenForm::FullScreenForm(const Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_clock(clock) {
    m_scene = new QGraphicsScene(this);
    m_scene->setSceneRect(0, 0, DesignWidth, DesignHeight);
    m_view = new ScaledView(m_scene, this);

    auto* background = new GradientPanel;
    background->setColors(SchemeColor(2), SchemeColor(4));
    background->setFont(designFont(13));
    background->setFixedSize(DesignWidth, DesignHeight);
    m_canvas = background;
    m_proxy = m_scene->addWidget(m_canvas);
    m_proxy->setPos(0, 0);
    // Hidden until the form shows, so that controls made meanwhile show with it, as on any other window.
    m_proxy->hide();

    m_titleBar = new GradientPanel(m_canvas);
    m_titleBar->setObjectName(QStringLiteral("titleBar"));
    m_titleBar->setColors(SchemeColor(2), SchemeColor(3));
    m_titleBar->setHorizontal(true);
    m_titleBar->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_titleBar->setTextMargin(16);
    m_titleBar->setFont(designFont(20, true));
    m_titleBar->setGeometry(0, 0, DesignWidth, TitleBarHeight);

    m_marquee = new Marquee(m_canvas);
    m_marquee->setObjectName(QStringLiteral("marquee"));
    m_marquee->setFont(designFont(11));
    m_marquee->setGeometry(0, MarqueeTop, DesignWidth, MarqueeHeight);

    m_clockTimer = new QTimer(this);
    m_clockTimer->setInterval(1000);
    connect(m_clockTimer, &QTimer::timeout, this, &FullScreenForm::refreshClock);
    m_clockTimer->start();
    refreshClock();

    resize(DesignWidth, DesignHeight);
}

FullScreenForm::~FullScreenForm() = default;

QWidget* FullScreenForm::focusedWidget() const {
    return m_canvas->focusWidget();
}

void FullScreenForm::setTitle(const QString& text) {
    m_titleBar->setText(text);
}

QString FullScreenForm::title() const {
    return m_titleBar->text();
}

void FullScreenForm::setBackgroundColors(const QColor& start, const QColor& end) {
    static_cast<GradientPanel*>(m_canvas)->setColors(start, end);
}

void FullScreenForm::setScreenGeometry(const QRect& area) {
    m_screenOverride = area;
    if (isVisible())
        setGeometry(area);
}

QRect FullScreenForm::screenGeometry() const {
    if (m_screenOverride.isValid())
        return m_screenOverride;
    const QWidget* anchor = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen* screen = anchor && anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, DesignWidth, DesignHeight);
}

void FullScreenForm::showOnScreen() {
    // Without a window manager a full-screen request alone leaves a small window: size it first.
    setGeometry(screenGeometry());
    if (m_screenOverride.isValid())
        show();
    else
        showFullScreen();
    raise();
    activateWindow();
    m_view->setFocus();
}

int FullScreenForm::execModal() {
    setWindowModality(Qt::ApplicationModal);
    m_result = 0;
    QPointer<FullScreenForm> self(this);
    QEventLoop loop;
    connect(this, &FullScreenForm::finished, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    showOnScreen();
    if (m_open)
        loop.exec(QEventLoop::DialogExec);
    return self ? m_result : 0;
}

void FullScreenForm::done(int result) {
    m_result = result;
    close();
}

QRect FullScreenForm::mapFromCanvas(const QRect& designRect) const {
    const QPointF topLeft = m_offset + QPointF(designRect.topLeft()) * m_scale;
    return QRectF(topLeft, QSizeF(designRect.size()) * m_scale).toRect();
}

QPoint FullScreenForm::mapFromCanvas(const QPoint& designPoint) const {
    return (m_offset + QPointF(designPoint) * m_scale).toPoint();
}

QFont FullScreenForm::designFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    // Unhinted glyphs keep their proportions at every scale, so text fits the same at any screen size.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QString FullScreenForm::clockText(const QDateTime& at) {
    // Weekday and month names in English whatever the system's language.
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    return english.toString(at, QStringLiteral("dddd, dd MMMM  hh:mm:ss"));
}

void FullScreenForm::refreshClock() {
    m_marquee->setText(clockText(m_clock.now()));
}

void FullScreenForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyScale();
}

void FullScreenForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_open = true;
    m_proxy->show();
    applyScale();
}

void FullScreenForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous() || !m_open)
        return;
    m_open = false;
    emit finished(m_result);
}

void FullScreenForm::applyScale() {
    m_view->setGeometry(rect());
    m_scale = std::min(qreal(width()) / DesignWidth, qreal(height()) / DesignHeight);
    m_offset = QPointF((width() - DesignWidth * m_scale) / 2, (height() - DesignHeight * m_scale) / 2);
    m_view->setTransform(QTransform::fromScale(m_scale, m_scale));
}

} // namespace vantorel
