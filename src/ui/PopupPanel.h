#pragma once

#include "GradientPanel.h"

namespace vantorel {

// A panel that pops up over a screen: parked just beyond the right edge of the 800 x 600 canvas while
// not needed, and moved into view when it is.
class PopupPanel : public GradientPanel {
    Q_OBJECT
public:
    static constexpr int ParkedLeft = 800;

    explicit PopupPanel(QWidget* parent = nullptr);

    // Moves the panel off-screen (left 800), keeping its top.
    void park();
    // Moves the panel into view at the given canvas position and brings it to the front.
    void showAt(int x, int y);
    bool isParked() const { return x() >= ParkedLeft; }
};

} // namespace vantorel
