#include "TF03.h"

#include "DatabaseError.h"
#include "LanWarning.h"
#include "PopupPanel.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "SchemeColor.h"
#include "TextHelpers.h"
#include "WindowHelpers.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace vantorel {

namespace {

const QString HintName = QStringLiteral("Please enter your Name and a FOUR number User ID.");
const QString HintId = QStringLiteral("The first number should not be '0'.\r4968 is OK, 0968 is incorrect");
const QString NewUserNotice =
    QStringLiteral("\rThe new user can only access the Billing Program!\r\rYou can provide "
                   "additional access to the utilities of Vantorel in "
                   "Utilities/Maintenance/Authorization.");
const QString Confidential = QStringLiteral("Confidential");
constexpr int MaxTextLength = 32767;
constexpr int MaxWrongManagerIds = 3;

// The privacy panel covers the user list while a new user is typed in; it widens for the manager's ID.
const QRect PrivacyNarrow(30, 44, 240, 486);
const QRect PrivacyWide(30, 44, 270, 486);

QLabel* label(const QString& text, QWidget* parent, const QRect& at, int pixelSize = 14, bool bold = false) {
    auto* l = new QLabel(text, parent);
    l->setFont(FullScreenForm::designFont(pixelSize, bold));
    l->setGeometry(at);
    return l;
}

QPushButton* button(const QString& text, const QString& name, QWidget* parent, const QRect& at) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setFont(FullScreenForm::designFont(14, true));
    b->setGeometry(at);
    return b;
}

QLineEdit* edit(const QString& name, QWidget* parent, const QRect& at, int maxLength) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setFont(FullScreenForm::designFont(16));
    e->setGeometry(at);
    e->setMaxLength(maxLength);
    // A shown user is read-only, but must stay easy to read.
    QPalette p = e->palette();
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(30, 30, 30));
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(244, 245, 246));
    e->setPalette(p);
    return e;
}

bool isEnter(const QKeyEvent* k) {
    return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
}

} // namespace

TF03::TF03(Database& db, ProgramState& state, Prompter& prompter, const Clock& clock, QWidget* parent)
    : FullScreenForm(clock, parent), m_prompter(prompter), m_state(state), m_store(db, state, clock) {
    setWindowTitle(QStringLiteral("Password"));
    setTitle(QStringLiteral("User ID"));
    buildControls();
    loadUsers();
}

