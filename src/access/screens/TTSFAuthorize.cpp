#include "TTSFAuthorize.h"

#include "BillApproval.h"
#include "ConnectionHolder.h"
#include "DialogState.h"
#include "FullScreenForm.h"
#include "GradientPanel.h"
#include "WindowHelpers.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantorel {

namespace {

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& at, int pixels,
              bool bold) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(FullScreenForm::designFont(pixels, bold));
    l->setGeometry(at);
    return l;
}

} // namespace

TTSFAuthorize::TTSFAuthorize(QWidget* parent, const ProgramState& state, const Clock& clock,
                             Prompter& prompter)
    : ScaledDialog(parent, QSize(Width, Height)), m_state(state), m_clock(clock), m_prompter(prompter) {
    setObjectName(QStringLiteral("TTSFAuthorize"));
    canvas()->setColors(QColor(255, 255, 190), QColor(255, 236, 130));
    m_header = label(canvas(), QStringLiteral("header"), BillApprovalText::Title,
                     QRect(10, 6, Width - 20, 30), 20, true);
    m_header->setAlignment(Qt::AlignCenter);
    m_question = label(canvas(), QStringLiteral("question"),
                       QStringLiteral("Superior,  please key in your Authorization ID"),
                       QRect(10, 38, Width - 20, 22), 14, false);
    m_question->setAlignment(Qt::AlignCenter);
    m_actionLabel = label(canvas(), QStringLiteral("actionLabel"), QStringLiteral("Action:"),
                          QRect(14, 64, 80, 22), 14, true);
    m_comments =
        label(canvas(), QStringLiteral("Comments"), QString(), QRect(96, 64, Width - 110, 22), 14, false);
    m_accountLabel = label(canvas(), QStringLiteral("accountLabel"), QStringLiteral("Account:"),
                           QRect(14, 88, 80, 22), 14, true);
    m_account =
        label(canvas(), QStringLiteral("Account"), QString(), QRect(96, 88, Width - 110, 22), 14, false);
    m_display = new QLineEdit(canvas());
    m_display->setObjectName(QStringLiteral("display"));
    m_display->setReadOnly(true);
    m_display->setEchoMode(QLineEdit::Password);
    m_display->setAlignment(Qt::AlignCenter);
    m_display->setFont(FullScreenForm::designFont(20, true));
    m_display->setFocusPolicy(Qt::NoFocus);
    m_display->setGeometry(100, 116, 200, 36);

    auto makeKey = [this](const QString& caption, const QRect& at) {
        auto* b = new QPushButton(caption, canvas());
        b->setObjectName(QStringLiteral("key_") + caption);
        b->setFont(FullScreenForm::designFont(caption.size() == 1 ? 22 : 15, true));
        b->setGeometry(at);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    const QString digits = QStringLiteral("123456789");
    for (int i = 0; i < 9; ++i) {
        const QChar d = digits[i];
        auto* b = makeKey(QString(d), QRect(70 + (i % 3) * 90, 160 + (i / 3) * 52, 82, 46));
        connect(b, &QPushButton::clicked, this, [this, d] { pressDigit(d); });
    }
    connect(makeKey(QStringLiteral("Clear"), QRect(70, 316, 82, 46)), &QPushButton::clicked, this,
            &TTSFAuthorize::clear);
    connect(makeKey(QStringLiteral("0"), QRect(160, 316, 82, 46)), &QPushButton::clicked, this,
            [this] { pressDigit(QLatin1Char('0')); });
    connect(makeKey(QStringLiteral("One item"), QRect(14, 378, 120, 50)), &QPushButton::clicked, this,
            [this] { confirm(Prompter::Approval::OneItem); });
    connect(makeKey(QStringLiteral("All items"), QRect(140, 378, 120, 50)), &QPushButton::clicked, this,
            [this] { confirm(Prompter::Approval::AllItems); });
    connect(makeKey(QStringLiteral("Cancel"), QRect(266, 378, 120, 50)), &QPushButton::clicked, this,
            &TTSFAuthorize::cancel);
}

void TTSFAuthorize::setAccount(const QString& account) {
    m_account->setText(account);
}
void TTSFAuthorize::setComments(const QString& action) {
    m_comments->setText(action);
}

QPushButton* TTSFAuthorize::key(const QString& caption) const {
    return canvas()->findChild<QPushButton*>(QStringLiteral("key_") + caption);
}

void TTSFAuthorize::pressDigit(QChar digit) {
    if (m_done || m_entry.size() >= MaxDigits || (digit == QLatin1Char('0') && m_entry.isEmpty()))
        return;
    m_entry += digit;
    m_display->setText(m_entry);
}

void TTSFAuthorize::clear() {
    m_entry.clear();
    m_display->clear();
}

void TTSFAuthorize::confirm(Prompter::Approval wanted) {
    if (m_done)
        return;
    m_done = true;
    for (QLabel* l : {m_question, m_actionLabel, m_accountLabel})
        l->hide();
    const ApprovalOutcome out =
        CheckBillApproval(ConnectionHolder(m_state).db(), m_state, m_clock, m_prompter, ApprovalDialog::Touch,
                          m_entry, wanted, m_account->text(), m_comments->text());
    QPalette p = m_header->palette();
    if (out.kind == ApprovalOutcome::Kind::Incorrect) {
        m_header->setText(BillApprovalText::Incorrect);
        p.setColor(QPalette::WindowText, Qt::red);
    } else if (out.kind == ApprovalOutcome::Kind::Approved) {
        m_header->setText(BillApprovalText::Authorized);
        p.setColor(QPalette::WindowText, QColor(0, 128, 128));
    }
    m_header->setPalette(p);
    DialogAnswer() = QString::number(int(out.answer));
    WaitWithMessages(800);
    accept();
}

void TTSFAuthorize::cancel() {
    if (m_done)
        return;
    m_done = true;
    DialogAnswer() = QStringLiteral("0");
    QDialog::reject();
}

void TTSFAuthorize::reject() {
    cancel();
}

void TTSFAuthorize::keyPressEvent(QKeyEvent* event) {
    const QString t = event->text();
    if (t.size() == 1 && t[0].isDigit()) {
        pressDigit(t[0]);
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        confirm(Prompter::Approval::OneItem);
        return;
    }
    if (event->key() == Qt::Key_Backspace) {
        clear();
        return;
    }
    ScaledDialog::keyPressEvent(event);
}

Prompter::Approval TTSFAuthorize::ask(QWidget* parent, const ProgramState& state, const Clock& clock,
                                      Prompter& prompter, const QString& account, const QString& action) {
    DialogAnswer().clear();
    TTSFAuthorize dialog(parent, state, clock, prompter);
    dialog.setAccount(account);
    dialog.setComments(action);
    dialog.exec();
    const QString answer = DialogAnswer();
    DialogAnswer().clear();
    if (answer == QLatin1String("2"))
        return Prompter::Approval::AllItems;
    return answer == QLatin1String("1") ? Prompter::Approval::OneItem : Prompter::Approval::Refused;
}

} // namespace vantorel
