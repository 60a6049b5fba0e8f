#include "KeyboardControls.h"

#include "AmountText.h"
#include "FullScreenForm.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace vantorel {

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& at, int pixelSize, bool bold,
                  const QString& name) {
    auto* l = new QLabel(text, parent);
    l->setFont(FullScreenForm::designFont(pixelSize, bold));
    l->setGeometry(at);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

QPushButton* MakeButton(QWidget* parent, const QString& text, const QString& name, const QRect& at,
                        int pixelSize) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setFont(FullScreenForm::designFont(pixelSize, true));
    b->setGeometry(at);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, const QRect& at, int maxLength, int pixelSize) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setFont(FullScreenForm::designFont(pixelSize, true));
    e->setGeometry(at);
    e->setMaxLength(maxLength);
    QPalette p = e->palette();
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(40, 40, 40));
    e->setPalette(p);
    return e;
}

QCheckBox* MakeCheck(QWidget* parent, const QString& text, const QString& name, const QRect& at) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(name);
    c->setFont(FullScreenForm::designFont(13, true));
    c->setGeometry(at);
    return c;
}

QTreeWidget* MakeList(QWidget* parent, const QString& name, const QRect& at, const QStringList& columns) {
    auto* t = new QTreeWidget(parent);
    t->setObjectName(name);
    t->setFont(FullScreenForm::designFont(13));
    t->setGeometry(at);
    t->setColumnCount(static_cast<int>(columns.size()));
    t->setHeaderLabels(columns);
    t->setRootIsDecorated(false);
    t->setUniformRowHeights(true);
    t->setAllColumnsShowFocus(true);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->header()->setFont(FullScreenForm::designFont(12, true));
    t->header()->setStretchLastSection(true);
    t->header()->setMinimumSectionSize(16);
    t->header()->setSectionResizeMode(t->columnCount() - 1, QHeaderView::Stretch);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->header()->setSectionsMovable(false);
    return t;
}

QString ButtonStyle() {
    // The focused button must stand out: the keyboard decides what Enter does.
    return QStringLiteral(
        "QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfdfd, stop:1 #e2e5e9);"
        " border: 1px solid #8c939b; border-radius: 4px; padding: 2px; }"
        "QPushButton:focus { border: 2px solid #1e5ac8; background: #e3edff; }"
        "QPushButton:pressed { background: #c9d3de; }"
        "QPushButton:disabled { color: #a0a0a0; border-color: #c0c4c8; }");
}

bool IsEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

bool IsDigitKey(const QKeyEvent* key) {
    return key->text().size() == 1 && key->text().at(0).isDigit() &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

QChar TypedLetter(const QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return QChar();
    const QString text = key->text();
    if (text.size() != 1 || !text.at(0).isLetter())
        return QChar();
    return text.at(0).toUpper();
}

bool IsEditingKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Left || key->key() == Qt::Key_Right;
}

QString AmountField(Money amount) {
    return FormatAmount(amount);
}

} // namespace vantorel
