#include "TF05.h"

#include "LanWarning.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "WindowHelpers.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace vantorel {

TF05::TF05(ProgramState& state, const Clock& clock, Prompter& prompter, QWidget* parent)
    : FullScreenForm(clock, parent), m_state(state), m_prompter(prompter), m_connection(state) {
    setObjectName(QStringLiteral("TF05"));
    setTitle(QStringLiteral("Authorization"));
    m_editor = std::make_unique<RightsEditor>(m_connection.db(), state, clock, prompter);
    m_editor->open();

    QWidget* c = canvas();
    auto* userLabel = new QLabel(QStringLiteral("User"), c);
    userLabel->setFont(designFont(15, true));
    userLabel->setGeometry(30, 56, 60, 30);
    m_users = new QComboBox(c);
    m_users->setObjectName(QStringLiteral("UserBox"));
    m_users->setEditable(false);
    m_users->setFont(designFont(16, true));
    m_users->setGeometry(90, 56, 220, 32);
    m_users->addItems(m_editor->users());
    m_users->installEventFilter(this);
    connect(m_users, &QComboBox::textActivated, this, &TF05::selectUser);
    m_total = new QLabel(c);
    m_total->setObjectName(QStringLiteral("TotalUsers"));
    m_total->setFont(designFont(14));
    m_total->setGeometry(330, 56, 200, 30);

    auto* availableLabel = new QLabel(QStringLiteral("Functions"), c);
    availableLabel->setFont(designFont(14, true));
    availableLabel->setGeometry(30, 100, 320, 22);
    m_available = new QListWidget(c);
    m_available->setObjectName(QStringLiteral("FunctionList"));
    m_available->setFont(designFont(14));
    m_available->setGeometry(30, 124, 320, 380);
    auto* grantedLabel = new QLabel(QStringLiteral("Access granted"), c);
    grantedLabel->setFont(designFont(14, true));
    grantedLabel->setGeometry(450, 100, 320, 22);
    m_granted = new QListWidget(c);
    m_granted->setObjectName(QStringLiteral("AccessList"));
    m_granted->setFont(designFont(14));
    m_granted->setGeometry(450, 124, 320, 380);

    auto makeButton = [c](const QString& caption, const QRect& at) {
        auto* b = new QPushButton(caption, c);
        b->setObjectName(QStringLiteral("but_") + caption);
        b->setFont(designFont(16, true));
        b->setGeometry(at);
        b->setAutoDefault(false);
        return b;
    };
    m_add = makeButton(QStringLiteral(">"), QRect(365, 180, 70, 40));
    m_addAll = makeButton(QStringLiteral(">>"), QRect(365, 230, 70, 40));
    m_remove = makeButton(QStringLiteral("<"), QRect(365, 320, 70, 40));
    m_removeAll = makeButton(QStringLiteral("<<"), QRect(365, 370, 70, 40));
    m_save = makeButton(QStringLiteral("Save"), QRect(520, 520, 120, 46));
    m_done = makeButton(QStringLiteral("Done"), QRect(650, 520, 120, 46));
    connect(m_add, &QPushButton::clicked, this, [this] {
        if (const auto* item = m_available->currentItem())
            m_editor->grant(item->text());
        refreshLists();
    });
    connect(m_addAll, &QPushButton::clicked, this, [this] {
        m_editor->grantAll();
        refreshLists();
    });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        if (const auto* item = m_granted->currentItem())
            m_editor->revoke(item->text());
        refreshLists();
    });
    connect(m_removeAll, &QPushButton::clicked, this, [this] {
        m_editor->revokeAll();
        refreshLists();
    });
    connect(m_save, &QPushButton::clicked, this, &TF05::save);
    connect(m_done, &QPushButton::clicked, this, &TF05::leave);
    connect(m_available, &QListWidget::itemDoubleClicked, m_add, &QPushButton::click);
    connect(m_granted, &QListWidget::itemDoubleClicked, m_remove, &QPushButton::click);
}

TF05::~TF05() = default;

QPushButton* TF05::button(const QString& caption) const {
    return canvas()->findChild<QPushButton*>(QStringLiteral("but_") + caption);
}

void TF05::run() {
    execModal();
}

void TF05::showEvent(QShowEvent* event) {
    FullScreenForm::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        activate();
    }
}

void TF05::activate() {
    m_total->setText(QStringLiteral("Total users: ") + QString::number(m_editor->users().size()));
    QString first = m_editor->ownerName();
    if (!m_editor->users().contains(first))
        first = m_editor->users().value(0);
    selectUser(first);
    WarnIfLan(m_state, m_prompter);
}

void TF05::selectUser(const QString& name) {
    if (name.isEmpty() || !m_editor->selectUser(name)) {
        // Unsaved changes keep the user shown.
        const QSignalBlocker block(m_users);
        m_users->setCurrentText(m_editor->userName());
        return;
    }
    const QSignalBlocker block(m_users);
    m_users->setCurrentText(name);
    refreshLists();
}

void TF05::refreshLists() {
    const QString availableCurrent =
        m_available->currentItem() ? m_available->currentItem()->text() : QString();
    m_available->clear();
    m_available->addItems(m_editor->available());
    m_granted->clear();
    m_granted->addItems(m_editor->granted());
    if (!availableCurrent.isEmpty())
        SelectListItem(m_available, availableCurrent);
    m_add->setEnabled(m_available->count() > 0);
    m_addAll->setEnabled(m_available->count() > 0);
    m_remove->setEnabled(m_granted->count() > 0);
    m_removeAll->setEnabled(m_granted->count() > 0);
    m_save->setEnabled(m_editor->isModified());
}

void TF05::save() {
    m_editor->save();
    refreshLists();
}

void TF05::leave() {
    if (!m_editor->canLeave())
        return;
    m_leaving = true;
    m_connection.close();
    done(0);
}

void TF05::closeEvent(QCloseEvent* event) {
    if (m_leaving || m_editor->canLeave()) {
        m_connection.close();
        event->accept();
        return;
    }
    event->ignore();
}

bool TF05::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_users && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_End:
        case Qt::Key_Home:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Delete:
            return true;
        default:
            break;
        }
    }
    return FullScreenForm::eventFilter(watched, event);
}

} // namespace vantorel
