#include "CashReturnPanel.h"

#include "CustomerDevices.h"
#include "KeyboardControls.h"
#include "PrintServices.h"
#include "ReceiptPrinting.h"
#include "Settings.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace vantorel {

namespace {

constexpr int Width = 360;
constexpr int Height = 250;

} // namespace

CashReturnPanel::CashReturnPanel(BillingContext& context, QWidget* parent)
    : KeyboardPanel(QStringLiteral("CashReturnPanel"), QStringLiteral("Cash Return"), QSize(Width, Height),
                    parent),
      m_context(context) {
    m_title =
        MakeLabel(this, QString(), QRect(20, 40, Width - 40, 26), 16, true, QStringLiteral("ReturnTitle"));
    m_title->setAlignment(Qt::AlignCenter);
    m_amount =
        MakeLabel(this, QString(), QRect(60, 70, Width - 120, 40), 24, true, QStringLiteral("ReturnAmount"));
    m_amount->setAlignment(Qt::AlignCenter);
    m_amount->setStyleSheet(QStringLiteral("background: white; color: darkred;"));
    m_hint =
        MakeLabel(this, QString(), QRect(20, 118, Width - 40, 24), 13, false, QStringLiteral("ReceiptHint"));
    m_hint->setAlignment(Qt::AlignCenter);
    m_question = MakeLabel(this, QStringLiteral("Print final bill?"), QRect(20, 148, Width - 40, 24), 15,
                           true, QStringLiteral("FinalBillQuestion"));
    m_question->setAlignment(Qt::AlignCenter);
    m_yes =
        MakeButton(this, QStringLiteral("Yes"), QStringLiteral("FinalYesBut"), QRect(60, 176, 110, 30), 14);
    m_no = MakeButton(this, QStringLiteral("No"), QStringLiteral("FinalNoBut"), QRect(190, 176, 110, 30), 14);
    m_ok =
        MakeButton(this, QStringLiteral("OK"), QStringLiteral("ReturnOkBut"), QRect(125, 212, 110, 32), 15);
    connect(m_yes, &QPushButton::clicked, this, &CashReturnPanel::yesClick);
    connect(m_no, &QPushButton::clicked, this, &CashReturnPanel::noClick);
    connect(m_ok, &QPushButton::clicked, this, &CashReturnPanel::okClick);
    for (QWidget* w : std::initializer_list<QWidget*>{m_yes, m_no, m_ok})
        watch(w);
}

void CashReturnPanel::openFor(const SettlementResult& result, const QString& bill, bool afterDirectPayment) {
    m_bill = bill;
    m_direct = afterDirectPayment;
    UtilityRecord settings;
    RunAction(m_context, [&] { settings = ReadUtility(m_context.db); });
    m_receipts = settings.printInvoice;
    m_paperSize = settings.paperSize;
    m_sheetPaper = !IsRollPaper(settings.paperSize);
    m_fullBill = settings.printFullBill;
    m_reinsert = settings.printReinsert;

    setCaption(result.card ? QStringLiteral("Credit Card") : QStringLiteral("Cash Return"));
    m_title->setText(result.card ? QStringLiteral("Card Sales") : QStringLiteral("Change"));
    m_amount->setText(result.card ? AmountField(result.amountDue) : AmountField(result.change));
    QString hint =
        m_sheetPaper ? QStringLiteral("Place paper in the printer") : QStringLiteral("Receipt printer");
    if (m_receipts && m_reinsert && !m_fullBill)
        hint = QStringLiteral("Place first printout in printer");
    m_hint->setText(hint);
    m_hint->setVisible(m_receipts);
    m_question->setVisible(m_receipts);
    m_yes->setVisible(m_receipts);
    m_no->setVisible(m_receipts);
    open();
    if (!m_receipts || m_direct || m_fullBill)
        m_ok->setFocus();
    else
        m_yes->setFocus();
}

void CashReturnPanel::finish(bool print) {
    if (!isOpen())
        return;
    RunAction(m_context, [&] {
        ReceiptStage stage = ReceiptStage::Final;
        if (print && m_receipts && FinalReceiptStage(m_direct, m_paperSize, m_reinsert, m_fullBill, &stage)) {
            PrintServices services{m_context.db, m_context.state, m_context.clock, m_context.prompter,
                                   m_context.printSink()};
            PrintBill(services, m_bill, stage);
        }
    });
    m_context.devices.clearPole();
    close();
    emit finished();
}

void CashReturnPanel::okClick() {
    finish(true);
}

void CashReturnPanel::yesClick() {
    // On sheet paper the user puts the paper in first, then confirms with OK.
    if (m_sheetPaper && !m_direct && !m_fullBill) {
        m_ok->setFocus();
        return;
    }
    finish(true);
}

void CashReturnPanel::noClick() {
    if (!isOpen())
        return;
    RunAction(m_context, [&] { DeclineFinalReceipt(m_context.db, m_bill); });
    finish(false);
}

bool CashReturnPanel::handleKey(QObject*, QKeyEvent* key) {
    const QChar letter = TypedLetter(key);
    if (m_receipts && letter == QLatin1Char('Y')) {
        yesClick();
        return true;
    }
    if (m_receipts && letter == QLatin1Char('N')) {
        noClick();
        return true;
    }
    return false;
}

} // namespace vantorel