void TF03::buildControls() {
    QWidget* c = canvas();
    label(QStringLiteral("Users"), c, QRect(40, 46, 200, 22), 14, true);
    m_list = new QListWidget(c);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setFont(designFont(16));
    m_list->setGeometry(40, 70, 220, 450);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { guarded([this] { listBox1Click(); }); });

    label(QStringLiteral("Name"), c, QRect(330, 80, 220, 22), 14, true);
    m_nameEdit = edit(QStringLiteral("NameEdit"), c, QRect(330, 104, 240, 32), UserNameMaxLength);
    label(QStringLiteral("User ID"), c, QRect(330, 150, 220, 22), 14, true);
    m_idEdit = edit(QStringLiteral("PasswordEdit"), c, QRect(330, 174, 240, 32), UserIdLength);
    // "'" is refused with a message when typed; the validator also keeps it out of pasted text.
    const QRegularExpression noQuote(QStringLiteral("[^']*"));
    m_nameEdit->setValidator(new QRegularExpressionValidator(noQuote, m_nameEdit));
    m_idEdit->setValidator(new QRegularExpressionValidator(noQuote, m_idEdit));
    // Names are typed in capitals.
    connect(m_nameEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int cursor = m_nameEdit->cursorPosition();
        m_nameEdit->setText(text.toUpper());
        m_nameEdit->setCursorPosition(cursor);
    });

    m_hint1 = label(QString(), c, QRect(330, 226, 440, 24));
    m_hint1->setObjectName(QStringLiteral("HintLab1"));
    m_hint2 = label(QString(), c, QRect(330, 254, 440, 48));
    m_hint2->setObjectName(QStringLiteral("HintLab2"));
    m_hint1->hide();
    m_hint2->hide();

    m_editBut = button(QStringLiteral("Edit"), QStringLiteral("EditBut"), c, QRect(300, 520, 84, 40));
    m_newEntryBut =
        button(QStringLiteral("New Entry"), QStringLiteral("NewEntryBut"), c, QRect(392, 520, 100, 40));
    m_deleteBut = button(QStringLiteral("Delete"), QStringLiteral("DeleteBut"), c, QRect(500, 520, 84, 40));
    m_saveBut = button(QStringLiteral("Save"), QStringLiteral("SaveBut"), c, QRect(592, 520, 84, 40));
    m_doneBut = button(QStringLiteral("Done"), QStringLiteral("DoneBut"), c, QRect(684, 520, 84, 40));
    m_saveBut->hide();
    connect(m_editBut, &QPushButton::clicked, this, [this] { guarded([this] { editButClick(); }); });
    connect(m_newEntryBut, &QPushButton::clicked, this, [this] { guarded([this] { newEntryButClick(); }); });
    connect(m_deleteBut, &QPushButton::clicked, this, [this] { guarded([this] { deleteButClick(); }); });
    connect(m_saveBut, &QPushButton::clicked, this, [this] { guarded([this] { butSaveClick(); }); });
    connect(m_doneBut, &QPushButton::clicked, this, [this] { done(0); });

    m_privacyPan = new PopupPanel(c);
    m_privacyPan->setObjectName(QStringLiteral("PrivacyPan"));
    m_privacyPan->setColors(SchemeColor(2), SchemeColor(3));
    m_privacyPan->setGeometry(PrivacyNarrow);
    m_privacyPan->park();
    m_privacyText = label(QString(), m_privacyPan, QRect(12, 10, 246, 250), 14);
    m_privacyText->setObjectName(QStringLiteral("PrivacyText"));
    m_privacyText->setWordWrap(true);
    m_privacyText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_managerLabel =
        label(QStringLiteral("Manager's User ID"), m_privacyPan, QRect(12, 280, 246, 22), 14, true);
    m_managerEdit = edit(QStringLiteral("Edit1"), m_privacyPan, QRect(12, 306, 150, 32), UserIdLength);
    m_managerEdit->setEchoMode(QLineEdit::Password);
    m_managerOk =
        button(QStringLiteral("OK"), QStringLiteral("BitBtn1"), m_privacyPan, QRect(172, 306, 80, 32));
    connect(m_managerOk, &QPushButton::clicked, this, [this] { guarded([this] { bitBtn1Click(); }); });
    showManagerField(false);

    for (QWidget* w : {static_cast<QWidget*>(m_nameEdit), static_cast<QWidget*>(m_idEdit),
                       static_cast<QWidget*>(m_managerEdit), static_cast<QWidget*>(m_saveBut),
                       static_cast<QWidget*>(m_doneBut), static_cast<QWidget*>(m_editBut),
                       static_cast<QWidget*>(m_newEntryBut), static_cast<QWidget*>(m_deleteBut),
                       static_cast<QWidget*>(m_managerOk)})
        w->installEventFilter(this);
}

void TF03::showEvent(QShowEvent* event) {
    FullScreenForm::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    // After the screen is on view, so that a warning appears over it.
    QTimer::singleShot(0, this, [this] { formActivate(); });
}

void TF03::formActivate() {
    m_wrongManagerIds = 0;
    WarnIfLan(m_state, m_prompter);
    m_list->setFocus();
}

template <typename F> void TF03::guarded(F action) {
    try {
        action();
    } catch (const DatabaseError& e) {
        m_prompter.showMessage(e.message(), QStringLiteral("Vantorel"), Prompter::Icon::Error);
        try {
            loadUsers();
        } catch (const DatabaseError&) {
            // Already reported; the list stays as it was.
        }
    }
}

