#pragma once

#include <QLineEdit>

namespace vantorel {

// A percentage typed at the keyboard: only digits and "." are taken from the keys (pasted text is checked
// when the value is used); Enter turns a lone "." into "0" and emits entered(); Esc clears the field.
class PercentField : public QLineEdit {
    Q_OBJECT
public:
    PercentField(const QString& objectName, int maxLength, QWidget* parent);

signals:
    void entered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Reached by the keyboard, the value is selected, so that typing replaces it.
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace vantorel
