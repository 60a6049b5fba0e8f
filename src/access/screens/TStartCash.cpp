#include "TStartCash.h"

#include "AmountText.h"
#include "DialogState.h"
#include "FullScreenForm.h"
#include "GradientPanel.h"
#include "Prompter.h"
#include "SchemeColor.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantorel {

TStartCash::TStartCash(QWidget* parent, Prompter& prompter)
    : ScaledDialog(parent, QSize(Width, Height)), m_prompter(prompter) {
    setObjectName(QStringLiteral("TStartCash"));
    canvas()->setColors(QColor(226, 230, 232), QColor(193, 203, 208));
    m_title = new GradientPanel(canvas());
    m_title->setObjectName(QStringLiteral("title"));
    m_title->setColors(SchemeColor(2), SchemeColor(3));
    m_title->setHorizontal(true);
    m_title->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_title->setFont(FullScreenForm::designFont(18, true));
    m_title->setGeometry(0, 0, Width, 40);

    m_text = new QLabel(canvas());
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setWordWrap(true);
    m_text->setFont(FullScreenForm::designFont(13));
    m_text->setGeometry(12, 44, Width - 24, 54);

    m_field = new QLineEdit(canvas());
    m_field->setObjectName(QStringLiteral("amount"));
    m_field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_field->setFont(FullScreenForm::designFont(24, true));
    m_field->setGeometry(10, 102, Width - 20, 40);
    m_field->installEventFilter(this);

    auto makeKey = [this](const QString& caption, const QRect& at) {
        auto* b = new QPushButton(caption, canvas());
        b->setObjectName(QStringLiteral("key_") + caption);
        b->setFont(FullScreenForm::designFont(caption.size() == 1 ? 22 : 15, true));
        b->setGeometry(at);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    const QString layout = QStringLiteral("789456123.0");
    for (int i = 0; i < layout.size(); ++i) {
        const QChar c = layout[i];
        auto* b = makeKey(QString(c), QRect(10 + (i % 3) * 103, 150 + (i / 3) * 46, 94, 42));
        connect(b, &QPushButton::clicked, this, [this, c] { pressKey(c); });
    }
    auto* clearKey = makeKey(QStringLiteral("Clear"), QRect(216, 288, 94, 42));
    connect(clearKey, &QPushButton::clicked, this, &TStartCash::clear);
    auto* backKey = makeKey(QStringLiteral("Back"), QRect(10, 344, 130, 46));
    connect(backKey, &QPushButton::clicked, this, &TStartCash::back);
    m_confirm = makeKey(QStringLiteral("OK"), QRect(180, 344, 130, 46));
    connect(m_confirm, &QPushButton::clicked, this, &TStartCash::confirm);
}

void TStartCash::setTitle(const QString& title) {
    m_title->setText(title);
}
void TStartCash::setText(const QString& text) {
    m_text->setText(text);
}
void TStartCash::setConfirmCaption(const QString& caption) {
    m_confirm->setText(caption);
}
void TStartCash::setColors(const QColor& start, const QColor& end) {
    canvas()->setColors(start, end);
}

QPushButton* TStartCash::key(const QString& caption) const {
    if (caption == m_confirm->text())
        return m_confirm;
    return canvas()->findChild<QPushButton*>(QStringLiteral("key_") + caption);
}

void TStartCash::showEvent(QShowEvent* event) {
    ScaledDialog::showEvent(event);
    m_field->clear();
    m_field->setFocus();
}

bool TStartCash::accepts(const QString& entry, QChar next) const {
    const qsizetype dot = entry.indexOf(QLatin1Char('.'));
    if (dot >= 0 && (next == QLatin1Char('.') || entry.size() - dot - 1 >= 2))
        return false;
    return entry.size() < DigitLimit();
}

void TStartCash::pressKey(QChar key) {
    const QString entry = m_field->text();
    if (!accepts(entry, key))
        return;
    // A point typed first stands for "0.", so the entry is always an amount.
    m_field->setText(entry.isEmpty() && key == QLatin1Char('.') ? QStringLiteral("0.") : entry + key);
}

void TStartCash::clear() {
    m_field->clear();
}

void TStartCash::back() {
    DialogAnswer() = DialogCancelled;
    QDialog::reject();
}

void TStartCash::reject() {
    back();
}

void TStartCash::confirm() {
    QString text = m_field->text();
    if (text.isEmpty())
        text = QStringLiteral("0");
    if (!IsNumberText(text)) {
        m_prompter.showMessage(StartCashText::NotANumber, QString(), Prompter::Icon::Exclamation);
        return;
    }
    const QString shown = FormatAmount(text);
    m_field->setText(shown);
    if (shown != QLatin1String("0.00") &&
        m_prompter.ask(StartCashText::LeaveQuestion(shown), QStringLiteral("  ") + shown,
                       Prompter::Buttons::YesNo, Prompter::Icon::Question) == Prompter::Answer::No) {
        m_field->clear();
        return;
    }
    DialogAnswer() = shown;
    accept();
}

bool TStartCash::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_field || event->type() != QEvent::KeyPress)
        return ScaledDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Escape:
        m_field->clear();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        confirm();
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Delete:
        return false;
    default:
        break;
    }
    const QString t = key->text();
    if (t.size() != 1 || !(t[0].isDigit() || t[0] == QLatin1Char('.')))
        return true;
    QString candidate = m_field->text();
    candidate.replace(m_field->selectionStart() >= 0 ? m_field->selectionStart() : m_field->cursorPosition(),
                      m_field->selectedText().size(), t);
    if (!IsNumberText(candidate)) {
        m_prompter.showMessage(StartCashText::NotANumber, QString(), Prompter::Icon::Exclamation);
        return true;
    }
    const qsizetype dot = candidate.indexOf(QLatin1Char('.'));
    if (candidate.size() > DigitLimit() || (dot >= 0 && candidate.size() - dot - 1 > 2))
        return true;
    return false;
}

} // namespace vantorel