void TF03::loadUsers() {
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (const UserEntry& u : m_store.users()) {
        auto* item = new QListWidgetItem(CapitalizeName(u.name), m_list);
        item->setData(Qt::UserRole, u.autoNum);
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    listBox1Click();
}

std::optional<UserEntry> TF03::selectedUser() {
    const QListWidgetItem* item = m_list->currentItem();
    if (!item)
        return std::nullopt;
    return m_store.user(item->data(Qt::UserRole).toLongLong());
}

void TF03::selectUser(qint64 autoNum) {
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->data(Qt::UserRole).toLongLong() == autoNum) {
            const QSignalBlocker block(m_list);
            SelectListIndex(m_list, i);
        }
    listBox1Click();
}

void TF03::selectLastUser() {
    {
        const QSignalBlocker block(m_list);
        SelectListIndex(m_list, m_list->count() - 1);
    }
    listBox1Click();
}

void TF03::listBox1Click() {
    m_mode = Mode::Showing;
    m_editing.reset();
    m_privacyPan->park();
    showManagerField(false);
    m_saveBut->hide();
    m_nameEdit->setEnabled(false);
    m_idEdit->setEnabled(false);
    m_idEdit->setEchoMode(QLineEdit::Normal);
    m_idEdit->setMaxLength(MaxTextLength);
    const auto user = selectedUser();
    if (!user) {
        m_nameEdit->clear();
        m_idEdit->clear();
        return;
    }
    m_nameEdit->setText(CapitalizeName(user->name));
    m_idEdit->setText(m_store.mayRevealId(*user) ? user->id : Confidential);
}

void TF03::showHints() {
    m_hint1->setText(HintName);
    m_hint2->setText(WithLineFeeds(HintId));
    m_hint1->show();
    m_hint2->show();
}

void TF03::showManagerField(bool shown) {
    m_privacyPan->setGeometry(QRect(m_privacyPan->pos(), (shown ? PrivacyWide : PrivacyNarrow).size()));
    m_privacyText->setText(shown ? WithLineFeeds(NewUserNotice) : QString());
    m_managerLabel->setVisible(shown);
    m_managerEdit->setVisible(shown);
    m_managerOk->setVisible(shown);
    m_managerEdit->clear();
}

bool TF03::refuse(const std::optional<UserRefusal>& refusal) {
    if (!refusal)
        return false;
    if (!refusal->text.isEmpty())
        m_prompter.showMessage(refusal->text, refusal->caption, refusal->icon);
    QLineEdit* field = refusal->field == UserRefusal::Field::Name ? m_nameEdit
                       : refusal->field == UserRefusal::Field::Id ? m_idEdit
                                                                  : nullptr;
    if (field) {
        field->clear();
        field->setFocus();
    }
    return true;
}

void TF03::editButClick() {
    const auto user = selectedUser();
    if (!user || !m_store.mayRevealId(*user))
        return;
    listBox1Click();
    m_mode = Mode::EditingId;
    m_editing = user;
    m_idEdit->setMaxLength(UserIdLength);
    m_idEdit->setText(user->id);
    m_idEdit->setEnabled(true);
    m_saveBut->show();
    m_idEdit->setFocus();
}

void TF03::newEntryButClick() {
    m_mode = Mode::NewEntry;
    m_editing.reset();
    showHints();
    showManagerField(false);
    m_privacyPan->showAt(PrivacyNarrow.x(), PrivacyNarrow.y());
    m_saveBut->show();
    m_nameEdit->setEnabled(true);
    m_idEdit->setEnabled(true);
    m_nameEdit->clear();
    m_idEdit->clear();
    m_idEdit->setMaxLength(UserIdLength);
    m_idEdit->setEchoMode(QLineEdit::Password);
    m_nameEdit->setFocus();
}

