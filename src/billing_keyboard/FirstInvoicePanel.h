#pragma once

#include "BillingContext.h"
#include "BillingTypes.h"
#include "FirstPrint.h"
#include "KeyboardPanel.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vantorel {

// "Print  First  Invoice": the sums of the bill, the bill discount or bill FOC, the service charge, the
// taxes and the final amount; "Print First Bill" commits them and prints the first receipt, "Direct
// Payment" commits them and goes straight to the payment.
class FirstInvoicePanel : public KeyboardPanel {
    Q_OBJECT
public:
    FirstInvoicePanel(BillingContext& context, QWidget* parent);

    // Opens the first print of the bill; false when the bill could not be opened (the user was told).
    bool openBill(const QString& bill, int billRounding);
    const FirstPrintPanel& values() const { return m_values; }

    void printFirstBillClick();
    void directPaymentClick();
    void backClick();

signals:
    void firstBillPrinted(const QString& bill);
    void directPaymentChosen(const QString& bill);
    // Closed without committing; BillClosed or BillChanged when the bill changed meanwhile.
    void closedWithout(vantorel::BillingOutcome outcome);

protected:
    bool handleKey(QObject* watched, QKeyEvent* key) override;

private:
    void showValues();
    void recalculate();
    void discountEntered(bool cancelled);
    void billFocToggled(bool checked);
    void serviceChargeToggled(bool checked);
    void resetClick();
    void commit(bool direct);

    BillingContext& m_context;
    FirstPrintPanel m_values;
    bool m_showing = false;

    QLabel* m_sumItems = nullptr;
    QLabel* m_foc = nullptr;
    QLabel* m_itemDisc = nullptr;
    QLineEdit* m_discount = nullptr;
    QCheckBox* m_billFoc = nullptr;
    QLabel* m_billTotal = nullptr;
    QLabel* m_billDiscount = nullptr;
    QLabel* m_tax = nullptr;
    QLabel* m_chargeLabel = nullptr;
    QLabel* m_charge = nullptr;
    QCheckBox* m_serviceCharge = nullptr;
    QLabel* m_final = nullptr;
    QLabel* m_note = nullptr;
    QPushButton* m_reset = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_direct = nullptr;
    QPushButton* m_back = nullptr;
};

} // namespace vantorel
