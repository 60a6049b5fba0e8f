#include "KeyboardPanel.h"

#include "FullScreenForm.h"
#include "KeyboardControls.h"
#include "SchemeColor.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace vantorel {

KeyboardPanel::KeyboardPanel(const QString& objectName, const QString& caption, const QSize& size,
                             QWidget* parent)
    : PopupPanel(parent) {
    setObjectName(objectName);
    setColors(SchemeColor(2), SchemeColor(4));
    resize(size);
    auto* bar = new GradientPanel(this);
    bar->setColors(SchemeColor(2), SchemeColor(3));
    bar->setHorizontal(true);
    bar->setGeometry(0, 0, size.width(), CaptionHeight);
    m_caption = MakeLabel(bar, caption, QRect(10, 0, size.width() - 20, CaptionHeight), 16, true,
                          objectName + QStringLiteral("Caption"));
    m_caption->setStyleSheet(QStringLiteral("color: white;"));
    park();
    setEnabled(false);
}

void KeyboardPanel::open() {
    const int x = (FullScreenForm::DesignWidth - width()) / 2;
    const int y = std::max(FullScreenForm::TitleBarHeight + 4, (FullScreenForm::DesignHeight - height()) / 2);
    openAt(x, y);
}

void KeyboardPanel::openAt(int x, int y) {
    setEnabled(true);
    showAt(x, y);
}

void KeyboardPanel::close() {
    park();
    setEnabled(false);
}

QString KeyboardPanel::caption() const {
    return m_caption->text();
}

void KeyboardPanel::setCaption(const QString& text) {
    m_caption->setText(text);
}

void KeyboardPanel::watch(QWidget* control) {
    control->installEventFilter(this);
}

bool KeyboardPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !isOpen())
        return PopupPanel::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (handleKey(watched, key))
        return true;
    if (auto* button = qobject_cast<QPushButton*>(watched); button && IsEnter(key)) {
        button->click();
        return true;
    }
    return false;
}

} // namespace vantorel
