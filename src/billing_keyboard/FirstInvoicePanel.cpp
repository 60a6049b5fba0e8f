#include "FirstInvoicePanel.h"

#include "CustomerDevices.h"
#include "FullScreenForm.h"
#include "KeyboardControls.h"
#include "PrintServices.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "ReceiptPrinting.h"
#include "WindowHelpers.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantorel {

namespace {

constexpr int Width = 440;
constexpr int Height = 404;
constexpr int RowTop = 42;
constexpr int RowStep = 30;

QRect captionAt(int row) {
    return QRect(20, RowTop + row * RowStep, 190, 26);
}
QRect valueAt(int row) {
    return QRect(210, RowTop + row * RowStep, 120, 26);
}

QLabel* value(QWidget* parent, int row, const QString& name) {
    QLabel* l = MakeLabel(parent, QString(), valueAt(row), 15, true, name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFrameShape(QFrame::StyledPanel);
    l->setStyleSheet(QStringLiteral("background: white; padding-right: 4px;"));
    return l;
}

} // namespace

FirstInvoicePanel::FirstInvoicePanel(BillingContext& context, QWidget* parent)
    : KeyboardPanel(QStringLiteral("FirstPrintPanel"), QStringLiteral("Print  First  Invoice"),
                    QSize(Width, Height), parent),
      m_context(context) {
    MakeLabel(this, QStringLiteral("Sum of Items"), captionAt(0), 14, true);
    m_sumItems = value(this, 0, QStringLiteral("SumItemsValue"));
    MakeLabel(this, QStringLiteral("FOC"), captionAt(1), 14, true);
    m_foc = value(this, 1, QStringLiteral("FocValue"));
    MakeLabel(this, QStringLiteral("Item Discount"), captionAt(2), 14, true);
    m_itemDisc = value(this, 2, QStringLiteral("ItemDiscValue"));
    MakeLabel(this, QStringLiteral("Bill Discount %"), captionAt(3), 14, true);
    m_discount =
        MakeEdit(this, QStringLiteral("BillDiscPercEdit"), QRect(270, RowTop + 3 * RowStep, 60, 26), 2);
    m_discount->setAlignment(Qt::AlignRight);
    m_billFoc = MakeCheck(this, QStringLiteral("Bill FOC"), QStringLiteral("BillFocBox"),
                          QRect(340, RowTop + 3 * RowStep, 96, 26));
    MakeLabel(this, QStringLiteral("Bill Total"), captionAt(4), 14, true);
    m_billTotal = value(this, 4, QStringLiteral("BillTotalValue"));
    MakeLabel(this, QStringLiteral("Bill Discount"), captionAt(5), 14, true);
    m_billDiscount = value(this, 5, QStringLiteral("BillDiscValue"));
    MakeLabel(this, QStringLiteral("Tax"), captionAt(6), 14, true);
    m_tax = value(this, 6, QStringLiteral("TaxValue"));
    m_chargeLabel = MakeLabel(this, QStringLiteral("Service Charge"), captionAt(7), 14, true);
    m_charge = value(this, 7, QStringLiteral("ServiceChargeValue"));
    m_serviceCharge = MakeCheck(this, QStringLiteral("Apply"), QStringLiteral("ServiceChargeBox"),
                                QRect(340, RowTop + 7 * RowStep, 96, 26));
    MakeLabel(this, QStringLiteral("Final Amount"), captionAt(8).adjusted(0, 4, 0, 8), 17, true);
    m_final = value(this, 8, QStringLiteral("FinalValue"));
    m_final->setGeometry(valueAt(8).adjusted(0, 4, 0, 8));
    m_final->setFont(FullScreenForm::designFont(18, true));
    m_note = MakeLabel(this, QString(), QRect(20, 322, Width - 40, 36), 11, false,
                       QStringLiteral("FirstPrintNote"));
    m_note->setWordWrap(true);

    m_reset = MakeButton(this, QStringLiteral("Reset"), QStringLiteral("ResetBut"), QRect(10, 362, 70, 34));
    m_print = MakeButton(this, QStringLiteral("Print First Bill"), QStringLiteral("PrintFirstBillBut"),
                         QRect(86, 362, 132, 34));
    m_direct = MakeButton(this, QStringLiteral("Direct Payment"), QStringLiteral("DirectPaymentBut"),
                          QRect(224, 362, 128, 34));
    m_back = MakeButton(this, QStringLiteral("&Back"), QStringLiteral("FirstPrintBackBut"),
                        QRect(358, 362, 72, 34));

    connect(m_reset, &QPushButton::clicked, this, &FirstInvoicePanel::resetClick);
    connect(m_print, &QPushButton::clicked, this, &FirstInvoicePanel::printFirstBillClick);
    connect(m_direct, &QPushButton::clicked, this, &FirstInvoicePanel::directPaymentClick);
    connect(m_back, &QPushButton::clicked, this, &FirstInvoicePanel::backClick);
    connect(m_billFoc, &QCheckBox::clicked, this, &FirstInvoicePanel::billFocToggled);
    connect(m_serviceCharge, &QCheckBox::clicked, this, &FirstInvoicePanel::serviceChargeToggled);
    for (QWidget* w : std::initializer_list<QWidget*>{m_discount, m_billFoc, m_serviceCharge, m_reset,
                                                      m_print, m_direct, m_back})
        watch(w);
    setTabOrder(m_discount, m_billFoc);
    setTabOrder(m_billFoc, m_serviceCharge);
    setTabOrder(m_serviceCharge, m_print);
    setTabOrder(m_print, m_direct);
    setTabOrder(m_direct, m_back);
}

bool FirstInvoicePanel::openBill(const QString& bill, int billRounding) {
    FirstPrintOpen opened;
    const bool ran = RunAction(m_context, [&] {
        opened = OpenFirstPrint(m_context.db, m_context.state, m_context.prompter, bill, billRounding);
    });
    if (!ran || opened.outcome != BillingOutcome::Done)
        return false;
    m_values = opened.panel;
    m_context.devices.clearPole();
    m_context.devices.showAmount(m_values.finalAmount);
    showValues();
    open();
    m_print->setFocus();
    return true;
}

void FirstInvoicePanel::showValues() {
    m_showing = true;
    const FirstPrintPanel& v = m_values;
    m_sumItems->setText(AmountField(v.sumItems));
    m_foc->setText(AmountField(v.foc));
    m_itemDisc->setText(AmountField(v.itemDisc));
    if (!m_discount->hasFocus() || v.billFreeOfCharge)
        m_discount->setText(QString::number(v.effectiveDiscount()));
    m_discount->setReadOnly(!v.discountEditable);
    m_billFoc->setChecked(v.billFreeOfCharge);
    m_billFoc->setEnabled(v.freeOfChargeAllowed);
    m_billTotal->setText(AmountField(v.billTotal));
    m_billDiscount->setText(AmountField(v.billDiscount));
    m_tax->setText(AmountField(v.tax));
    m_charge->setText(AmountField(v.charge));
    m_serviceCharge->setVisible(v.serviceChargeBoxVisible);
    m_serviceCharge->setChecked(v.serviceChargeApplies);
    const QString chargeColour =
        v.serviceChargeApplies ? QStringLiteral("color: black;") : QStringLiteral("color: darkred;");
    m_chargeLabel->setStyleSheet(chargeColour);
    m_charge->setStyleSheet(QStringLiteral("background: white; padding-right: 4px; ") + chargeColour);
    m_final->setText(AmountField(v.finalAmount));
    m_note->setText(v.note);
    m_reset->setVisible(v.resetVisible);
    m_showing = false;
}

void FirstInvoicePanel::recalculate() {
    BillingOutcome outcome = BillingOutcome::Done;
    if (!RunAction(m_context, [&] {
            outcome = CalculateFirstPrint(m_context.db, m_context.state, m_context.prompter, m_values);
        }))
        return;
    if (outcome != BillingOutcome::Done) {
        close();
        emit closedWithout(outcome);
        return;
    }
    m_context.devices.clearPole();
    m_context.devices.showAmount(m_values.finalAmount);
    showValues();
}

void FirstInvoicePanel::discountEntered(bool cancelled) {
    int percent = 0;
    if (!cancelled) {
        const auto typed = ReadBillDiscount(m_context.prompter, m_discount->text());
        if (!typed) {
            m_discount->setFocus();
            return;
        }
        percent = *typed;
    }
    if (m_values.customerAccount)
        return;
    SetBillDiscount(m_values, m_context.state.settings, percent);
    m_discount->setText(QString::number(percent));
    recalculate();
    if (isOpen())
        m_print->setFocus();
}

void FirstInvoicePanel::billFocToggled(bool checked) {
    if (m_showing)
        return;
    if (!SetBillFreeOfCharge(m_values, m_context.state.settings, checked)) {
        m_billFoc->setChecked(false);
        return;
    }
    recalculate();
}

void FirstInvoicePanel::serviceChargeToggled(bool checked) {
    if (m_showing)
        return;
    SetServiceChargeApplies(m_values, m_context.state.settings, checked);
    recalculate();
}

void FirstInvoicePanel::resetClick() {
    ResetBillDiscount(m_values, m_context.state.settings);
    m_discount->setText(QStringLiteral("0"));
    recalculate();
    if (isOpen())
        m_print->setFocus();
}

void FirstInvoicePanel::commit(bool direct) {
    if (!isOpen())
        return;
    FirstPrintCommit done;
    const QString bill = m_values.billNumber;
    const bool ran = RunAction(m_context, [&] {
        done = direct ? CommitDirectPayment(m_context.db, m_context.state, m_context.prompter,
                                            m_context.clock, m_values)
                      : CommitFirstPrint(m_context.db, m_context.state, m_context.prompter, m_context.clock,
                                         m_values);
        if (done.outcome == BillingOutcome::Done && !direct) {
            PrintServices services{m_context.db, m_context.state, m_context.clock, m_context.prompter,
                                   m_context.printSink()};
            PrintBill1(services, bill);
        }
    });
    if (!ran)
        return;
    close();
    if (done.outcome != BillingOutcome::Done) {
        emit closedWithout(done.outcome);
        return;
    }
    if (direct)
        emit directPaymentChosen(bill);
    else
        emit firstBillPrinted(bill);
}

void FirstInvoicePanel::printFirstBillClick() {
    commit(false);
}

void FirstInvoicePanel::directPaymentClick() {
    commit(true);
}

void FirstInvoicePanel::backClick() {
    if (!isOpen())
        return;
    close();
    emit closedWithout(BillingOutcome::Cancelled);
}

bool FirstInvoicePanel::handleKey(QObject* watched, QKeyEvent* key) {
    if (watched == m_discount) {
        if (IsEnter(key)) {
            discountEntered(false);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            discountEntered(true);
            return true;
        }
        if (m_discount->isReadOnly())
            return key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab;
        if (m_billFoc->isChecked() && !key->text().isEmpty()) {
            // Typing a discount takes back the bill FOC first.
            SetBillFreeOfCharge(m_values, m_context.state.settings, false);
            recalculate();
            m_discount->clear();
        }
        if (key->text() == QStringLiteral(".")) {
            ReadBillDiscount(m_context.prompter, key->text());
            return true;
        }
        if (IsDigitKey(key) || IsEditingKey(key) || key->key() == Qt::Key_Tab ||
            key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete)
            return false;
        return !key->text().isEmpty();
    }
    if (key->key() == Qt::Key_Escape || TypedLetter(key) == QLatin1Char('B')) {
        backClick();
        return true;
    }
    return false;
}

} // namespace vantorel
