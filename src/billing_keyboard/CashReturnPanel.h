#pragma once

#include "BillingContext.h"
#include "KeyboardPanel.h"
#include "Settlement.h"

class QLabel;
class QPushButton;

namespace vantorel {

// After settlement: the change ("Cash Return") or "Card Sales" ("Credit Card"), and the question whether
// the final receipt is printed.
class CashReturnPanel : public KeyboardPanel {
    Q_OBJECT
public:
    CashReturnPanel(BillingContext& context, QWidget* parent);

    void openFor(const SettlementResult& result, const QString& bill, bool afterDirectPayment);

    void okClick();
    void yesClick();
    void noClick();

signals:
    void finished();

protected:
    bool handleKey(QObject* watched, QKeyEvent* key) override;

private:
    void finish(bool print);

    BillingContext& m_context;
    QString m_bill;
    bool m_direct = false;
    bool m_receipts = false;
    bool m_sheetPaper = false;
    bool m_fullBill = false;
    bool m_reinsert = false;
    QString m_paperSize;

    QLabel* m_title = nullptr;
    QLabel* m_amount = nullptr;
    QLabel* m_hint = nullptr;
    QLabel* m_question = nullptr;
    QPushButton* m_yes = nullptr;
    QPushButton* m_no = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace vantorel
