#pragma once

#include "BillingContext.h"
#include "KeyboardPanel.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vantorel {

// "Allocate Table to New Account": table, guests and an optional alias. A table that holds a bill already
// asks for an alias first; the second OK opens a lettered bill.
class NewAccountPanel : public KeyboardPanel {
    Q_OBJECT
public:
    NewAccountPanel(BillingContext& context, QWidget* parent);

    void openPanel();
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
    QLabel* m_number = nullptr;
    QLineEdit* m_table = nullptr;
    QLineEdit* m_pax = nullptr;
    QLineEdit* m_alias = nullptr;
    QLabel* m_message = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_back = nullptr;
};

} // namespace vantorel
