#pragma once

#include "BillingContext.h"
#include "KeyboardPanel.h"
#include "Settlement.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vantorel {

// "Print  Final  Invoice": the amount due, paid in cash (with the change) or by card (company and, when
// asked, the number). OK settles the bill; "&Back" (or "B") closes the panel and stores nothing.
class PaymentPanel : public KeyboardPanel {
    Q_OBJECT
public:
    PaymentPanel(BillingContext& context, QWidget* parent);

    // False when the bill cannot be settled now (closed elsewhere, or to be first-printed again).
    bool openBill(const QString& bill, bool afterDirectPayment, BillingOutcome* outcome = nullptr);
    const PaymentView& view() const { return m_view; }
    bool afterDirectPayment() const { return m_direct; }

    void okClick();
    void backClick();

signals:
    void settled(const vantorel::SettlementResult& result, const QString& bill, bool afterDirectPayment);
    void closedWithout(vantorel::BillingOutcome outcome);

protected:
    bool handleKey(QObject* watched, QKeyEvent* key) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillCompanies();
    void chooseCompany(const QString& description);
    void cashEntered();
    void clearAll();

    BillingContext& m_context;
    PaymentView m_view;
    bool m_direct = false;
    bool m_numberRechecked = false;
    bool m_filling = false;

    QLabel* m_amountDue = nullptr;
    QLineEdit* m_cash = nullptr;
    QLineEdit* m_change = nullptr;
    QLabel* m_companyLabel = nullptr;
    QListWidget* m_companies = nullptr;
    QLabel* m_numberLabel = nullptr;
    QLineEdit* m_number = nullptr;
    QLabel* m_noCards = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_back = nullptr;
};

} // namespace vantorel
