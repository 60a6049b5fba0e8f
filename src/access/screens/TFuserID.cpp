#include "TFuserID.h"

#include "ConnectionHolder.h"
#include "DialogState.h"
#include "FullScreenForm.h"
#include "GradientPanel.h"
#include "Prompter.h"
#include "SchemeColor.h"
#include "UserIdPrompt.h"
#include "UserLookup.h"
#include "WindowHelpers.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantorel {

TFuserID::TFuserID(QWidget* parent, ProgramState& state, const Clock& clock, Prompter& prompter)
    : ScaledDialog(parent, QSize(Width, Height)), m_state(state), m_clock(clock), m_prompter(prompter) {
    setObjectName(QStringLiteral("TFuserID"));
    canvas()->setColors(SchemeColor(2), SchemeColor(4));
    auto* title = new GradientPanel(canvas());
    title->setObjectName(QStringLiteral("title"));
    title->setColors(SchemeColor(2), SchemeColor(3));
    title->setHorizontal(true);
    title->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    title->setFont(FullScreenForm::designFont(18, true));
    title->setText(UserIdPromptText::Title);
    title->setGeometry(0, 0, Width, 40);
    m_prompt = new QLabel(UserIdPromptText::Prompt, canvas());
    m_prompt->setObjectName(QStringLiteral("prompt"));
    m_prompt->setFont(FullScreenForm::designFont(16, true));
    m_prompt->setAlignment(Qt::AlignCenter);
    m_prompt->setGeometry(10, 52, Width - 20, 26);
    m_id = new QLineEdit(canvas());
    m_id->setObjectName(QStringLiteral("IdEdit"));
    m_id->setMaxLength(6);
    m_id->setEchoMode(QLineEdit::Password);
    m_id->setAlignment(Qt::AlignCenter);
    m_id->setFont(FullScreenForm::designFont(20, true));
    m_id->setGeometry(110, 88, 160, 38);
    m_id->installEventFilter(this);
    m_users = new QLabel(canvas());
    m_users->setObjectName(QStringLiteral("users"));
    m_users->setFont(FullScreenForm::designFont(12));
    m_users->setGeometry(10, Height - 24, 120, 20);
    m_toBilling = new QPushButton(QStringLiteral("To Billing"), canvas());
    m_toBilling->setObjectName(QStringLiteral("ToBilling"));
    m_toBilling->setFont(FullScreenForm::designFont(15, true));
    m_toBilling->setGeometry(50, 148, 130, 48);
    m_toBilling->setAutoDefault(false);
    m_toBilling->setFocusPolicy(Qt::NoFocus);
    connect(m_toBilling, &QPushButton::clicked, this, &TFuserID::toBilling);
    m_exit = new QPushButton(QStringLiteral("Exit"), canvas());
    m_exit->setObjectName(QStringLiteral("Exit"));
    m_exit->setFont(FullScreenForm::designFont(15, true));
    m_exit->setGeometry(200, 148, 130, 48);
    m_exit->setAutoDefault(false);
    m_exit->setFocusPolicy(Qt::NoFocus);
    connect(m_exit, &QPushButton::clicked, this, &TFuserID::exitBilling);
}

void TFuserID::setExitVisible(bool visible) {
    m_exitVisible = visible;
    m_exit->setVisible(visible);
}

void TFuserID::showEvent(QShowEvent* event) {
    ScaledDialog::showEvent(event);
    m_users->setText(QString::number(CountUsers(ConnectionHolder(m_state).db())) + QStringLiteral(" Users"));
    m_id->clear();
    m_id->setFocus();
}

bool TFuserID::holdsValidId() {
    const QString t = m_id->text();
    return t.size() == 4 && CountUsersWithId(ConnectionHolder(m_state).db(), t) == 1;
}

void TFuserID::showInvalid() {
    m_toBilling->hide();
    m_exit->hide();
    m_prompt->hide();
    m_prompter.showMessage(UserIdPromptText::Invalid, UserIdPromptText::InvalidCaption,
                           Prompter::Icon::Exclamation);
    m_toBilling->show();
    m_exit->setVisible(m_exitVisible);
    m_prompt->show();
    m_id->clear();
    m_id->setFocus();
}

void TFuserID::toBilling() {
    const QString field = m_id->text();
    if (field.isEmpty()) {
        BeepKind(0);
        m_id->setFocus();
        return;
    }
    if (UserIdToBilling(ConnectionHolder(m_state).db(), m_state, m_clock, field) ==
        UserIdPromptResult::Valid) {
        m_id->clear();
        DialogAnswer() = QStringLiteral("ToBilling");
        WaitWithMessages(50);
        accept();
        return;
    }
    showInvalid();
}

void TFuserID::exitBilling() {
    const QString field = m_id->text();
    if (field.isEmpty()) {
        BeepKind(0);
        return;
    }
    if (UserIdExit(ConnectionHolder(m_state).db(), m_state, m_clock, field) == UserIdPromptResult::Valid) {
        DialogAnswer() = QStringLiteral("CloseBilling");
        accept();
        return;
    }
    showInvalid();
}

bool TFuserID::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_id || event->type() != QEvent::KeyPress)
        return ScaledDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        toBilling();
        return true;
    case Qt::Key_Escape:
        m_id->clear();
        return true;
    case Qt::Key_F10:
        exitBilling();
        return true;
    case Qt::Key_Backspace:
        return false;
    default:
        break;
    }
    // With a complete, valid ID in the field, "B" and "E" stand for the buttons and nothing else is typed.
    if (holdsValidId()) {
        if (key->key() == Qt::Key_B)
            toBilling();
        else if (key->key() == Qt::Key_E && m_exit->isVisible())
            exitBilling();
        return true;
    }
    return false;
}

void TFuserID::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10) {
        exitBilling();
        return;
    }
    ScaledDialog::keyPressEvent(event);
}

} // namespace vantorel
