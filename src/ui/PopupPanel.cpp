#include "PopupPanel.h"

#include "SchemeColor.h"

namespace vantorel {

PopupPanel::PopupPanel(QWidget* parent) : GradientPanel(parent) {
    setColors(SchemeColor(2), SchemeColor(4));
    move(ParkedLeft, 0);
}

void PopupPanel::park() {
    move(ParkedLeft, y());
}

void PopupPanel::showAt(int x, int y) {
    move(x, y);
    show();
    raise();
}

} // namespace vantorel
