#include "SettingsControls.h"

#include "FullScreenForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vantorel {

QLabel* MakeLabel(const QString& text, QWidget* parent, const QRect& at, int pixelSize, bool bold) {
    auto* l = new QLabel(text, parent);
    l->setFont(FullScreenForm::designFont(pixelSize, bold));
    l->setGeometry(at);
    return l;
}

QPushButton* MakeButton(const QString& text, const QString& name, QWidget* parent, const QRect& at) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setFont(FullScreenForm::designFont(14, true));
    b->setGeometry(at);
    return b;
}

QCheckBox* MakeCheckBox(const QString& text, const QString& name, QWidget* parent, const QRect& at,
                        int pixelSize) {
    auto* b = new QCheckBox(text, parent);
    b->setObjectName(name);
    b->setFont(FullScreenForm::designFont(pixelSize));
    // As wide as its caption: a click beside the caption would not tick it.
    b->setGeometry(QRect(at.topLeft(), QSize(b->sizeHint().width(), at.height())));
    return b;
}

QRadioButton* MakeRadioButton(const QString& text, const QString& name, QWidget* parent, const QRect& at) {
    auto* b = new QRadioButton(text, parent);
    b->setObjectName(name);
    b->setFont(FullScreenForm::designFont(15, true));
    b->setGeometry(at);
    return b;
}

QLineEdit* MakeTextField(const QString& name, QWidget* parent, const QRect& at, int maxLength) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setFont(FullScreenForm::designFont(16));
    e->setGeometry(at);
    e->setMaxLength(maxLength);
    return e;
}

} // namespace vantorel
