#pragma once

#include "KeyboardPanel.h"
#include "MenuItems.h"

class QLineEdit;
class QPushButton;

namespace vantorel {

class Prompter;

// The small dialog of the Miscellaneous item: price, cost, quantity and what was sold.
class MiscellaneousDialog : public KeyboardPanel {
    Q_OBJECT
public:
    MiscellaneousDialog(Prompter& prompter, QWidget* parent);

    void openDialog();
    void saveClick();
    void backClick();

signals:
    void saved(const vantorel::MiscellaneousEntry& entry);
    void cancelled();

protected:
    bool handleKey(QObject* watched, QKeyEvent* key) override;

private:
    Prompter& m_prompter;
    QLineEdit* m_price = nullptr;
    QLineEdit* m_cost = nullptr;
    QLineEdit* m_quantity = nullptr;
    QLineEdit* m_remark = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_back = nullptr;
};

} // namespace vantorel
