#include "TFTSCheckin.h"

#include "DialogState.h"
#include "FullScreenForm.h"
#include "GradientPanel.h"
#include "SchemeColor.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace vantorel {

TFTSCheckin::TFTSCheckin(QWidget* parent) : ScaledDialog(parent, QSize(Width, Height)) {
    setObjectName(QStringLiteral("TFTSCheckin"));
    canvas()->setColors(QColor(232, 241, 255), QColor(176, 205, 253));
    auto* title = new GradientPanel(canvas());
    title->setObjectName(QStringLiteral("title"));
    title->setColors(SchemeColor(2), SchemeColor(3));
    title->setHorizontal(true);
    title->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    title->setFont(FullScreenForm::designFont(18, true));
    title->setText(QStringLiteral("User ID"));
    title->setGeometry(0, 0, Width, 40);

    auto makeKey = [this](const QString& caption, const QRect& at) {
        auto* b = new QPushButton(caption, canvas());
        b->setObjectName(QStringLiteral("key_") + caption);
        b->setFont(FullScreenForm::designFont(caption.size() == 1 ? 24 : 16, true));
        b->setGeometry(at);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setAutoDefault(false);
        return b;
    };
    auto* exitKey = makeKey(QStringLiteral("Exit"), QRect(Width - 70, 6, 64, 28));
    connect(exitKey, &QPushButton::clicked, this, &TFTSCheckin::exit);
    const QString digits = QStringLiteral("123456789");
    for (int i = 0; i < 9; ++i) {
        const QChar d = digits[i];
        auto* b = makeKey(QString(d), QRect(9 + (i % 3) * 93, 48 + (i / 3) * 62, 84, 56));
        connect(b, &QPushButton::clicked, this, [this, d] { pressDigit(d); });
    }
    auto* clearKey = makeKey(QStringLiteral("Clear"), QRect(9, 234, 84, 56));
    connect(clearKey, &QPushButton::clicked, this, &TFTSCheckin::clear);
    auto* zero = makeKey(QStringLiteral("0"), QRect(102, 234, 84, 56));
    connect(zero, &QPushButton::clicked, this, [this] { pressDigit(QLatin1Char('0')); });
    auto* ok = makeKey(QStringLiteral("OK"), QRect(195, 234, 84, 56));
    connect(ok, &QPushButton::clicked, this, &TFTSCheckin::confirm);
}

QPushButton* TFTSCheckin::key(const QString& caption) const {
    return canvas()->findChild<QPushButton*>(QStringLiteral("key_") + caption);
}

void TFTSCheckin::showEvent(QShowEvent* event) {
    ScaledDialog::showEvent(event);
    m_entry.clear();
    key(QStringLiteral("1"))->setFocus();
}

void TFTSCheckin::pressDigit(QChar digit) {
    if (m_entry.size() >= DigitLimit())
        return;
    if (digit == QLatin1Char('0') && m_entry.isEmpty())
        return;
    m_entry += digit;
}

void TFTSCheckin::clear() {
    m_entry.clear();
}

void TFTSCheckin::confirm() {
    DialogAnswer() = m_entry;
    accept();
}

void TFTSCheckin::exit() {
    DialogAnswer() = DialogCancelled;
    QDialog::reject();
}

void TFTSCheckin::reject() {
    exit();
}

void TFTSCheckin::keyPressEvent(QKeyEvent* event) {
    const QString t = event->text();
    if (t.size() == 1 && t[0].isDigit()) {
        pressDigit(t[0]);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        confirm();
        return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        clear();
        return;
    default:
        ScaledDialog::keyPressEvent(event);
    }
}

} // namespace vantorel
