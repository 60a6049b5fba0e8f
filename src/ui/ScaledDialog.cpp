#include "ScaledDialog.h"

#include "FullScreenForm.h"
#include "GradientPanel.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QScreen>

namespace vantorel {

ScaledDialog::ScaledDialog(QWidget* parent, const QSize& designSize)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_designSize(designSize) {
    setModal(true);
    m_scene = new QGraphicsScene(this);
    m_scene->setSceneRect(0, 0, designSize.width(), designSize.height());
    m_view = new QGraphicsView(m_scene, this);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_view->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    m_canvas = new GradientPanel;
    m_canvas->setFont(FullScreenForm::designFont(13));
    m_canvas->setFixedSize(designSize);
    m_proxy = m_scene->addWidget(m_canvas);
    m_proxy->setPos(0, 0);
    // Hidden until the dialog shows, so that the controls made meanwhile show with it.
    m_proxy->hide();
    resize(designSize);
}

ScaledDialog::~ScaledDialog() = default;

void ScaledDialog::setDesignPosition(const QPoint& topLeft) {
    m_position = topLeft;
    m_positionSet = true;
}

QPoint ScaledDialog::designPosition() const {
    if (m_positionSet)
        return m_position;
    return QPoint((FullScreenForm::DesignWidth - m_designSize.width()) / 2,
                  (FullScreenForm::DesignHeight - m_designSize.height()) / 2);
}

void ScaledDialog::showEvent(QShowEvent* event) {
    place();
    m_proxy->show();
    QDialog::showEvent(event);
    m_view->setFocus();
}

void ScaledDialog::place() {
    const auto* form =
        parentWidget() ? qobject_cast<const FullScreenForm*>(parentWidget()->window()) : nullptr;
    const qreal scale = form ? form->scaleFactor() : 1.0;
    const QSize size = (QSizeF(m_designSize) * scale).toSize();
    QPoint topLeft;
    if (form) {
        topLeft = form->mapToGlobal(form->mapFromCanvas(designPosition()));
    } else {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->geometry() : QRect(QPoint(), size);
        topLeft = area.center() - QPoint(size.width() / 2, size.height() / 2);
    }
    setGeometry(QRect(topLeft, size));
    m_view->setGeometry(rect());
    m_view->setTransform(QTransform::fromScale(scale, scale));
}

} // namespace vantorel
