#pragma once

#include "BillingContext.h"
#include "KeyboardPanel.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vantorel {

// "Allocate Table to VIP Account": a customer account without a bill at a table, the table and the guests.
class VipAccountPanel : public KeyboardPanel {
    Q_OBJECT
public:
    VipAccountPanel(BillingContext& context, QWidget* parent);

    void openPanel(const QStringList& accounts);
    void okClick();
    void backClick();

signals:
    void opened(const QString& bill);
    void cancelled();

protected:
    bool handleKey(QObject* watched, QKeyEvent* key) override;

private:
    BillingContext& m_context;
    bool m_occupiedShown = false;
    QListWidget* m_accounts = nullptr;
    QLineEdit* m_table = nullptr;
    QLineEdit* m_pax = nullptr;
    QLabel* m_message = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_back = nullptr;
};

} // namespace vantorel
