#include "NewAccountPanel.h"

#include "BillNumbers.h"
#include "BillingMessages.h"
#include "Bills.h"
#include "KeyboardControls.h"
#include "TableLabels.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantorel {

namespace {

constexpr int Width = 380;
constexpr int Height = 300;

} // namespace

NewAccountPanel::NewAccountPanel(BillingContext& context, QWidget* parent)
    : KeyboardPanel(QStringLiteral("NewAccountPanel"), QStringLiteral("Allocate Table to New Account"),
                    QSize(Width, Height), parent),
      m_context(context) {
    MakeLabel(this, QStringLiteral("Account Number"), QRect(20, 44, 150, 26), 14, true);
    m_number =
        MakeLabel(this, QString(), QRect(180, 44, 170, 26), 15, true, QStringLiteral("NewAccountNumber"));
    m_number->setStyleSheet(QStringLiteral("background: white; padding-left: 4px;"));
    MakeLabel(this, QStringLiteral("Table Number"), QRect(20, 80, 150, 26), 14, true);
    m_table = MakeEdit(this, QStringLiteral("NewTableEdit"), QRect(180, 80, 70, 28), 2);
    MakeLabel(this, QStringLiteral(" Pax"), QRect(20, 116, 150, 26), 14, true);
    m_pax = MakeEdit(this, QStringLiteral("NewPaxEdit"), QRect(180, 116, 70, 28), 3);
    MakeLabel(this, QStringLiteral("Customer Alias"), QRect(20, 152, 150, 26), 14, true);
    m_alias = MakeEdit(this, QStringLiteral("NewAliasEdit"), QRect(180, 152, 170, 28), 12);
    m_message = MakeLabel(this, QString(), QRect(20, 186, Width - 40, 56), 12, true,
                          QStringLiteral("NewAccountMessage"));
    m_message->setWordWrap(true);
    m_message->setStyleSheet(QStringLiteral("color: darkred;"));
    m_ok = MakeButton(this, QStringLiteral("OK"), QStringLiteral("NewOkBut"), QRect(140, 252, 100, 34), 15);
    m_back =
        MakeButton(this, QStringLiteral("&Back"), QStringLiteral("NewBackBut"), QRect(260, 252, 100, 34), 15);
    connect(m_ok, &QPushButton::clicked, this, &NewAccountPanel::okClick);
    connect(m_back, &QPushButton::clicked, this, &NewAccountPanel::backClick);
    connect(m_table, &QLineEdit::textEdited, this, [this] {
        m_occupiedShown = false;
        m_message->clear();
    });
    for (QWidget* w : std::initializer_list<QWidget*>{m_table, m_pax, m_alias, m_ok, m_back})
        watch(w);
}

void NewAccountPanel::openPanel() {
    QString next;
    if (!RunAction(m_context, [&] { next = GetNextBillNumber(m_context.db, m_context.clock); }))
        return;
    m_number->setText(next);
    m_table->clear();
    m_pax->setText(QStringLiteral("1"));
    m_alias->clear();
    m_message->clear();
    m_occupiedShown = false;
    open();
    m_table->setFocus();
}

void NewAccountPanel::okClick() {
    if (!isOpen())
        return;
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
        m_message->setText(BillingMessage::SeparateBillAlias().text);
        m_alias->setFocus();
        return;
    }
    BillOpenResult result;
    if (!RunAction(m_context, [&] {
            result = CreateBill(m_context.db, m_context.state, m_context.prompter, m_context.clock,
                                NewBillRequest{m_table->text(), m_pax->text(), m_alias->text()});
        }))
        return;
    if (result.outcome != BillingOutcome::Done) {
        m_table->setFocus();
        return;
    }
    close();
    emit opened(result.billNumber);
}

void NewAccountPanel::backClick() {
    if (!isOpen())
        return;
    close();
    emit cancelled();
}

bool NewAccountPanel::handleKey(QObject* watched, QKeyEvent* key) {
    if (key->key() == Qt::Key_Escape) {
        backClick();
        return true;
    }
    const bool numeric = watched == m_table || watched == m_pax;
    if (numeric && TypedLetter(key) == QLatin1Char('B')) {
        backClick();
        return true;
    }
    if (IsEnter(key)) {
        if (watched == m_table)
            m_pax->setFocus();
        else if (watched == m_pax)
            m_alias->setFocus();
        else if (watched == m_alias)
            okClick();
        else
            return false;
        return true;
    }
    if (numeric) {
        if (IsDigitKey(key))
            return watched == m_table && m_table->text().isEmpty() && key->text() == QStringLiteral("0");
        return !(IsEditingKey(key) || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab);
    }
    return false;
}

} // namespace vantorel
