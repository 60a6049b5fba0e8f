#pragma once

#include <QDialog>
#include <QPoint>
#include <QSize>

class QGraphicsProxyWidget;
class QGraphicsScene;
class QGraphicsView;

namespace vantorel {

class GradientPanel;

// A small modal dialog laid out at its design size and shown over the screen that opened it, at a position in
// that screen's 800 x 600 coordinates and at the same scale, so that pads and prompts keep their place and
// proportions on any screen. Borderless; its controls live on canvas().
class ScaledDialog : public QDialog {
    Q_OBJECT
public:
    ScaledDialog(QWidget* parent, const QSize& designSize);
    ~ScaledDialog() override;

    // The design-size surface (a gradient panel) the controls are placed on.
    GradientPanel* canvas() const { return m_canvas; }
    QSize designSize() const { return m_designSize; }

    // Where the dialog's top-left corner goes on the opening screen's 800 x 600 canvas; centred when not set.
    void setDesignPosition(const QPoint& topLeft);
    QPoint designPosition() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void place();

    QSize m_designSize;
    QPoint m_position;
    bool m_positionSet = false;
    GradientPanel* m_canvas = nullptr;
    QGraphicsScene* m_scene = nullptr;
    QGraphicsView* m_view = nullptr;
    QGraphicsProxyWidget* m_proxy = nullptr;
};

} // namespace vantorel