void TF03::butSaveClick() {
    if (m_mode == Mode::Showing)
        return;
    QString name = m_nameEdit->text();
    const QString id = m_idEdit->text();
    if (name.isEmpty() && id.isEmpty()) {
        showHints();
        m_privacyPan->park();
        m_saveBut->hide();
        m_nameEdit->setFocus();
        return;
    }
    if (name.trimmed().isEmpty()) {
        m_nameEdit->setFocus();
        return;
    }
    if (id.isEmpty()) {
        m_idEdit->setFocus();
        return;
    }
    name = name.left(1).toUpper() + name.mid(1);
    m_nameEdit->setText(name);
    if (refuse(CheckUserIdFormat(id)))
        return;

    if (m_mode == Mode::EditingId && m_editing) {
        if (refuse(m_store.changeId(*m_editing, id)))
            return;
        // Whoever changes his own ID goes on working under the new one.
        if (m_editing->id == m_state.currentUserId &&
            m_editing->name.toUpper() == m_state.currentUserName.toUpper())
            m_state.currentUserId = id;
        const qint64 changed = m_editing->autoNum;
        m_hint1->hide();
        m_hint2->hide();
        loadUsers();
        selectUser(changed);
        return;
    }

    if (refuse(m_store.checkNewUser(name, id)))
        return;
    m_mode = Mode::ConfirmingNewEntry;
    showManagerField(true);
    m_privacyPan->showAt(PrivacyWide.x(), PrivacyWide.y());
    m_managerEdit->setFocus();
}

void TF03::bitBtn1Click() {
    if (m_mode != Mode::ConfirmingNewEntry)
        return;
    if (m_managerEdit->text() != m_state.currentUserId) {
        if (++m_wrongManagerIds >= MaxWrongManagerIds) {
            done(0);
            return;
        }
        m_prompter.showMessage(QStringLiteral("Please enter the User ID you used when you checked in.     "),
                               QStringLiteral("  Incorrect User ID"), Prompter::Icon::Error);
        m_managerEdit->clear();
        m_managerEdit->setFocus();
        return;
    }
    m_wrongManagerIds = 0;
    UserEntry added;
    const auto refusal = m_store.addUser(m_nameEdit->text(), m_idEdit->text(), &added);
    if (refusal) {
        // Someone else took the name or ID meanwhile: back to typing them.
        m_mode = Mode::NewEntry;
        showManagerField(false);
        m_privacyPan->showAt(PrivacyNarrow.x(), PrivacyNarrow.y());
        refuse(refusal);
        return;
    }
    loadUsers();
    selectUser(added.autoNum);
    m_hint1->hide();
    m_hint2->hide();
    m_doneBut->setFocus();
}

void TF03::deleteButClick() {
    const auto user = selectedUser();
    if (!user)
        return;
    if (refuse(m_store.checkDelete(*user)))
        return;
    const QString question = QStringLiteral("User:           ") + CapitalizeName(user->name) +
                             QLatin1Char('\r') + QStringLiteral("User ID:   ") + user->id +
                             QStringLiteral("\r\r") +
                             QStringLiteral("Are you certain to delete this record?");
    if (m_prompter.ask(question, QStringLiteral("Please confirm"), Prompter::Buttons::YesNo,
                       Prompter::Icon::Question) == Prompter::Answer::Yes) {
        refuse(m_store.deleteUser(*user));
        loadUsers();
    } else {
        listBox1Click();
    }
    selectLastUser();
}

bool TF03::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == m_idEdit) {
        m_nameEdit->setText(m_nameEdit->text().toUpper());
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return FullScreenForm::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (auto* button = qobject_cast<QPushButton*>(watched)) {
        // Enter presses the focused button, as on the counter's keyboard.
        if (isEnter(key)) {
            button->click();
            return true;
        }
        return false;
    }
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field)
        return false;
    if (key->text() == QStringLiteral("'") && field != m_managerEdit) {
        refuse(QuoteNotAllowed());
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        field->clear();
        return true;
    }
    if (isEnter(key)) {
        if (field == m_nameEdit)
            m_idEdit->setFocus();
        else if (field == m_idEdit)
            m_saveBut->setFocus();
        else
            guarded([this] { bitBtn1Click(); });
        return true;
    }
    return false;
}

} // namespace vantorel
