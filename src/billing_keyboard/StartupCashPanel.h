#pragma once

#include "KeyboardPanel.h"
#include "Money.h"

class QLabel;
class QPushButton;

namespace vantorel {

// The start-up cash check: the cash the database reports in the drawer, accepted or not.
class StartupCashPanel : public KeyboardPanel {
    Q_OBJECT
public:
    explicit StartupCashPanel(QWidget* parent);

    void openFor(Money amount);
    Money amount() const { return m_amount; }

signals:
    void answered(bool accepted);

protected:
    bool handleKey(QObject* watched, QKeyEvent* key) override;

private:
    void answer(bool accepted);

    Money m_amount;
    QLabel* m_amountLabel = nullptr;
    QPushButton* m_accept = nullptr;
    QPushButton* m_notAccept = nullptr;
};

} // namespace vantorel
