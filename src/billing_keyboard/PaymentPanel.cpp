#include "PaymentPanel.h"

#include "BillingMessages.h"
#include "CustomerDevices.h"
#include "FullScreenForm.h"
#include "KeyboardControls.h"
#include "Prompter.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace vantorel {

namespace {

constexpr int Width = 440;
constexpr int Height = 330;

} // namespace

PaymentPanel::PaymentPanel(BillingContext& context, QWidget* parent)
    : KeyboardPanel(QStringLiteral("PaymentPanel"), QStringLiteral("Print  Final  Invoice"),
                    QSize(Width, Height), parent),
      m_context(context) {
    MakeLabel(this, QStringLiteral("Amount due"), QRect(20, 44, 150, 30), 16, true);
    m_amountDue =
        MakeLabel(this, QString(), QRect(180, 44, 150, 30), 18, true, QStringLiteral("AmountDueValue"));
    m_amountDue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_amountDue->setStyleSheet(QStringLiteral("background: white; color: darkred; padding-right: 4px;"));

    MakeLabel(this, QStringLiteral("Cash paid"), QRect(20, 86, 150, 28), 15, true);
    m_cash = MakeEdit(this, QStringLiteral("CashEdit"), QRect(180, 86, 150, 28), 12, 16);
    m_cash->setAlignment(Qt::AlignRight);
    MakeLabel(this, QStringLiteral("Change"), QRect(20, 120, 150, 28), 15, true);
    m_change = MakeEdit(this, QStringLiteral("ChangeEdit"), QRect(180, 120, 150, 28), 16, 16);
    m_change->setAlignment(Qt::AlignRight);
    m_change->setReadOnly(true);
    m_change->setFocusPolicy(Qt::NoFocus);

    m_companyLabel = MakeLabel(this, QStringLiteral("Credit Card"), QRect(20, 160, 150, 24), 15, true);
    m_companies = new QListWidget(this);
    m_companies->setObjectName(QStringLiteral("CompanyList"));
    m_companies->setFont(FullScreenForm::designFont(14));
    m_companies->setGeometry(180, 160, 240, 84);
    m_numberLabel = MakeLabel(this, QStringLiteral("Number"), QRect(20, 250, 150, 28), 15, true,
                              QStringLiteral("CardNumberLabel"));
    m_number = MakeEdit(this, QStringLiteral("CardNumberEdit"), QRect(180, 250, 240, 28), 16, 16);
    m_noCards = MakeLabel(this, QStringLiteral("No Credit Cards"), QRect(10, 156, Width - 20, 126), 20, true,
                          QStringLiteral("NoCreditCards"));
    m_noCards->setAlignment(Qt::AlignCenter);
    m_noCards->setAutoFillBackground(true);

    m_ok = MakeButton(this, QStringLiteral("OK"), QStringLiteral("PayOkBut"), QRect(180, 288, 110, 34), 15);
    m_back =
        MakeButton(this, QStringLiteral("&Back"), QStringLiteral("PayBackBut"), QRect(310, 288, 110, 34), 15);
    connect(m_ok, &QPushButton::clicked, this, &PaymentPanel::okClick);
    connect(m_back, &QPushButton::clicked, this, &PaymentPanel::backClick);
    // Choosing a company (not merely entering the list) starts a card payment: the cash part is cleared.
    connect(m_companies, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_filling && !m_companies->selectedItems().isEmpty()) {
            m_cash->clear();
            m_change->clear();
        }
    });
    for (QWidget* w : std::initializer_list<QWidget*>{m_cash, m_companies, m_number, m_ok, m_back})
        watch(w);
    setTabOrder(m_cash, m_companies);
    setTabOrder(m_companies, m_number);
    setTabOrder(m_number, m_ok);
    setTabOrder(m_ok, m_back);
}

bool PaymentPanel::openBill(const QString& bill, bool afterDirectPayment, BillingOutcome* outcome) {
    PaymentView view;
    const bool ran = RunAction(
        m_context, [&] { view = OpenPayment(m_context.db, m_context.state, m_context.prompter, bill); });
    if (outcome)
        *outcome = ran ? view.outcome : BillingOutcome::Refused;
    if (!ran || view.outcome != BillingOutcome::Done)
        return false;
    m_view = view;
    m_direct = afterDirectPayment;
    m_numberRechecked = false;
    m_amountDue->setText(AmountField(view.amountDue));
    m_cash->clear();
    m_change->clear();
    m_number->clear();
    fillCompanies();
    const bool cards = view.cardsAccepted;
    m_noCards->setVisible(!cards);
    m_companies->setEnabled(cards);
    const bool numbers = cards && view.numberRequired;
    m_number->setEnabled(numbers);
    m_numberLabel->setText(numbers              ? QStringLiteral("Number")
                           : afterDirectPayment ? QStringLiteral("Disabled")
                                                : QStringLiteral("Number disabled"));
    m_context.devices.clearPole();
    m_context.devices.showAmount(view.amountDue);
    open();
    m_cash->setFocus();
    return true;
}

void PaymentPanel::fillCompanies() {
    m_filling = true;
    m_companies->clear();
    for (const CardCompanyChoice& c : m_view.companies)
        m_companies->addItem(c.description);
    m_companies->setCurrentRow(-1);
    m_companies->clearSelection();
    m_filling = false;
}

