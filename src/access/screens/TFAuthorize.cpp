#include "TFAuthorize.h"

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

void colorLabel(QLabel* label, const QColor& color) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, color);
    label->setPalette(p);
}

} // namespace

TFAuthorize::TFAuthorize(QWidget* parent, const ProgramState& state, const Clock& clock, Prompter& prompter)
    : ScaledDialog(parent, QSize(Width, Height)), m_state(state), m_clock(clock), m_prompter(prompter) {
    setObjectName(QStringLiteral("TFAuthorize"));
    canvas()->setColors(QColor(255, 255, 170), QColor(255, 240, 120));
    m_header = new QLabel(BillApprovalText::Title, canvas());
    m_header->setObjectName(QStringLiteral("header"));
    m_header->setFont(FullScreenForm::designFont(18, true));
    m_header->setAlignment(Qt::AlignCenter);
    m_header->setGeometry(10, 8, Width - 20, 28);
    m_title = new QLabel(canvas());
    m_title->setObjectName(QStringLiteral("Title"));
    m_title->setFont(FullScreenForm::designFont(14, true));
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setGeometry(10, 40, Width - 20, 22);
    m_comments = new QLabel(canvas());
    m_comments->setObjectName(QStringLiteral("Comments"));
    m_comments->setFont(FullScreenForm::designFont(13));
    m_comments->setAlignment(Qt::AlignCenter);
    m_comments->setWordWrap(true);
    m_comments->setGeometry(10, 64, Width - 20, 44);
    m_id = new QLineEdit(canvas());
    m_id->setObjectName(QStringLiteral("IdEdit"));
    m_id->setEchoMode(QLineEdit::Password);
    m_id->setFont(FullScreenForm::designFont(18, true));
    m_id->setAlignment(Qt::AlignCenter);
    m_id->setGeometry(100, 114, 180, 34);
    m_id->installEventFilter(this);
    m_ok = new QPushButton(QStringLiteral("&OK"), canvas());
    m_ok->setObjectName(QStringLiteral("OkBut"));
    m_ok->setGeometry(40, 166, 140, 44);
    m_ok->setAutoDefault(false);
    m_ok->setFocusPolicy(Qt::NoFocus);
    connect(m_ok, &QPushButton::clicked, this, [this] { confirm(Prompter::Approval::OneItem); });
    m_all = new QPushButton(QStringLiteral("All items"), canvas());
    m_all->setObjectName(QStringLiteral("AllBut"));
    m_all->setGeometry(200, 166, 140, 44);
    m_all->setAutoDefault(false);
    m_all->setFocusPolicy(Qt::NoFocus);
    connect(m_all, &QPushButton::clicked, this, [this] { confirm(Prompter::Approval::AllItems); });
}

void TFAuthorize::setBill(const QString& billNumber) {
    m_title->setText(QStringLiteral("Bill Nr ") + billNumber);
}

void TFAuthorize::setComments(const QString& action) {
    m_comments->setText(action);
}

void TFAuthorize::showEvent(QShowEvent* event) {
    ScaledDialog::showEvent(event);
    m_id->clear();
    m_id->setFocus();
}

void TFAuthorize::confirm(Prompter::Approval wanted) {
    if (m_done)
        return;
    m_done = true;
    m_ok->setEnabled(false);
    m_all->setEnabled(false);
    const QString bill = m_title->text().mid(8, 8);
    const ApprovalOutcome out =
        CheckBillApproval(ConnectionHolder(m_state).db(), m_state, m_clock, m_prompter,
                          ApprovalDialog::Keyboard, m_id->text(), wanted, bill, m_comments->text());
    if (out.kind == ApprovalOutcome::Kind::Incorrect) {
        m_header->setText(BillApprovalText::Incorrect);
        colorLabel(m_header, Qt::red);
    } else if (out.kind == ApprovalOutcome::Kind::Approved) {
        m_header->setText(BillApprovalText::Authorized);
        colorLabel(m_header, QColor(0, 128, 128));
    }
    DialogAnswer() = QString::number(int(out.answer));
    WaitWithMessages(800);
    accept();
}

void TFAuthorize::cancel() {
    if (m_done)
        return;
    m_done = true;
    DialogAnswer() = QStringLiteral("0");
    QDialog::reject();
}

void TFAuthorize::reject() {
    cancel();
}

bool TFAuthorize::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_id || event->type() != QEvent::KeyPress)
        return ScaledDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_ok->show();
        confirm(Prompter::Approval::OneItem);
        return true;
    case Qt::Key_O:
        confirm(Prompter::Approval::OneItem);
        return true;
    case Qt::Key_B:
    case Qt::Key_Escape:
        cancel();
        return true;
    case Qt::Key_Backspace:
        return false;
    default:
        break;
    }
    const QString t = key->text();
    return !(t.size() == 1 && t[0].isDigit());
}

Prompter::Approval TFAuthorize::ask(QWidget* parent, const ProgramState& state, const Clock& clock,
                                    Prompter& prompter, const QString& billNumber, const QString& action) {
    DialogAnswer().clear();
    TFAuthorize dialog(parent, state, clock, prompter);
    dialog.setBill(billNumber);
    dialog.setComments(action);
    dialog.exec();
    const QString answer = DialogAnswer();
    DialogAnswer().clear();
    if (answer == QLatin1String("2"))
        return Prompter::Approval::AllItems;
    return answer == QLatin1String("1") ? Prompter::Approval::OneItem : Prompter::Approval::Refused;
}

} // namespace vantorel
