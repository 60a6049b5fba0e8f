#include "VipAccountPanel.h"

#include "Bills.h"
#include "FullScreenForm.h"
#include "KeyboardControls.h"
#include "TableLabels.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace vantorel {

namespace {

constexpr int Width = 400;
constexpr int Height = 330;
const QString JoinMessage = QStringLiteral("If your VIP customer joins the same table with an own account "
                                           "press OK, otherwise press [Esc] and enter a "
                                           "new Table Number");

} // namespace

VipAccountPanel::VipAccountPanel(BillingContext& context, QWidget* parent)
    : KeyboardPanel(QStringLiteral("VipAccountPanel"), QStringLiteral("Allocate Table to VIP Account"),
                    QSize(Width, Height), parent),
      m_context(context) {
    MakeLabel(this, QStringLiteral("Select Customer"), QRect(20, 40, 200, 22), 14, true);
    m_accounts = new QListWidget(this);
    m_accounts->setObjectName(QStringLiteral("VipList"));
    m_accounts->setFont(FullScreenForm::designFont(14));
    m_accounts->setGeometry(20, 64, 200, 176);
    MakeLabel(this, QStringLiteral("Table No."), QRect(240, 64, 140, 22), 14, true);
    m_table = MakeEdit(this, QStringLiteral("VipTableEdit"), QRect(240, 88, 80, 28), 2);
    MakeLabel(this, QStringLiteral("Pax No."), QRect(240, 124, 140, 22), 14, true);
    m_pax = MakeEdit(this, QStringLiteral("VipPaxEdit"), QRect(240, 148, 80, 28), 3);
    m_message =
        MakeLabel(this, QString(), QRect(20, 244, Width - 40, 44), 11, true, QStringLiteral("VipMessage"));
    m_message->setWordWrap(true);
    m_message->setStyleSheet(QStringLiteral("color: darkred;"));
    m_ok = MakeButton(this, QStringLiteral("OK"), QStringLiteral("VipOkBut"), QRect(160, 290, 100, 32), 15);
    m_back =
        MakeButton(this, QStringLiteral("&Back"), QStringLiteral("VipBackBut"), QRect(280, 290, 100, 32), 15);
    connect(m_ok, &QPushButton::clicked, this, &VipAccountPanel::okClick);
    connect(m_back, &QPushButton::clicked, this, &VipAccountPanel::backClick);
    connect(m_table, &QLineEdit::textEdited, this, [this] {
        m_occupiedShown = false;
        m_message->clear();
    });
    for (QWidget* w : std::initializer_list<QWidget*>{m_accounts, m_table, m_pax, m_ok, m_back})
        watch(w);
}

void VipAccountPanel::openPanel(const QStringList& accounts) {
    m_accounts->clear();
    m_accounts->addItems(accounts);
    m_accounts->setCurrentRow(0);
    m_table->clear();
    m_pax->setText(QStringLiteral("1"));
    m_message->clear();
    m_occupiedShown = false;
    open();
    m_accounts->setFocus();
}

void VipAccountPanel::okClick() {
    if (!isOpen())
        return;
    if (!m_accounts->currentItem()) {
        m_accounts->setFocus();
        return;
    }
    if (m_table->text().isEmpty()) {
        m_table->setFocus();
        return;
    }
    QStringList labels;
    if (!RunAction(m_context, [&] { labels = OpenTableLabels(m_context.db); }))
        return;
    const TableInput input = ParseTableInput(m_table->text());
    bool occupied = false;
    for (const QString& label : labels)
        occupied = occupied || TableOfLabel(label) == input.table;
    if (occupied && !m_occupiedShown) {
        m_occupiedShown = true;
        m_message->setText(JoinMessage);
        m_ok->setFocus();
        return;
    }
    BillOpenResult result;
    if (!RunAction(m_context, [&] {
            result = AllocateCustomerBill(m_context.db, m_context.prompter, m_context.clock,
                                          m_accounts->currentItem()->text(), m_table->text(), m_pax->text());
        }))
        return;
    if (result.outcome != BillingOutcome::Done) {
        m_table->setFocus();
        return;
    }
    close();
    emit opened(result.billNumber);
}

void VipAccountPanel::backClick() {
    if (!isOpen())
        return;
    close();
    emit cancelled();
}

bool VipAccountPanel::handleKey(QObject* watched, QKeyEvent* key) {
    if (key->key() == Qt::Key_Escape) {
        backClick();
        return true;
    }
    if (IsEnter(key)) {
        if (watched == m_accounts)
            m_table->setFocus();
        else if (watched == m_table)
            m_pax->setFocus();
        else if (watched == m_pax)
            okClick();
        else
            return false;
        return true;
    }
    if (watched == m_table || watched == m_pax) {
        if (TypedLetter(key) == QLatin1Char('B')) {
            backClick();
            return true;
        }
        if (IsDigitKey(key))
            return watched == m_table && m_table->text().isEmpty() && key->text() == QStringLiteral("0");
        return !(IsEditingKey(key) || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab);
    }
    return false;
}

} // namespace vantorel