void PaymentPanel::chooseCompany(const QString& description) {
    const auto found = m_companies->findItems(description, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    m_companies->setCurrentItem(found.first());
    m_companies->setFocus();
}

void PaymentPanel::clearAll() {
    m_cash->clear();
    m_change->clear();
    m_number->clear();
    fillCompanies();
}

void PaymentPanel::cashEntered() {
    const CashEntry entry = CheckCashPaid(m_context.prompter, m_cash->text(), m_view.amountDue);
    switch (entry.problem) {
    case CashEntry::Problem::Empty:
        m_cash->setFocus();
        return;
    case CashEntry::Problem::NotANumber:
        m_cash->setFocus();
        m_cash->selectAll();
        return;
    case CashEntry::Problem::BelowAmountDue:
        m_cash->clear();
        m_change->clear();
        m_cash->setFocus();
        return;
    case CashEntry::Problem::None:
        break;
    }
    m_cash->setText(AmountField(entry.cash));
    m_change->setText(AmountField(entry.change));
    m_ok->setFocus();
}

void PaymentPanel::okClick() {
    if (!isOpen())
        return;
    SettlementRequest request;
    request.billNumber = m_view.billNumber;
    request.amountDue = m_view.amountDue;
    request.cash = m_cash->text();
    request.cardCompany = m_companies->currentItem() && m_companies->currentItem()->isSelected()
                              ? m_companies->currentItem()->text()
                              : QString();
    request.cardNumber = m_number->text();
    request.cardNumberRechecked = m_numberRechecked;
    SettlementResult result;
    if (!RunAction(m_context, [&] {
            result = SettleBill(m_context.db, m_context.state, m_context.prompter, m_context.clock, request);
        }))
        return;
    using Stop = SettlementResult::Stop;
    switch (result.stop) {
    case Stop::None:
        break;
    case Stop::NothingEntered:
        m_cash->setFocus();
        return;
    case Stop::CashAndCard:
        clearAll();
        m_cash->setFocus();
        return;
    case Stop::InvalidCash:
    case Stop::CashBelowAmountDue:
        m_cash->clear();
        m_change->clear();
        m_cash->setFocus();
        return;
    case Stop::NoCompany:
        fillCompanies();
        m_companies->setFocus();
        return;
    case Stop::CardNumberMismatch:
        m_numberRechecked = true;
        m_number->setFocus();
        return;
    case Stop::BillClosed:
    case Stop::BillChanged:
        close();
        emit closedWithout(result.outcome);
        return;
    }
    // The typed card number is not kept on the screen once the payment is stored.
    m_number->clear();
    close();
    if (result.card) {
        m_context.devices.showCard(result.amountDue);
    } else {
        m_context.devices.clearPole();
        m_context.devices.showCash(result.cashPaid, result.change);
        m_context.devices.openCashDrawer();
    }
    emit settled(result, m_view.billNumber, m_direct);
}

void PaymentPanel::backClick() {
    if (!isOpen())
        return;
    m_number->clear();
    close();
    emit closedWithout(BillingOutcome::Cancelled);
}

bool PaymentPanel::eventFilter(QObject* watched, QEvent* event) {
    // Entering "Cash paid" starts a cash payment: the card part is cleared.
    if (event->type() == QEvent::FocusIn && watched == m_cash && isOpen()) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            m_filling = true;
            m_companies->setCurrentRow(-1);
            m_companies->clearSelection();
            m_filling = false;
            m_number->clear();
            m_change->clear();
            m_numberRechecked = false;
        }
    }
    // Leaving "Cash paid" with text that is no amount is pointed out at once.
    if (event->type() == QEvent::FocusOut && watched == m_cash && isOpen()) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            ReadCashPaid(m_cash->text(), m_view.amountDue).problem == CashEntry::Problem::NotANumber) {
            QTimer::singleShot(0, this, [this] {
                if (isOpen() &&
                    ReadCashPaid(m_cash->text(), m_view.amountDue).problem == CashEntry::Problem::NotANumber)
                    CheckCashPaid(m_context.prompter, m_cash->text(), m_view.amountDue);
            });
        }
    }
    return KeyboardPanel::eventFilter(watched, event);
}

bool PaymentPanel::handleKey(QObject* watched, QKeyEvent* key) {
    const QChar letter = TypedLetter(key);
    if (letter == QLatin1Char('B')) {
        backClick();
        return true;
    }
    if (watched == m_cash || watched == m_companies) {
        if (!letter.isNull()) {
            if (m_view.cardsAccepted) {
                const QString company = CompanyForLetter(m_view.companies, letter);
                if (!company.isEmpty())
                    chooseCompany(company);
            }
            return true;
        }
    }
    if (watched == m_cash) {
        if (IsEnter(key)) {
            cashEntered();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            m_cash->clear();
            m_change->clear();
            return true;
        }
        if (IsDigitKey(key) || key->text() == QStringLiteral(".") || IsEditingKey(key) ||
            key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        return true;
    }
    if (watched == m_companies) {
        if (IsEnter(key) && m_companies->currentItem()) {
            m_companies->currentItem()->setSelected(true);
            if (m_number->isEnabled())
                m_number->setFocus();
            else
                m_ok->setFocus();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            backClick();
            return true;
        }
        return false;
    }
    if (watched == m_number) {
        if (IsEnter(key)) {
            m_ok->setFocus();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            m_number->clear();
            return true;
        }
        if (key->text() == QStringLiteral(".")) {
            const auto m = BillingMessage::NoDecimals();
            m_context.prompter.showMessage(m.text, m.caption, Prompter::Icon::Exclamation);
            return true;
        }
        if (IsDigitKey(key) || IsEditingKey(key) || key->key() == Qt::Key_Tab ||
            key->key() == Qt::Key_Backtab)
            return false;
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        backClick();
        return true;
    }
    return false;
}

} // namespace vantorel
