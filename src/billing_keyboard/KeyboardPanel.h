#pragma once

#include "PopupPanel.h"

class QKeyEvent;
class QLabel;

namespace vantorel {

// A panel of the keyboard billing screen: parked off the canvas and disabled while not in use (so that
// neither Tab nor a click reaches it), moved into view when needed. Its controls' keys go to handleKey();
// Enter presses a focused button.
class KeyboardPanel : public PopupPanel {
    Q_OBJECT
public:
    KeyboardPanel(const QString& objectName, const QString& caption, const QSize& size, QWidget* parent);

    // Into view, centred over the order-entry area unless a place is given.
    void open();
    void openAt(int x, int y);
    void close();
    bool isOpen() const { return !isParked(); }
    QString caption() const;

protected:
    void setCaption(const QString& text);
    // Installs the key handling on a control of the panel.
    void watch(QWidget* control);
    // True when the key was handled (and is not passed on to the control).
    virtual bool handleKey(QObject* watched, QKeyEvent* key) = 0;
    bool eventFilter(QObject* watched, QEvent* event) override;

    static constexpr int CaptionHeight = 30;

private:
    QLabel* m_caption = nullptr;
};

} // namespace vantorel
